#include "shell/CVelmoraApp.h"

#include "platform/Profile.h"
#include "platform/Ui.h"
#include "shell/CMainFrame.h"
#include "shell/CommandLine.h"
#include "shell/CommandTable.h"
#include "shell/ShellDocument.h"
#include "shell/dialogs/AboutDlg.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>

#include <unistd.h>

namespace velmora {

namespace {
// A hand-over carries a few paths; anything longer is not from us.
constexpr qint64 MaxHandOverBytes = 64 * 1024;
constexpr int HandOverTimeoutMs = 2000;

CVelmoraApp* current = nullptr;
} // namespace

CVelmoraApp::CVelmoraApp(Ui& ui, Profile& profile)
    : ui(ui), profile(profile), channelName(DefaultChannelName()) {
    current = this;
    ConnectCommands();
}

CVelmoraApp::~CVelmoraApp() {
    if (current == this) {
        current = nullptr;
    }
}

CVelmoraApp* CVelmoraApp::Instance() { return current; }

QString CVelmoraApp::DefaultChannelName() {
    return QStringLiteral("velmora-%1").arg(static_cast<qulonglong>(getuid()));
}

QPrinter& CVelmoraApp::Printer() {
    if (!printer) {
        printer = std::make_unique<QPrinter>();
    }
    return *printer;
}

bool CVelmoraApp::InitInstance(const QStringList& arguments) {
    recentFiles.Load(profile);

    std::vector<std::string> args;
    for (const QString& argument : arguments) {
        args.push_back(argument.toStdString());
    }
    const ShellCommand command = ParseCommandLine(args);
    const QString fileName = QString::fromStdString(command.fileName);

    // A file the desktop opens goes to the instance already running, if there is one.
    if (command.action == ShellCommand::Action::DdeOpen && !fileName.isEmpty() &&
        HandOver(fileName)) {
        return false;
    }

    frame = std::make_unique<CMainFrame>(ui);
    frame->SetAppCommands(&commands);
    RecentFilesChanged();
    connect(frame.get(), &CMainFrame::documentRenamed, this, [this](const QString& path) {
        recentFiles.Add(QFile::encodeName(path).toStdString());
        RecentFilesChanged();
    });
    connect(frame.get(), &CMainFrame::filesDropped, this, [this](const QStringList& paths) {
        for (const QString& path : paths) {
            OpenDocumentFile(path);
        }
    });
    Listen();

    switch (command.action) {
    case ShellCommand::Action::Nothing:
        break;
    case ShellCommand::Action::DdeOpen:
        if (!fileName.isEmpty()) {
            OpenDocumentFile(fileName);
        }
        break;
    case ShellCommand::Action::Print:
    case ShellCommand::Action::PrintTo:
        // Print the file, then end without showing the frame.
        if (OpenDocumentFile(fileName)) {
            printTarget = QString::fromStdString(command.printerName);
            frame->RunCommand(Cmd::FilePrintDirect);
            printTarget.clear();
        }
        return false;
    case ShellCommand::Action::Unregister:
        // The desktop registration belongs to the installed package; there is nothing per user
        // to undo, and like the other one-shot actions this ends the program.
        return false;
    }

    // Filling the screen first keeps the frame full-size where no window manager maximizes it.
    if (const QScreen* screen = frame->screen()) {
        frame->setGeometry(screen->availableGeometry());
    }
    frame->showMaximized();
    return true;
}

void CVelmoraApp::ExitInstance() { recentFiles.Save(profile); }

bool CVelmoraApp::HandOver(const QString& path) const {
    QLocalSocket socket;
    socket.connectToServer(channelName);
    if (!socket.waitForConnected(HandOverTimeoutMs)) {
        return false;
    }
    socket.write(QFileInfo(path).absoluteFilePath().toUtf8() + '\n');
    const bool sent = socket.waitForBytesWritten(HandOverTimeoutMs);
    socket.disconnectFromServer();
    return sent;
}

void CVelmoraApp::Listen() {
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(channelName)) {
        // Take the name over only from an instance that is gone and left its socket behind.
        QLocalSocket probe;
        probe.connectToServer(channelName);
        if (probe.waitForConnected(HandOverTimeoutMs)) {
            return;
        }
        QLocalServer::removeServer(channelName);
        if (!server->listen(channelName)) {
            qWarning("velmora: cannot listen on %s: %s", qPrintable(channelName),
                     qPrintable(server->errorString()));
            return;
        }
    }
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->bytesAvailable() > MaxHandOverBytes) {
                    socket->abort();
                    return;
                }
                while (socket->canReadLine()) {
                    const QString path = QString::fromUtf8(socket->readLine()).trimmed();
                    if (!path.isEmpty()) {
                        OpenDocumentFile(path);
                        frame->raise();
                        frame->activateWindow();
                    }
                }
            });
        }
    });
}

ShellDocument* CVelmoraApp::OpenDocumentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    ShellDocument* result = nullptr;
    if (documentFactory && frame) {
        if (ShellDocument* open = frame->FindDocument(absolute)) {
            frame->ActivateDocument(*open);
            result = open;
        } else {
            std::unique_ptr<ShellDocument> document = documentFactory(&absolute);
            if (!document) {
                return nullptr;
            }
            if (document->PathName().isEmpty()) {
                document->SetPathName(absolute);
            }
            result = document.get();
            frame->AddDocument(std::move(document));
        }
    }
    recentFiles.Add(QFile::encodeName(absolute).toStdString());
    RecentFilesChanged();
    return result;
}

bool CVelmoraApp::NewDocument() {
    if (!documentFactory || !frame) {
        return false;
    }
    std::unique_ptr<ShellDocument> document = documentFactory(nullptr);
    if (!document) {
        return false;
    }
    if (document->Title().isEmpty()) {
        document->SetTitle(
            QString::fromUtf8(AppText::NewDocBaseName.data(), AppText::NewDocBaseName.size()) +
            QString::number(++newDocumentCount));
    }
    frame->AddDocument(std::move(document));
    return true;
}

void CVelmoraApp::RecentFilesChanged() {
    if (frame) {
        frame->SetRecentFiles(recentFiles.Entries());
    }
}

void CVelmoraApp::ConnectCommands() {
    commands.Connect(
        Cmd::FileNew, [this] { NewDocument(); }, [this] { return bool(documentFactory); });
    commands.Connect(Cmd::FileOpen, [this] { OnFileOpen(); });
    commands.Connect(Cmd::FilePrintSetup, [this] { OnPrintSetup(); });
    commands.Connect(Cmd::AppAbout, [this] { OnAppAbout(); });
    for (std::size_t i = 0; i < RecentFileList::Size; ++i) {
        commands.Connect(
            Cmd::RecentFile1 + static_cast<int>(i), [this, i] { OnRecentFile(i); },
            [this, i] { return i < recentFiles.Entries().size(); });
    }
}

void CVelmoraApp::OnFileOpen() {
    FileDialogRequest request;
    request.filter = std::string(AppText::OpenFilter);
    request.hideReadOnly = true;
    request.overwritePrompt = true;
    if (const auto path = ui.FileDialog(request)) {
        OpenDocumentFile(QFile::decodeName(path->c_str()));
    }
}

void CVelmoraApp::OnRecentFile(std::size_t index) {
    if (index >= recentFiles.Entries().size()) {
        return;
    }
    const QString path = QFile::decodeName(recentFiles.Entries()[index].c_str());
    if (!OpenDocumentFile(path) && documentFactory) {
        // A file that can no longer be opened leaves the list.
        recentFiles.Remove(index);
        RecentFilesChanged();
    }
}

void CVelmoraApp::OnAppAbout() {
    AboutDlg about(frame.get());
    about.exec();
}

void CVelmoraApp::OnPrintSetup() {
    QPageSetupDialog dialog(&Printer(), frame.get());
    dialog.setWindowTitle(QStringLiteral("打印设置"));
    dialog.exec();
}

} // namespace velmora
