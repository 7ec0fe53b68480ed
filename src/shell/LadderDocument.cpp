#include "shell/LadderDocument.h"

#include "document/CVelmoraDoc.h"
#include "editor/UnDoList.h"
#include "shell/CMainFrame.h"
#include "shell/CommandTable.h"
#include "shell/ConvertCommand.h"
#include "shell/view/CVelmoraView.h"
#include "shell/view/ViewEditing.h"

#include <QFile>

#include <algorithm>

namespace velmora {

LadderDocument::LadderDocument(OutputPanes& panes, Ui& ui)
    : LadderDocument(std::make_unique<CVelmoraDoc>(panes, ui)) {}

LadderDocument::LadderDocument(std::unique_ptr<CVelmoraDoc> document)
    : ShellDocument(std::move(document)), ladder(static_cast<CVelmoraDoc&>(Document())),
      undo(std::make_unique<UnDoList>()) {
    ConnectCommands();
}

LadderDocument::~LadderDocument() = default;

QWidget* LadderDocument::CreateView() {
    auto* view = new CVelmoraView(ladder, ladder.Panes());
    new ViewEditing(*view, *undo, SharedLadderClipboard(), [this] { ladder.SetModifiedFlag(); });
    // Every window on the document shows the same ladder: a change in one repaints the others.
    for (const QPointer<CVelmoraView>& other : views) {
        if (other) {
            connect(view, &CVelmoraView::viewChanged, other, &CVelmoraView::OnUpdate);
            connect(other, &CVelmoraView::viewChanged, view, &CVelmoraView::OnUpdate);
        }
    }
    views.erase(std::remove_if(views.begin(), views.end(),
                               [](const QPointer<CVelmoraView>& v) { return v.isNull(); }),
                views.end());
    views.emplace_back(view);
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
