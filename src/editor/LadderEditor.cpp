#include "editor/LadderEditor.h"

#include "document/CVelmoraDoc.h"
#include "editor/EditorView.h"
#include "editor/GridEditor.h"
#include "editor/LadderClipboard.h"
#include "editor/LadderStructure.h"
#include "editor/UnDoList.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cstdlib>

namespace velmora {

namespace {

constexpr int RowsAboveScrolledRow = 7; // a row scrolled to stands this far below the top

} // namespace

LadderEditor::LadderEditor(EditTarget target, LadderClipboard& clipboard, GridEditor& grid,
                           EditorView& view)
    : target(std::move(target)), doc(this->target.doc), undo(this->target.undo),
      clipboard(clipboard), grid(grid), view(view) {
    undo.Attach(doc);
}

LadderProgram& LadderEditor::Program() { return doc.program; }
const LadderProgram& LadderEditor::Program() const { return doc.program; }

void LadderEditor::Modified() {
    if (target.setModified) {
        target.setModified();
    }
}

bool LadderEditor::HasCursor() const {
    const GridPoint& cursor = doc.selection.cursor;
    return cursor.column >= 0 && cursor.column < ColumnsPerRow && cursor.row >= 0 &&
           cursor.row < Program().rowCount;
}

LadderCell& LadderEditor::CursorCell() {
    const GridPoint& cursor = doc.selection.cursor;
    return Program().Row(cursor.row)[cursor.column];
}

void LadderEditor::MarkSelection(bool on) { grid.MarkSelection(on); }

void LadderEditor::SelectCell(GridPoint cell) {
    MarkSelection(false);
    doc.selection.anchor = cell;
    doc.selection.cursor = cell;
    MarkSelection(true);
}

LadderEditor::RowSpan LadderEditor::SelectedRows() const {
    const EditorSelection& selection = doc.selection;
    const int last = std::max(Program().rowCount - 1, 0);
    const int anchorRow = std::clamp(selection.anchor.row, 0, last);
    const int cursorRow = std::clamp(selection.cursor.row, 0, last);
    RowSpan span;
    span.first = std::min(anchorRow, cursorRow);
    span.count = std::abs(cursorRow - anchorRow) + 1;
    const GridPoint& end = anchorRow == span.first ? selection.anchor : selection.cursor;
    span.position = {std::clamp(end.column, 0, ColumnsPerRow - 1), span.first};
    return span;
}

bool LadderEditor::RowsFit(int n) {
    if (n >= LadderProgram::MaxRows - Program().rowCount) {
        doc.UserInterface().MessageBox("行数超出范围!");
        return false;
    }
    return true;
}

void LadderEditor::AfterRowChange() {
    LadderProgram& program = Program();
    if (program.rowCount == 0) {
        program.InsertRows(0, 1, doc.UserInterface());
    }
    RecountTables(program);
    RebuildNumberRegistries(program, doc.compiler);
}

void LadderEditor::ScrollToRow(int row) {
    const LogicalPoint scroll = view.ScrollPosition();
    const int top = -Grid::RowHeight * row;
    if (top > scroll.y || top < scroll.y - Grid::PageHeight) {
        view.ScrollTo({scroll.x, top + Grid::RowHeight * RowsAboveScrolledRow});
    }
}

void LadderEditor::Undo() {
    if (!CanUndo()) {
        return;
    }
    MarkSelection(false);
    const UnDoList::Undone undone = undo.UndoStep();
    const int last = Program().rowCount - 1;
    if (undone.position.row >= 0) {
        const int column = std::clamp(undone.position.column, 0, ColumnsPerRow - 1);
        doc.selection.anchor = {column, std::min(undone.position.row, last)};
        doc.selection.cursor = {column, std::min(undone.position.row + undone.count, last)};
    }
    if (undone.changed) {
        Modified();
    }
    grid.RequestWholeView();
}

bool LadderEditor::CanUndo() const { return undo.Available() > 0; }

} // namespace velmora
