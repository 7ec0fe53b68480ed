#include "editor/LadderEditor.h"

#include "compiler/Numbers.h"
#include "document/CVelmoraDoc.h"
#include "editor/EditorView.h"
#include "editor/FunctionParameters.h"
#include "editor/GridEditor.h"
#include "editor/LadderStructure.h"
#include "editor/UnDoList.h"
#include "model/ElementCatalogue.h"
#include "platform/Ui.h"

#include <algorithm>

namespace velmora {

namespace {

bool IsBoxHead(ElementCode code) {
    return IsBoxCode(code) && KindOf(code) != Kind::CODT && RowOffsetOf(code) == 0 &&
           ColumnOffsetOf(code) == 0;
}

} // namespace

bool LadderEditor::ReplaceText(GridPoint at, std::string_view replacement) {
    LadderCell& cell = Program().Row(at.row)[at.column];
    // A box is known by its name; renaming it would leave cells of one kind under another name.
    if (IsBoxHead(cell.code)) {
        return false;
    }
    undo.RecordCell(at.column, at.row);
    cell.SetOperand(replacement);
    if (IsNumberedParameter(cell.code)) {
        cell.number = static_cast<std::int16_t>(Atoi(cell.OperandText()));
    }
    grid.InvalidateCursorCell();
    Modified();
    return true;
}

bool LadderEditor::SearchOperand(std::string_view find, bool upward, std::string_view replacement,
                                 int mode, bool examineStart) {
    const LadderProgram& program = Program();
    const int n = program.rowCount;
    if (find.empty() || n == 0) {
        return false;
    }
    const EditorSelection& selection = doc.selection;
    int c = std::min(selection.anchor.column, selection.cursor.column);
    int r = std::min(selection.anchor.row, selection.cursor.row);
    if (mode == ReplaceAllFirst || !HasCursor() || c < 0 || r < 0 || r >= n) {
        c = 0;
        r = 0;
        examineStart = true;
    }
    const int dir = upward ? -1 : 1;
    bool replaced = false;
    if (mode == ReplaceAndFind && program.Row(r)[c].OperandText() == find) {
        replaced = ReplaceText({c, r}, replacement);
    }
    auto matches = [&](int column, int row) {
        return program.Row(row)[column].OperandText() == find;
    };

    int foundColumn = -1;
    int foundRow = r;
    if (examineStart && matches(c, r)) {
        foundColumn = c;
    }
    for (int col = c + dir; foundColumn < 0 && col >= 0 && col < ColumnsPerRow; col += dir) {
        if (matches(col, r)) {
            foundColumn = col;
        }
    }
    bool followingRow = false;
    // The ladder's last row is its empty end and is never searched.
    for (int row = r + dir; foundColumn < 0 && row >= 0 && row < n - 1; row += dir) {
        for (int col = 0; col < ColumnsPerRow; ++col) {
            if (matches(col, row)) {
                foundColumn = col;
                foundRow = row;
                followingRow = true;
                break;
            }
        }
    }
    if (foundColumn < 0) {
        if (replaced) {
            RebuildNumberRegistries(Program(), doc.compiler);
        }
        return false;
    }
    MarkSelection(false);
    doc.selection.cursor = doc.selection.anchor = {foundColumn, foundRow};
    if (mode == ReplaceAllFirst || mode == ReplaceAllNext) {
        replaced = ReplaceText({foundColumn, foundRow}, replacement) || replaced;
    }
    if (replaced) {
        RebuildNumberRegistries(Program(), doc.compiler);
    }
    MarkSelection(true);
    if (followingRow) {
        ScrollToRow(foundRow);
    }
    return true;
}

void LadderEditor::GoToLine() {
    const int n = Program().rowCount;
    if (n == 0) {
        return;
    }
    GotoLineData& dialog = gotoLineDialog;
    dialog.row = std::clamp(doc.selection.anchor.row, 0, n - 1) + 1;
    if (!doc.UserInterface().GotoLineDialog(dialog)) {
        return;
    }
    int line = dialog.row;
    if (line >= n) {
        line = n - 1;
    }
    if (line < 1) {
        line = 1;
    }
    SelectCell({0, line - 1});
    grid.RequestWholeView();
    ScrollToRow(line - 1);
}

} // namespace velmora
