#pragma once

#include "platform/RecentFileList.h"
#include "shell/CommandMap.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLocalServer;
class QPrinter;

namespace velmora {

class CMainFrame;
class Profile;
class ShellDocument;
class Ui;

// The application: start-up, the recent-file list, the command line and the commands that need
// no document (new, open, print set-up, about, exit).
class CVelmoraApp : public QObject {
    Q_OBJECT
public:
    // Makes the document for a file (or a new, empty ladder when path is null); nothing when the
    // file could not be loaded, which the document has reported itself.
    using DocumentFactory = std::function<std::unique_ptr<ShellDocument>(const QString* path)>;

    CVelmoraApp(Ui& ui, Profile& profile);
    ~CVelmoraApp() override;

    // The application object of this process, for the views' printing; null before it exists.
    static CVelmoraApp* Instance();

    // The start-up sequence; false ends the program before its event loop runs (the command
    // line's action was carried out or failed, or the file went to a running instance).
    bool InitInstance(const QStringList& arguments);
    // Writes the recent-file list back to the profile.
    void ExitInstance();

    // Opens a file as a document, or activates its window when it is open already, and puts it
    // first in the recent-file list. Without a document factory only the list changes.
    ShellDocument* OpenDocumentFile(const QString& path);
    // A new ladder titled PLCLad1, PLCLad2, …; false without a document factory.
    bool NewDocument();
    void SetDocumentFactory(DocumentFactory factory) { documentFactory = std::move(factory); }

    CMainFrame* MainFrame() const { return frame.get(); }
    RecentFileList& RecentFiles() { return recentFiles; }
    CommandMap& Commands() { return commands; }
    QPrinter& Printer();
    // The printer named by /pt while its print command runs; empty otherwise.
    QString PrintTarget() const { return printTarget; }

    // The local socket a running instance listens on for files handed over by /dde.
    static QString DefaultChannelName();
    void SetChannelName(const QString& name) { channelName = name; }

private:
    void ConnectCommands();
    void RecentFilesChanged();
    bool HandOver(const QString& path) const;
    void Listen();
    void OnFileOpen();
    void OnAppAbout();
    void OnPrintSetup();
    void OnRecentFile(std::size_t index);

    Ui& ui;
    Profile& profile;
    RecentFileList recentFiles;
    CommandMap commands;
    DocumentFactory documentFactory;
    std::unique_ptr<CMainFrame> frame;
    std::unique_ptr<QPrinter> printer;
    QLocalServer* server = nullptr;
    QString channelName;
    QString printTarget;
    int newDocumentCount = 0;
};

} // namespace velmora
