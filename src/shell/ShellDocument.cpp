#include "shell/ShellDocument.h"

#include <QFileInfo>

namespace velmora {

void ShellDocument::SetPathName(const QString& path) {
    pathName = path;
    SetTitle(QFileInfo(path).fileName());
}

void ShellDocument::SetTitle(const QString& text) {
    if (title != text) {
        title = text;
        emit TitleChanged();
    }
}

} // namespace velmora
