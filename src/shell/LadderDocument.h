#pragma once

#include "shell/CVelmoraApp.h"
#include "shell/ShellDocument.h"

#include <QPointer>

#include <memory>
#include <vector>

namespace velmora {

class CVelmoraDoc;
class CVelmoraView;
class UnDoList;
class OutputPanes;
class Ui;

// A ladder in the shell: the document with its file commands and the convert command connected,
// reporting through the main frame's panes.
class LadderDocument : public ShellDocument {
    Q_OBJECT
public:
    LadderDocument(OutputPanes& panes, Ui& ui);
    ~LadderDocument() override;

    CVelmoraDoc& Ladder() { return ladder; }
    // The editing history, one for the document and shared by all its windows.
    UnDoList& Undo() { return *undo; }

    QWidget* CreateView() override;

private:
    explicit LadderDocument(std::unique_ptr<CVelmoraDoc> document);
    void ConnectCommands();

    CVelmoraDoc& ladder;
    std::unique_ptr<UnDoList> undo;
    std::vector<QPointer<CVelmoraView>> views;
};

// The application's documents: new ladders and ladder files, loaded as the platform opens them.
CVelmoraApp::DocumentFactory LadderDocumentFactory(CVelmoraApp& app, Ui& ui);

} // namespace velmora
