#pragma once

#include "editor/EditorView.h"
#include "editor/FindReplace.h"
#include "editor/LadderEditor.h"

#include <QObject>

#include <functional>

namespace velmora {

class CVelmoraView;
class UnDoList;
struct LadderClipboard;

// The application's clipboard of ladder cells and rows, shared by every window.
LadderClipboard& SharedLadderClipboard();

// The editing commands of one ladder window: connects them to the window's command map and its
// hooks (Enter, Delete, double click, the row-comment editor) and runs them in the editing
// logic. Every command first closes an open row-comment editor, so its text reaches its row,
// and afterwards the window repaints what the command changed. Lives as long as the window.
class ViewEditing : public QObject, public EditorView {
    Q_OBJECT
public:
    // undo: the document's history, shared by all its windows; setModified marks the document
    // modified.
    ViewEditing(CVelmoraView& view, UnDoList& undo, LadderClipboard& clipboard,
                std::function<void()> setModified);

    LadderEditor& Editor() { return editor; }
    // The find dialog's text and direction, kept from one use to the next in this window.
    FindDialogData& FindData() { return findData; }

    LogicalPoint ScrollPosition() const override;
    void ScrollTo(LogicalPoint position) override;

    void OnFind();
    void OnReplace();

private:
    void ConnectCommands();
    // Runs one editing command as the window's commands all run.
    void Run(const std::function<void()>& command);

    CVelmoraView& view;
    LadderEditor editor;
    FindDialogData findData;
};

} // namespace velmora
