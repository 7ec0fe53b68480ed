#include "shell/LadderDocument.h"

#include "document/CVelmoraDoc.h"
#include "shell/CMainFrame.h"
#include "shell/CommandTable.h"
#include "shell/ConvertCommand.h"

#include <QFile>
#include <QWidget>

namespace velmora {

LadderDocument::LadderDocument(OutputPanes& panes, Ui& ui)
    : LadderDocument(std::make_unique<CVelmoraDoc>(panes, ui)) {}

LadderDocument::LadderDocument(std::unique_ptr<CVelmoraDoc> document)
    : ShellDocument(std::move(document)), ladder(static_cast<CVelmoraDoc&>(Document())) {
    ConnectCommands();
}

QWidget* LadderDocument::CreateView() {
    auto* view = new QWidget;
    view->setObjectName(QStringLiteral("ladderView"));
    view->setAutoFillBackground(true);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Window, Qt::white);
    view->setPalette(palette);
    return view;
}

void LadderDocument::ConnectCommands() {
    commands.Connect(Cmd::SaveBinaryFile, [this] { ladder.OnSaveBinaryFile(); });
    commands.Connect(Cmd::SaveLadderFile, [this] { ladder.OnSaveLadderFile(); });
    commands.Connect(Cmd::EditLadderInfo, [this] { ladder.OnEditLadderInfo(); });
    commands.Connect(Cmd::SaveInstructionList, [this] { ladder.OnSaveInstructionList(); });
    commands.Connect(Cmd::OldLadderFile, [this] { ladder.OnSaveOldLadderFile(); });
    commands.Connect(Cmd::ExportComments, [this] { ladder.OnExportComments(); });
    commands.Connect(Cmd::ImportComments, [this] { ladder.OnImportComments(); });
    commands.Connect(Cmd::Convert, [this] {
        RunConvertCommand(ladder.compiler, ladder.converted, ladder.Panes());
    });
}

CVelmoraApp::DocumentFactory LadderDocumentFactory(CVelmoraApp& app, Ui& ui) {
    return [&app, &ui](const QString* path) -> std::unique_ptr<ShellDocument> {
        auto document = std::make_unique<LadderDocument>(app.MainFrame()->Panes(), ui);
        CVelmoraDoc& ladder = document->Ladder();
        const bool made = path ? ladder.OnOpenDocument(QFile::encodeName(*path).toStdString())
                               : ladder.OnNewDocument();
        if (!made) {
            return nullptr;
        }
        return document;
    };
}

} // namespace velmora
