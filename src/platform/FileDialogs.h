#pragma once

#include "platform/Ui.h"

#include <string>
#include <string_view>

namespace velmora {

// The captions the platform gives its file dialogs when the caller names none.
inline constexpr std::string_view SaveDialogTitle = "另存为";
inline constexpr std::string_view OpenDialogTitle = "打开";

// A save dialog with hide-read-only and the overwrite prompt, the options every save of the
// program asks for.
inline FileDialogRequest SaveFileRequest(std::string_view defaultExtension,
                                         std::string initialFileName, std::string_view filter) {
    FileDialogRequest request;
    request.save = true;
    request.title = std::string(SaveDialogTitle);
    request.defaultExtension = std::string(defaultExtension);
    request.initialFileName = std::move(initialFileName);
    request.filter = std::string(filter);
    request.hideReadOnly = true;
    request.overwritePrompt = true;
    return request;
}

// An open dialog without default extension or initial name.
inline FileDialogRequest OpenFileRequest(std::string_view filter) {
    FileDialogRequest request;
    request.save = false;
    request.title = std::string(OpenDialogTitle);
    request.filter = std::string(filter);
    request.hideReadOnly = true;
    request.overwritePrompt = true;
    return request;
}

} // namespace velmora
