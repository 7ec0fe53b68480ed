#include "shell/ShellDocument.h"

#include "platform/CDocument.h"

#include <QFile>

namespace velmora {

namespace {
QString FromPath(const std::string& path) { return QFile::decodeName(path.c_str()); }
std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
} // namespace

ShellDocument::ShellDocument(std::unique_ptr<CDocument> document) : document(std::move(document)) {
    this->document->onTitleChanged = [this] { emit TitleChanged(); };
}

ShellDocument::~ShellDocument() { document->onTitleChanged = nullptr; }

QString ShellDocument::PathName() const { return FromPath(document->PathName()); }

void ShellDocument::SetPathName(const QString& path) { document->SetPathName(ToPath(path)); }

QString ShellDocument::Title() const { return FromPath(document->Title()); }

void ShellDocument::SetTitle(const QString& text) { document->SetTitle(ToPath(text)); }

bool ShellDocument::IsModified() const { return document->IsModified(); }

bool ShellDocument::SaveModified() { return document->SaveModified(); }

bool ShellDocument::Save(bool askName) {
    return askName ? document->DoSave({}, true) : document->DoFileSave();
}

void ShellDocument::OnCloseDocument() { document->OnCloseDocument(); }

} // namespace velmora
