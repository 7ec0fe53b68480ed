#include "platform/CDocument.h"

#include "platform/AtomicFile.h"
#include "platform/DocumentTemplate.h"
#include "platform/FileDialogs.h"
#include "platform/Ui.h"

#include <cerrno>
#include <unistd.h>

namespace velmora {

std::string FileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

void CDocument::SetPathName(const std::string& path) {
    pathName = path;
    SetTitle(FileNameOf(path));
}

void CDocument::SetTitle(const std::string& text) {
    if (title == text) {
        return;
    }
    title = text;
    if (onTitleChanged) {
        onTitleChanged();
    }
}

bool CDocument::OnNewDocument() {
    DeleteContents();
    pathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        platformUi.MessageBox(std::string(DocumentText::OpenFailed));
        return false;
    }
    DeleteContents();
    bool understood = true;
    if (!bytes.empty()) {
        Archive archive(Archive::Mode::Load, path, std::move(bytes));
        Serialize(archive);
        understood = !archive.FormatError();
    }
    SetModifiedFlag(false);
    if (understood) {
        SetPathName(path);
    } else {
        pathName.clear();
        SetTitle(FileNameOf(path));
    }
    return true;
}

bool CDocument::OnSaveDocument(const std::string& path) {
    Archive archive(Archive::Mode::Store, path);
    Serialize(archive);
    if (!WriteFileAtomically(path, archive.Bytes())) {
        platformUi.MessageBox(std::string(DocumentText::SaveFailed));
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::SaveModified() {
    if (!IsModified()) {
        return true;
    }
    std::string prompt(DocumentText::SaveChangesPrompt);
    prompt.replace(prompt.find("%1"), 2, pathName.empty() ? title : pathName);
    switch (platformUi.AskYesNoCancel(prompt)) {
    case Ui::Answer::Yes:
        return DoFileSave();
    case Ui::Answer::No:
        return true;
    case Ui::Answer::Cancel:
        break;
    }
    return false;
}

bool CDocument::DoFileSave() {
    // Writing replaces the file by a new one, which would get past a read-only file's mode.
    if (!pathName.empty() && ::access(pathName.c_str(), W_OK) != 0 && errno != ENOENT) {
        return DoSave({}, true);
    }
    return DoSave(pathName, true);
}

bool CDocument::DoSave(const std::string& path, bool replace) {
    std::string target = path;
    if (target.empty()) {
        std::string initial = pathName.empty() ? title : pathName;
        if (pathName.empty() && FileNameOf(initial).find('.') == std::string::npos) {
            initial += DocumentTemplate::Extension;
        }
        const auto chosen = platformUi.FileDialog(SaveFileRequest(
            DocumentTemplate::Extension.substr(1), initial, DocumentTemplate::SaveFilter()));
        if (!chosen || chosen->empty()) {
            return false;
        }
        target = *chosen;
    }
    if (!OnSaveDocument(target)) {
        return false;
    }
    if (replace) {
        SetPathName(target);
    }
    return true;
}

} // namespace velmora
