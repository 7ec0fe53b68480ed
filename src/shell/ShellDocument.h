#pragma once

#include "shell/CommandMap.h"

#include <QObject>
#include <QString>

class QWidget;

namespace velmora {

// What the frames and the application need of an open document. The ladder document implements
// it; the shell creates its windows, titles them, activates it when its file is opened again,
// offers to save it on closing and routes commands to it.
class ShellDocument : public QObject, public CommandSource {
    Q_OBJECT
public:
    // The file the document was opened from or last saved to; empty for a new ladder.
    QString PathName() const { return pathName; }
    // Also titles the document with the file's name.
    void SetPathName(const QString& path);

    QString Title() const { return title; }
    void SetTitle(const QString& text);

    virtual bool IsModified() const = 0;
    // Writes the document to a file; false when that failed, which the document has reported.
    virtual bool SaveToFile(const QString& path) = 0;
    // The widget shown in a new window on this document; the window takes ownership.
    virtual QWidget* CreateView() = 0;
    // Called once, when the last window on the document closes, before it is destroyed.
    virtual void OnCloseDocument() {}

    CommandMap& Commands() override { return commands; }

signals:
    void TitleChanged();

protected:
    CommandMap commands;

private:
    QString pathName;
    QString title;
};

} // namespace velmora
