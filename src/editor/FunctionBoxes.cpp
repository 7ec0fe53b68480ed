#include "editor/LadderEditor.h"

#include "compiler/LadderCompiler.h"
#include "document/CVelmoraDoc.h"
#include "editor/EditorView.h"
#include "editor/GridEditor.h"
#include "editor/LadderStructure.h"
#include "editor/UnDoList.h"
#include "model/ElementCatalogue.h"
#include "platform/Ui.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr int EndColumn = 4; // END1 and END2 always stand here

} // namespace

void LadderEditor::PlaceFunction(int code) {
    const int kind = (code >> 8) & 0xFF;
    const FunctionInfo* info = FindFunction(kind);
    // Data tables are made by a COD box's size, never placed.
    if (!info || kind == Kind::CODT || !HasCursor()) {
        return;
    }
    LadderProgram& program = Program();
    const RowSpan span = SelectedRows();
    const int t = span.first;
    if (SplitsBlock(program, t) || !RowsFit(info->height)) {
        return;
    }
    int s = std::clamp(doc.selection.anchor.column, 0, ColumnsPerRow - 1);
    MarkSelection(false);
    program.InsertRows(t, info->height, doc.UserInterface());
    undo.RecordInsertedRows(span.position.column, t, info->height);

    const ElementCode head = CellCode(kind, 0, 0);
    if (kind == Kind::END1 || kind == Kind::END2) {
        s = EndColumn;
    } else {
        // Column 7 stays free for the output; a box that takes conditions leaves room for one.
        if (s + info->width > CoilColumn) {
            s = CoilColumn - info->width;
        }
        if (LadderCompiler::NeedsCondition(head) && s < 1) {
            s = 1;
        }
    }
    for (int i = 0; i < info->height; ++i) {
        LadderRow& row = program.Row(t + i);
        for (int j = 0; j < info->width; ++j) {
            row[s + j].code = CellCode(kind, i, j);
        }
        if (i < info->inputRows) {
            for (int col = 0; col < s; ++col) {
                row[col].code = Element::Line;
            }
        }
    }
    LadderRow& top = program.Row(t);
    for (int col = s + info->width; col < ColumnsPerRow; ++col) {
        top[col].code = Element::Line;
    }
    top[s].SetOperand(info->mnemonic);
    RecountTables(program);
    Modified();
    grid.RequestWholeView();
}

void LadderEditor::PlaceFunctionFromPicker() {
    FuncData picked;
    if (!doc.UserInterface().FuncDialog(picked)) {
        return;
    }
    if (KindOf(picked.resultCode) == Kind::CODT) {
        doc.UserInterface().MessageBox("功能指令输入错误!");
        return;
    }
    PlaceFunction(picked.resultCode);
}

int LadderEditor::DeleteFunctionBox(int column, int row, bool commit) {
    LadderProgram& program = Program();
    int top = row;
    const int rows = BlockRows(program, column, row, top);
    if (commit && rows > 0) {
        MarkSelection(false);
        undo.RecordDeletedRows(column, top, rows);
        program.DeleteRows(top, rows);
        AfterRowChange();
        grid.RequestWholeView();
        Modified();
    }
    return rows;
}

} // namespace velmora
