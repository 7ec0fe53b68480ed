#include "editor/LadderEditor.h"

#include "compiler/LadderCompiler.h"
#include "document/CVelmoraDoc.h"
#include "editor/EditorView.h"
#include "editor/GridEditor.h"
#include "editor/LadderClipboard.h"
#include "editor/LadderStructure.h"
#include "editor/UnDoList.h"
#include "model/ElementCatalogue.h"
#include "platform/Ui.h"

#include <algorithm>

namespace velmora {

namespace {

bool HoldsBox(const LadderRow& row) { return FindFunctionColumn(row) >= 0; }

} // namespace

void LadderEditor::OnInsertRows() {
    if (!HasCursor()) {
        return;
    }
    InsertLineData dialog;
    if (!doc.UserInterface().InsertLineDialog(dialog) || dialog.count < InsertLineData::MinCount ||
        dialog.count > InsertLineData::MaxCount) {
        return;
    }
    const int n = static_cast<int>(dialog.count);
    const RowSpan span = SelectedRows();
    LadderProgram& program = Program();
    if (SplitsBlock(program, span.first) || !RowsFit(n)) {
        return;
    }
    undo.RecordInsertedRows(span.position.column, span.first, n);
    MarkSelection(false);
    program.InsertRows(span.first, n, doc.UserInterface());
    AfterRowChange();
    grid.RequestWholeView();
    Modified();
}

LadderEditor::RowSpan LadderEditor::RowsToDelete() const {
    const LadderProgram& program = Program();
    RowSpan span = SelectedRows();
    // The last row stays, so the ladder keeps ending with an empty row.
    if (span.first + span.count >= program.rowCount) {
        --span.count;
    }
    if (span.count <= 0) {
        span.count = 0;
        return span;
    }
    // Whole boxes and tables only: a range that starts inside one takes its first rows along...
    const LadderRow& first = program.Row(span.first);
    const int f = FindFunctionColumn(first);
    if (f >= 0) {
        const int top = std::max(span.first - RowOffsetOf(first[f].code), 0);
        span.count += span.first - top;
        span.first = top;
    }
    // ...and one that ends inside one its last rows.
    for (int i = span.first; i < span.first + span.count;) {
        int top = i;
        const int rows = BlockRows(program, FindFunctionColumn(program.Row(i)), i, top);
        if (rows == 0) {
            ++i;
            continue;
        }
        const int end = std::max(top + rows, i + 1);
        if (span.first + span.count >= end) {
            i = end;
        } else {
            span.count = end - span.first;
            break;
        }
    }
    span.position.row = span.first;
    return span;
}

void LadderEditor::DeleteRowSpan(const RowSpan& span) {
    undo.RecordDeletedRows(span.position.column, span.first, span.count);
    MarkSelection(false);
    Program().DeleteRows(span.first, span.count);
    AfterRowChange();
    grid.RequestWholeView();
    Modified();
}

void LadderEditor::OnDeleteRows() {
    if (!HasCursor()) {
        return;
    }
    DeleteRowSpan(RowsToDelete());
}

void LadderEditor::CopyRows(int first, int count) {
    const LadderProgram& program = Program();
    clipboard.Clear();
    clipboard.rowCount = count;
    for (int i = first; i < first + count; ++i) {
        clipboard.comments.push_back(program.rowComments[static_cast<std::size_t>(i)]);
        for (LadderCell cell : program.Row(i).cells) {
            cell.selected = 0;
            clipboard.cells.push_back(cell);
        }
    }
}

void LadderEditor::CopySelection() {
    if (!HasCursor()) {
        return;
    }
    clipboard.Clear();
    if (doc.selection.IsSingleCell()) {
        const LadderCell& cell = CursorCell();
        if (!IsBoxCode(cell.code)) {
            clipboard.rowCount = 0;
            clipboard.cells.push_back(cell);
        }
        return;
    }
    const RowSpan span = SelectedRows();
    CopyRows(span.first, span.count);
}

void LadderEditor::CutSelection() {
    if (!HasCursor()) {
        return;
    }
    if (doc.selection.IsSingleCell()) {
        CopySelection();
        if (!clipboard.Empty()) {
            PlaceElement(DeleteNode);
        }
        return;
    }
    // Exactly the rows the deletion takes, so the clipboard holds what left the ladder.
    const RowSpan span = RowsToDelete();
    if (span.count == 0) {
        return;
    }
    CopyRows(span.first, span.count);
    DeleteRowSpan(span);
}

void LadderEditor::PasteClipboard() {
    if (!HasCursor() || clipboard.Empty()) {
        return;
    }
    LadderProgram& program = Program();
    const GridPoint cursor = doc.selection.cursor;
    LadderRow& row = program.Row(cursor.row);
    const int f = FindFunctionColumn(row);

    if (clipboard.rowCount == 0) {
        const LadderCell& pasted = clipboard.cells.front();
        const int k = pasted.code;
        const bool coil = k == Element::Coil || k == Element::InvertedCoil;
        const int c = cursor.column;
        if (f >= 0) {
            const ElementCode box = row[f].code;
            int width = 1;
            int height = 1;
            int inputs = 1;
            GetBoxSize(box, width, height);
            GetBoxInputs(box, inputs);
            const bool table = KindOf(box) == Kind::CODT;
            if (IsBoxCode(row[c].code) || (RowOffsetOf(box) >= inputs && !table) ||
                (c >= f + width && !coil && k != Element::Line) ||
                (coil && !(LadderCompiler::HasOutput(box) && c > f + width)) ||
                (!LadderCompiler::NeedsCondition(box) && c < f &&
                 (k == Element::OpenContact || k == Element::ClosedContact ||
                  k == Element::Empty))) {
                return;
            }
        }
        if (coil && c != CoilColumn) {
            return;
        }
        if (!doc.selection.IsSingleCell()) {
            doc.UserInterface().MessageBox("不能执行此操作!");
            return;
        }
        undo.RecordCell(c, cursor.row);
        const std::uint8_t selected = row[c].selected;
        row[c] = pasted;
        row[c].selected = selected;
        Modified();
        grid.RequestWholeView();
        return;
    }

    if (f >= 0) {
        return;
    }
    const int n = clipboard.rowCount;
    if (clipboard.cells.size() != static_cast<std::size_t>(n) * ColumnsPerRow ||
        clipboard.comments.size() != static_cast<std::size_t>(n)) {
        return;
    }
    const RowSpan span = SelectedRows();
    const int t = span.first;
    if (doc.selection.IsSingleCell()) {
        if (!RowsFit(n)) {
            return;
        }
        undo.RecordInsertedRows(span.position.column, t, n);
        MarkSelection(false);
    } else {
        for (int i = t; i < t + span.count; ++i) {
            if (HoldsBox(program.Row(i))) {
                return;
            }
        }
        const int replaced = t == program.rowCount - 1 ? 0 : span.count;
        if (!RowsFit(n - replaced)) {
            return;
        }
        undo.RecordReplacedRows(span.position.column, t, replaced, n);
        MarkSelection(false);
        program.DeleteRows(t, replaced);
    }
    program.InsertRows(t, n, doc.UserInterface());
    for (int i = 0; i < n; ++i) {
        program.rowComments[static_cast<std::size_t>(t + i)] =
            clipboard.comments[static_cast<std::size_t>(i)];
        for (int c = 0; c < ColumnsPerRow; ++c) {
            program.Row(t + i)[c] =
                clipboard.cells[static_cast<std::size_t>(i * ColumnsPerRow + c)];
        }
    }
    AfterRowChange();
    Modified();
    grid.RequestWholeView();
}

void LadderEditor::SelectRows() {
    const int n = Program().rowCount;
    if (n < 2) {
        return;
    }
    SelMulRowData& dialog = selectRowsDialog;
    const int anchorRow = std::clamp(doc.selection.anchor.row, 0, n - 1);
    dialog.startRow = dialog.endRow = anchorRow + 1;
    if (!doc.UserInterface().SelMulRowDialog(dialog)) {
        return;
    }
    int start = std::max(dialog.startRow, 1);
    int end = dialog.endRow >= n ? n - 1 : dialog.endRow;
    start = std::min(start, n - 1);
    end = std::max(end, start);
    MarkSelection(false);
    doc.selection.anchor = {0, start - 1};
    doc.selection.cursor = {CoilColumn, end - 1};
    MarkSelection(true);
    ScrollToRow(start - 1);
}

} // namespace velmora
