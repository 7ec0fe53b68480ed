#include "cli/DocumentSession.h"

#include "platform/CDocument.h"

#include <cstdio>

namespace velmora::cli {

void CliUi::MessageBox(const std::string& text) {
    // A file that cannot be read or written is the one chosen last; other messages are about
    // the ladder.
    const bool aboutFile = text == DocumentText::OpenFailed || text == DocumentText::SaveFailed;
    const std::string& where = aboutFile && !lastChosen.empty() ? lastChosen : context;
    if (where.empty()) {
        std::fprintf(stderr, "velmora-cli: %s\n", text.c_str());
    } else {
        std::fprintf(stderr, "velmora-cli: %s: %s\n", where.c_str(), text.c_str());
    }
}

std::optional<std::string> CliUi::FileDialog(const FileDialogRequest&) {
    if (chosenPaths.empty()) {
        return std::nullopt;
    }
    lastChosen = std::move(chosenPaths.front());
    chosenPaths.pop_front();
    return lastChosen;
}

DocumentSession::DocumentSession() : doc(std::make_unique<CVelmoraDoc>(panes, ui)) {}

bool DocumentSession::Open(const std::string& path) {
    ui.context = path;
    if (!doc->OnOpenDocument(path)) {
        return false;
    }
    // A file that was not understood opens without its name; the reader has said why.
    return !doc->PathName().empty();
}

bool DocumentSession::Convert() {
    doc->compiler.errorCount = 0;
    doc->compiler.Convert();
    if (doc->compiler.errorCount > 0) {
        doc->converted = 0;
        Error(doc->compiler.ReportLine());
        return false;
    }
    doc->converted = 1;
    return true;
}

void DocumentSession::Error(std::string_view text) { ui.MessageBox(std::string(text)); }

} // namespace velmora::cli
