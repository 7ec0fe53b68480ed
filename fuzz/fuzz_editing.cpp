// Editing sessions driven by the input: cursor moves and selections (also outside the ladder),
// elements and boxes of every kind, typed operands and parameters, rows, the clipboard, undo,
// search and replace, and both kinds of comments. Every dialog is answered from the input too.
// After each step the model must still be well-formed; every few steps the ladder is converted.

#include "document/CVelmoraDoc.h"
#include "editor/EditorView.h"
#include "editor/FindReplace.h"
#include "editor/GridEditor.h"
#include "editor/LadderClipboard.h"
#include "editor/LadderEditor.h"
#include "editor/UnDoList.h"
#include "model/ElementCatalogue.h"
#include "platform/OutputPanes.h"
#include "platform/Ui.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

using namespace velmora;

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Next() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::int16_t Word() { return static_cast<std::int16_t>(Next() | (Next() << 8)); }
    bool Empty() const { return pos_ >= size_; }
    // A text of up to max bytes, any bytes at all.
    std::string Text(std::size_t max) {
        std::string text;
        const std::size_t n = Next() % (max + 1);
        for (std::size_t i = 0; i < n && !Empty(); ++i) {
            text.push_back(static_cast<char>(Next()));
        }
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Operands a user would type, so that the checks behind the first one are reached often.
constexpr std::array<const char*, 24> Typical = {
    "X0.0",   "X5.3", "Y1.2",   "R10.1", "R255.0", "G63.7", "F0.0", "K3.0",
    "K6.1",   "A0.0", "D100",   "D0010", "1",      "0",     "100",  "1000",
    "123456", "-1",   "X999.9", "Y-1.5", "R0",     "T10",   "C5",   "2000"};

std::string Address(Bytes& in, std::size_t max) {
    const std::uint8_t how = in.Next();
    if (how < 160) {
        return Typical[how % Typical.size()];
    }
    return in.Text(max);
}

// Answers every dialog and question from the input; an exhausted input cancels.
class ScriptedUi : public Ui {
public:
    explicit ScriptedUi(Bytes& in) : in(in) {}

    void MessageBox(const std::string&) override {}
    Answer AskYesNoCancel(const std::string&) override {
        switch (in.Next() % 3) {
        case 0:
            return Answer::Yes;
        case 1:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }
    bool ItemSetDialog(ItemSetData& data) override {
        if (Cancelled()) {
            return false;
        }
        // A real field holds AddressSize bytes; sometimes hand over more than that.
        data.address = Address(in, in.Next() < 16 ? 32 : ItemSetData::AddressSize);
        return true;
    }
    bool FuncDialog(FuncData& data) override {
        if (Cancelled()) {
            return false;
        }
        const std::uint8_t how = in.Next();
        if (how < 200) {
            const FunctionInfo& f = FunctionTable[how % FunctionCount];
            data.name = std::string(f.mnemonic);
            data.resultCode = static_cast<std::uint16_t>(f.kind << 8);
        } else {
            data.name = in.Text(8);
            data.resultCode = static_cast<std::uint16_t>(in.Word());
        }
        return true;
    }
    bool NoteDialog(NoteData& data) override {
        if (Cancelled()) {
            return false;
        }
        data.comment = in.Text(80);
        return true;
    }
    bool InsertLineDialog(InsertLineData& data) override {
        if (Cancelled()) {
            return false;
        }
        const std::uint8_t how = in.Next();
        data.count = how < 200   ? 1U + how % 8
                     : how < 240 ? static_cast<std::uint16_t>(in.Word()) % 1001U
                                 : static_cast<unsigned>(static_cast<std::uint16_t>(in.Word())) *
                                       static_cast<unsigned>(in.Next());
        return true;
    }
    bool LadInfoDialog(LadInfoData&) override { return false; }
    bool SelMulRowDialog(SelMulRowData& data) override {
        if (Cancelled()) {
            return false;
        }
        data.startRow = Row();
        data.endRow = Row();
        return true;
    }
    bool GotoLineDialog(GotoLineData& data) override {
        if (Cancelled()) {
            return false;
        }
        data.row = Row();
        return true;
    }

private:
    bool Cancelled() { return in.Empty() || in.Next() % 8 == 0; }
    int Row() {
        const std::uint8_t how = in.Next();
        return how < 200 ? how % 40 - 2 : in.Word();
    }

    Bytes& in;
};

// A window that scrolls wherever it is told.
class FollowingView : public EditorView {
public:
    LogicalPoint ScrollPosition() const override { return scroll; }
    void ScrollTo(LogicalPoint position) override { scroll = position; }
    LogicalPoint scroll{};
};

void Fail(const char* what, int row) {
    std::fprintf(stderr, "invariant broken: %s (row %d)\n", what, row);
    __builtin_trap();
}

void CheckCells(const LadderCell* cells, std::size_t n, int row) {
    for (std::size_t i = 0; i < n; ++i) {
        if (std::memchr(cells[i].operand.data(), 0, LadderCell::OperandSize) == nullptr) {
            Fail("operand without NUL", row);
        }
    }
}

void CheckInvariants(const LadderProgram& program, const LadderClipboard& clipboard) {
    if (program.rowCount < 0 || program.rowCount > LadderProgram::MaxRows) {
        Fail("row count out of range", program.rowCount);
    }
    for (int r = 0; r < program.rowCount; ++r) {
        const auto& comment = program.rowComments[static_cast<std::size_t>(r)];
        if (std::memchr(comment.data(), 0, comment.size()) == nullptr) {
            Fail("row comment without NUL", r);
        }
        CheckCells(program.Row(r).cells.data(), ColumnsPerRow, r);
    }
    for (const auto& comment : clipboard.comments) {
        if (std::memchr(comment.data(), 0, comment.size()) == nullptr) {
            Fail("clipboard comment without NUL", -1);
        }
    }
    CheckCells(clipboard.cells.data(), clipboard.cells.size(), -1);
}

GridPoint AnyCell(Bytes& in, int rowCount) {
    const std::uint8_t how = in.Next();
    if (how < 200) {
        return {how % 10 - 1, rowCount == 0 ? 0 : in.Next() % (rowCount + 2) - 1};
    }
    return {in.Word(), in.Word()};
}

LogicalPoint AnyPoint(Bytes& in) {
    const std::uint8_t how = in.Next();
    if (how < 200) {
        return {Grid::LeftRail + in.Next() * 3 - 40, Grid::Top - in.Next() * 4 + 20};
    }
    return {in.Word() * 1000, in.Word() * 1000};
}

int AnyElement(Bytes& in) {
    static constexpr std::array<int, 9> kinds = {LadderEditor::DeleteNode,
                                                 Element::Line,
                                                 Element::ClosedContact,
                                                 Element::OpenContact,
                                                 Element::Coil,
                                                 Element::InvertedCoil,
                                                 LadderEditor::VerticalLine,
                                                 LadderEditor::DeleteVerticalLine,
                                                 Element::Empty};
    const std::uint8_t how = in.Next();
    if (how < 240) {
        return kinds[how % kinds.size()];
    }
    return static_cast<std::uint16_t>(in.Word());
}

int AnyFunction(Bytes& in) {
    const std::uint8_t how = in.Next();
    if (how < 220) {
        return FunctionTable[how % FunctionCount].kind << 8;
    }
    if (how < 240) {
        return in.Next() << 8;
    }
    return static_cast<std::uint16_t>(in.Word());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    // Shared by every replace dialog of a process; each input starts a fresh process.
    ReplaceDialogLogic::findNextFailed = false;
    ReplaceDialogLogic::replaceFailed = false;
    ScriptedUi ui(in);
    OutputPanes panes;
    auto doc = std::make_unique<CVelmoraDoc>(panes, ui);
    doc->program.InsertRows(0, 1 + in.Next() % 12, ui);
    doc->compiler.PreCheck();
    UnDoList undo;
    LadderClipboard clipboard;
    GridEditor grid(*doc);
    FollowingView view;
    LadderEditor editor(EditTarget{*doc, undo, [] {}}, clipboard, grid, view);
    ReplaceDialogLogic replace;
    LadderProgram& program = doc->program;

    for (int step = 0; !in.Empty() && step < 400; ++step) {
        switch (in.Next() % 30) {
        case 0:
            editor.SelectCell(AnyCell(in, program.rowCount));
            break;
        case 1: {
            const GridPoint anchor = AnyCell(in, program.rowCount);
            const GridPoint cursor = AnyCell(in, program.rowCount);
            editor.MarkSelection(false);
            doc->selection.anchor = anchor;
            doc->selection.cursor = cursor;
            editor.MarkSelection(true);
            break;
        }
        case 2:
            grid.MoveCursor(static_cast<MoveKey>(in.Next() % 8), view.scroll);
            break;
        case 3: {
            grid.LeftButtonDown(AnyPoint(in));
            grid.DragTo(AnyPoint(in));
            grid.LeftButtonUp(AnyPoint(in));
            break;
        }
        case 4:
            grid.RightButtonDown(AnyPoint(in));
            (void)grid.DoubleClick(AnyPoint(in));
            break;
        case 5:
        case 6:
            editor.PlaceElement(AnyElement(in));
            break;
        case 7:
            editor.PlaceFunction(AnyFunction(in));
            break;
        case 8:
            editor.PlaceFunctionFromPicker();
            break;
        case 9:
            editor.EnterFunctionParameter();
            break;
        case 10:
            editor.EditCursorCell();
            break;
        case 11:
            editor.EnterBasicOperand();
            break;
        case 12: {
            const GridPoint cell = AnyCell(in, program.rowCount);
            editor.DeleteFunctionBox(cell.column, cell.row, in.Next() & 1);
            break;
        }
        case 13:
            editor.OnInsertRows();
            break;
        case 14:
            editor.OnDeleteRows();
            break;
        case 15:
            editor.CopySelection();
            break;
        case 16:
            editor.CutSelection();
            break;
        case 17:
            editor.PasteClipboard();
            break;
        case 18:
            editor.SelectRows();
            break;
        case 19:
        case 20:
            editor.Undo();
            break;
        case 21: {
            const std::string find = Address(in, 10);
            const std::string replacement = Address(in, 10);
            const std::uint8_t how = in.Next();
            editor.SearchOperand(find, how & 1, replacement, (how >> 1) % 6 - 1, how & 0x80);
            break;
        }
        case 22: {
            FindDialogData find;
            find.text = Address(in, 8);
            find.direction = in.Next() % 3;
            FindOperand(editor, find, ui);
            break;
        }
        case 23: {
            replace.findText = Address(in, 8);
            replace.replacementText = Address(in, 8);
            switch (in.Next() % 3) {
            case 0:
                replace.FindNext(editor, ui);
                break;
            case 1:
                replace.Replace(editor, ui);
                break;
            default:
                replace.ReplaceAll(editor, ui);
                break;
            }
            break;
        }
        case 24:
            editor.GoToLine();
            break;
        case 25: {
            const int row = in.Next() < 230 ? in.Next() % (program.rowCount + 2) - 1 : in.Word();
            editor.EndCommentEdit(row, in.Text(40));
            break;
        }
        case 26:
            editor.EditSymbolComment();
            break;
        case 27:
            editor.CheckOutputAddress(in.Text(10));
            break;
        case 28:
            editor.CreateDataTable();
            break;
        default:
            doc->compiler.PreCheck();
            break;
        }
        CheckInvariants(program, clipboard);
        (void)grid.TakeUpdate();
        if (step % 8 == 7) {
            doc->compiler.errorCount = 0;
            doc->compiler.Convert();
            CheckInvariants(program, clipboard);
        }
    }
    doc->compiler.errorCount = 0;
    doc->compiler.Convert();
    CheckInvariants(program, clipboard);
    return 0;
}
