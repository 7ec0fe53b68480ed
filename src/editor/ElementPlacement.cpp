#include "editor/LadderEditor.h"

#include "compiler/LadderCompiler.h"
#include "document/CVelmoraDoc.h"
#include "editor/EditorView.h"
#include "editor/FunctionParameters.h"
#include "editor/GridEditor.h"
#include "editor/LadderStructure.h"
#include "editor/OperandAddress.h"
#include "editor/UnDoList.h"
#include "model/ElementCatalogue.h"
#include "platform/Gbk.h"
#include "platform/OutputPanes.h"
#include "platform/Ui.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::size_t MaxOperandLength = 6;

bool IsCoil(int kind) { return kind == Element::Coil || kind == Element::InvertedCoil; }
bool IsContact(int kind) { return kind == Element::OpenContact || kind == Element::ClosedContact; }

// The box a row holds, as the placement rules see it.
struct RowBox {
    int column = -1; // -1: the row holds no box
    ElementCode code = 0;
    int width = 1;
    int height = 1;
    int inputs = 1;
    int rowOffset = 0;
    bool table = false;
};

RowBox BoxOfRow(const LadderRow& row) {
    RowBox box;
    box.column = FindFunctionColumn(row);
    if (box.column < 0) {
        return box;
    }
    box.code = row[box.column].code;
    GetBoxSize(box.code, box.width, box.height);
    GetBoxInputs(box.code, box.inputs);
    box.rowOffset = RowOffsetOf(box.code);
    box.table = KindOf(box.code) == Kind::CODT;
    return box;
}

// The first six bytes of a typed operand, without splitting a double-byte character.
std::string OperandOf(const std::string& typed) {
    return typed.substr(0, GbkCutLength(typed, MaxOperandLength));
}

} // namespace

void LadderEditor::PlaceElement(int kind) {
    if (!HasCursor()) {
        return;
    }
    Modified();
    LadderProgram& program = Program();
    int c = doc.selection.cursor.column;
    const int r = doc.selection.cursor.row;
    LadderRow& row = program.Row(r);

    // A box or table cell changes only through its own dialog, never under a contact or line.
    const ElementCode own = row[c].code;
    if (IsBoxCode(own) && kind != DeleteNode && kind != VerticalLine &&
        kind != DeleteVerticalLine && kind != own) {
        return;
    }
    const RowBox box = BoxOfRow(row);
    if (box.column >= 0) {
        const bool rightOfBox = c >= box.column + box.width;
        if (box.rowOffset >= box.inputs && !box.table) {
            return;
        }
        if (kind == VerticalLine && box.inputs > 1) {
            return;
        }
        if (rightOfBox && !IsCoil(kind) && kind != Element::Line) {
            return;
        }
        if (IsCoil(kind) && !(LadderCompiler::HasOutput(box.code) && rightOfBox)) {
            return;
        }
        if (!LadderCompiler::NeedsCondition(box.code) && c < box.column &&
            (IsContact(kind) || kind == DeleteNode)) {
            return;
        }
    }
    if (IsCoil(kind) && IsBoxCode(row[CoilColumn].code)) {
        return;
    }

    // The ladder always ends with an empty row.
    if (r == program.rowCount - 1 && program.InsertRows(program.rowCount, 1, doc.UserInterface())) {
        undo.RecordInsertedRows(c, r + 1, 1);
    }

    if (IsCoil(kind)) {
        if (box.column >= 0 && box.rowOffset >= 1) {
            return;
        }
        MarkSelection(false);
        doc.selection.cursor = doc.selection.anchor = {CoilColumn, r};
        for (int col = 0; col < CoilColumn; ++col) {
            if (row[col].code == Element::Empty) {
                undo.RecordCell(col, r);
                row[col].code = Element::Line;
            }
        }
        c = CoilColumn;
    } else if (kind == DeleteNode || kind == Element::Line) {
        if (kind == DeleteNode && box.column >= 0) {
            DeleteFunctionBox(box.column, r, true);
            return;
        }
        undo.RecordCell(c, r);
        row[c].code = static_cast<ElementCode>(kind);
        grid.InvalidateCursorCell();
        if (c < CoilColumn) {
            SelectCell({c + 1, r});
        }
        return;
    } else if (kind == VerticalLine || kind == DeleteVerticalLine) {
        undo.RecordCell(c, r);
        row[c].verticalLine = kind == VerticalLine ? 1 : 0;
        if (kind == VerticalLine && r < program.rowCount - 1) {
            SelectCell({c, r + 1});
        }
        grid.RequestWholeView();
        return;
    }

    ItemSetData& dialog = doc.itemDialog;
    dialog.elementCode = static_cast<std::uint16_t>(kind);
    dialog.address = std::string(row[c].OperandText());
    if (!doc.UserInterface().ItemSetDialog(dialog)) {
        return;
    }
    dialog.elementCode = static_cast<std::uint16_t>(kind);
    undo.RecordCell(c, r);
    OutputPanes& panes = doc.Panes();
    panes.ClearOutput();
    panes.AppendOutputLine("Checking...");
    LadderCompiler& compiler = doc.compiler;
    compiler.errorCount = 0;
    makeTable = false;
    if (kind < Element::FirstBoxCode) {
        EnterBasicOperand();
    } else {
        EnterFunctionParameter();
    }
    if (compiler.errorCount > 0) {
        undo.UndoStep();
        panes.AppendOutputLine(compiler.ReportLine());
        grid.RequestWholeView();
        return;
    }
    // A table that does not fit leaves the size as it was, so box and table still agree.
    if (makeTable && !CreateDataTable()) {
        undo.UndoStep();
        grid.RequestWholeView();
        return;
    }
    panes.AppendOutputLine("Accept!");
    program.Row(r)[c].code = static_cast<ElementCode>(kind);
    grid.RequestWholeView();
}

void LadderEditor::EditCursorCell() {
    if (!HasCursor()) {
        return;
    }
    const ElementCode code = CursorCell().code;
    if (code == Element::Empty) {
        return;
    }
    if (IsBoxCode(code) && KindOf(code) != Kind::CODT &&
        (ColumnOffsetOf(code) == 0 || RowOffsetOf(code) != 0)) {
        return;
    }
    PlaceElement(code);
}

void LadderEditor::EnterBasicOperand() {
    if (!HasCursor()) {
        return;
    }
    const GridPoint cursor = doc.selection.cursor;
    LadderCompiler& compiler = doc.compiler;
    std::string text = OperandOf(doc.itemDialog.address);
    LadderCompiler::ToUpperInPlace(text);
    const int number = ParseBitAddress(text);
    if (number < 0) {
        compiler.RecordError(1, 1011, cursor.row);
        return;
    }
    if (IsCoil(doc.itemDialog.elementCode)) {
        if (!CheckOutputAddress(text)) {
            compiler.RecordError(1, 1011, cursor.row);
            return;
        }
    } else if (cursor.column == CoilColumn && !CheckOutputAddress(text)) {
        return;
    }
    LadderCell& cell = CursorCell();
    cell.SetOperand(text);
    cell.number = static_cast<std::int16_t>(number);
}

bool LadderEditor::CheckOutputAddress(std::string_view text) {
    const int r = doc.selection.cursor.row;
    LadderCompiler& compiler = doc.compiler;
    if (text.empty() || std::string_view("AYGRK").find(text[0]) == std::string_view::npos ||
        IsProtectedOutput(text)) {
        compiler.RecordError(1, 1006, r);
        return false;
    }
    const LadderProgram& program = Program();
    for (int i = 0; i < program.rowCount; ++i) {
        const LadderCell& coil = program.Row(i)[CoilColumn];
        if (i != r && IsCoil(coil.code) && coil.OperandText() == text) {
            compiler.RecordError(1, 1027, r);
            return false;
        }
    }
    return true;
}

void LadderEditor::EnterFunctionParameter() {
    if (!HasCursor()) {
        return;
    }
    const GridPoint cursor = doc.selection.cursor;
    LadderRow& row = Program().Row(cursor.row);
    LadderCell& cell = row[cursor.column];
    const bool tableCell = IsBoxCode(cell.code) && KindOf(cell.code) == Kind::CODT;
    const bool parameter = IsBoxCode(cell.code) && !tableCell && ColumnOffsetOf(cell.code) >= 1 &&
                           RowOffsetOf(cell.code) == 0;
    if (!tableCell && !parameter) {
        return;
    }
    std::string text = OperandOf(doc.itemDialog.address);
    const ParameterCheck check = CheckFunctionParameter(row, cell.code, cursor.column, text);
    LadderCompiler& compiler = doc.compiler;
    if (check.value < 0) {
        compiler.RecordError(1, 1013 + check.value, cursor.row);
        return;
    }
    if (IsNumberedParameter(cell.code) &&
        compiler.RegisterNumber(cell, check.value, cursor.row, false)) {
        return;
    }
    cell.SetOperand(text);
    cell.number = static_cast<std::int16_t>(check.value);
    if (check.clearColumn >= 0) {
        row[check.clearColumn].SetOperand({});
    }
    if (check.tableRows > 0) {
        makeTable = true;
        tableRows = check.tableRows;
    }
}

bool LadderEditor::CreateDataTable() {
    if (!HasCursor() || tableRows <= 0 || KindOf(CursorCell().code) != Kind::COD) {
        return false;
    }
    LadderProgram& program = Program();
    const int r = doc.selection.cursor.row;
    int width = 0;
    int height = 2;
    GetBoxSize(CursorCell().code, width, height);
    const int first = std::min(r + std::max(height, 1), static_cast<int>(program.rowCount));
    int existing = 0;
    while (first + existing < program.rowCount &&
           KindOf(program.Row(first + existing)[0].code) == Kind::CODT) {
        ++existing;
    }
    // Re-confirming the size keeps the values already entered.
    if (existing == tableRows) {
        return true;
    }
    if (tableRows - existing >= LadderProgram::MaxRows - program.rowCount) {
        doc.UserInterface().MessageBox("行数超出范围!");
        return false;
    }
    MarkSelection(false);
    program.DeleteRows(first, existing);
    program.InsertRows(first, tableRows, doc.UserInterface());
    for (int b = 0; b < tableRows; ++b) {
        LadderRow& row = program.Row(first + b);
        for (int j = 0; j < ColumnsPerRow; ++j) {
            row[j].code = CellCode(Kind::CODT, b, j);
            row[j].tableRows = tableRows;
        }
    }
    RecountTables(program);
    Modified();
    return true;
}

} // namespace velmora
