#pragma once

#include "shell/CommandMap.h"

#include <QObject>
#include <QString>

#include <memory>

class QWidget;

namespace velmora {

class CDocument;

// The windows' side of an open document. Its path, title, modified flag and saving belong to the
// platform document it owns; this adapter shows them to the frames in Qt's terms and routes
// commands to the document. The shell creates its windows, titles them, activates it when its file
// is opened again, offers to save it on closing and destroys it with its last window.
class ShellDocument : public QObject, public CommandSource {
    Q_OBJECT
public:
    explicit ShellDocument(std::unique_ptr<CDocument> document);
    ~ShellDocument() override;

    CDocument& Document() { return *document; }
    const CDocument& Document() const { return *document; }

    // The file the document was opened from or last saved to; empty for a new ladder.
    QString PathName() const;
    // Also titles the document with the file's name.
    void SetPathName(const QString& path);
    QString Title() const;
    void SetTitle(const QString& text);
    bool IsModified() const;

    // The question before a modified document closes; false when the user cancelled or the save
    // failed.
    bool SaveModified();
    // Save, or Save As with askName; false when cancelled or failed, which has been reported.
    bool Save(bool askName);

    // The widget shown in a new window on this document; the window takes ownership.
    virtual QWidget* CreateView() = 0;
    // Called once, when the last window on the document closes, before it is destroyed.
    virtual void OnCloseDocument();

    CommandMap& Commands() override { return commands; }

signals:
    void TitleChanged();

protected:
    CommandMap commands;

private:
    std::unique_ptr<CDocument> document;
};

} // namespace velmora
