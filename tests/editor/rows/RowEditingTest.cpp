#include "editor/EditorFixture.h"

namespace velmora::testing {
namespace {

class RowEditing : public EditorFixture {
protected:
    // Rows "R100.0 ; c0", "R101.0 ; c1", ... and the empty last row.
    void LoadMarked(int n) {
        std::vector<std::string> rows;
        for (int r = 0; r < n; ++r) {
            rows.push_back("R" + std::to_string(100 + r) + ".0 ; c" + std::to_string(r));
        }
        rows.emplace_back();
        Load(Ladder(rows));
    }
    // The marker contact of each row ("-" for a row without one).
    std::string Markers() {
        std::string text;
        for (int r = 0; r < Program().rowCount; ++r) {
            const LadderCell& cell = Cell(0, r);
            text += (r ? " " : "") + (cell.code == Element::OpenContact
                                          ? std::string(cell.OperandText()).substr(2, 2)
                                          : std::string("-"));
        }
        return text;
    }
    void InsertRowsAt(int row, unsigned count) {
        Cursor(0, row);
        InsertLineData answer;
        answer.count = count;
        ui.insertLine.Add(answer);
        editor.OnInsertRows();
    }
    void DeleteRows(int first, int last) {
        Select({0, first}, {3, last});
        editor.OnDeleteRows();
    }
};

TEST_F(RowEditing, InsertPutsEmptyRowsBeforeTheCursorRow) {
    LoadMarked(6);
    InsertRowsAt(4, 3);
    EXPECT_EQ(Markers(), "00 01 02 03 - - - 04 05 -");
    EXPECT_EQ(Program().CommentText(7), "c4");
    EXPECT_EQ(Program().CommentText(4), "");
    EXPECT_FALSE(editor.HasCursor());
    editor.Undo();
    EXPECT_EQ(Markers(), "00 01 02 03 04 05 -");
}

TEST_F(RowEditing, InsertIsRefusedInsideABoxAndAtTheRowLimit) {
    Load({"X000.0 [TMR 0001] # ... (Y000.0)", ". # #", ""});
    InsertRowsAt(1, 1);
    EXPECT_EQ(Program().rowCount, 3);

    LoadEmpty(LadderProgram::MaxRows - 2);
    InsertRowsAt(0, 2);
    EXPECT_EQ(LastCall(), "MessageBox: 行数超出范围!");
    EXPECT_EQ(Program().rowCount, LadderProgram::MaxRows - 2);
    EXPECT_EQ(undo.Available(), 0);
    InsertRowsAt(0, 1);
    EXPECT_EQ(Program().rowCount, LadderProgram::MaxRows - 1);
}

TEST_F(RowEditing, DeleteKeepsTheLastRow) {
    const struct {
        int first;
        int last;
        const char* markers;
    } cases[] = {
        {2, 5, "00 01 06 07 08 -"},
        {7, 9, "00 01 02 03 04 05 06 -"},
        {5, 2, "00 01 06 07 08 -"},
        {9, 9, "00 01 02 03 04 05 06 07 08 -"},
    };
    for (const auto& c : cases) {
        LoadMarked(9);
        DeleteRows(c.first, c.last);
        EXPECT_EQ(Markers(), c.markers) << c.first << ".." << c.last;
    }
}

TEST_F(RowEditing, DeleteTakesWholeBoxesOnly) {
    const struct {
        int first;
        int last;
        int rowsLeft;
    } cases[] = {
        {1, 1, 5},            // the CTR's top row: all four rows go
        {3, 3, 5},            // a lower row takes the top along, and nothing below the box
        {0, 2, 4}, {5, 5, 6}, // the COD box takes its table
        {7, 7, 8},            // the table alone
    };
    for (const auto& c : cases) {
        Load({"X000.0 ... (Y000.0)", "X000.1 [CTR 0001] # ... (Y000.1)", ". # #", ". # #", ". # #",
              "X000.2 [COD 0001 0008 R001 R002] # # # # (Y000.2)", ". # # # # #",
              "CODT 1 2 3 4 5 6 7 8", ""});
        DeleteRows(c.first, c.last);
        EXPECT_EQ(Program().rowCount, c.rowsLeft) << c.first;
    }
}

TEST_F(RowEditing, DeletedRowsComeBackHighlightedWithTheirComments) {
    LoadMarked(9);
    DeleteRows(3, 5);
    editor.Undo();
    EXPECT_EQ(Markers(), "00 01 02 03 04 05 06 07 08 -");
    EXPECT_EQ(Program().CommentText(4), "c4");
    EXPECT_EQ(Selection().anchor.row, 3);
    EXPECT_EQ(Selection().cursor.row, 6);
    for (int r = 3; r <= 5; ++r) {
        EXPECT_TRUE(Cell(7, r).selected) << r;
    }
    EXPECT_FALSE(Cell(7, 6).selected);
}

TEST_F(RowEditing, ALadderNeverLosesItsLastRow) {
    Load({"X000.0 [TMR 0001] # ... (Y000.0)", ". # #"});
    DeleteRows(0, 0);
    EXPECT_EQ(Rows(), std::vector<std::string>{". . . . . . . ."});
}

TEST_F(RowEditing, CopiedCellIsPastedAsItWas) {
    Load({"X001.2 . . (Y000.0)", ". . . .", ""});
    Cursor(0, 0);
    editor.CopySelection();
    Cursor(2, 1);
    editor.PasteClipboard();
    EXPECT_EQ(RowText(1), ". . X001.2 . . . . .");
    EXPECT_EQ(Cell(2, 1).number, 1);

    Cursor(3, 0);
    editor.CopySelection();
    Cursor(2, 1);
    editor.PasteClipboard();
    EXPECT_EQ(RowText(1), ". . X001.2 . . . . .") << "a coil only goes to the last column";
    Select({0, 1}, {7, 1});
    editor.PasteClipboard();
    EXPECT_EQ(LastCall(), "MessageBox: 不能执行此操作!");
}

TEST_F(RowEditing, BoxCellsAreNotCopied) {
    Load({"X000.0 [TMR 0001] # ... (Y000.0)", ". # #", "", ""});
    Cursor(0, 0);
    editor.CopySelection();
    Cursor(1, 0);
    editor.CopySelection();
    EXPECT_TRUE(clipboard.Empty());
    Cursor(0, 2);
    editor.PasteClipboard();
    EXPECT_EQ(RowText(2), ". . . . . . . .");
    editor.CutSelection();
    EXPECT_EQ(Program().rowCount, 4) << "cutting nothing deletes nothing";
}

TEST_F(RowEditing, CellPasteKeepsTheBoxRules) {
    Load({". [TMR 0001] # . . . .", ". # #", "X000.1 . (Y000.2)", ""});
    const struct {
        GridPoint from;
        GridPoint to;
        bool pasted;
    } cases[] = {
        {{0, 2}, {0, 0}, true},  {{0, 2}, {3, 0}, false}, {{0, 2}, {0, 1}, false},
        {{0, 2}, {2, 0}, false}, {{2, 2}, {7, 0}, true},
    };
    for (const auto& c : cases) {
        Load({". [TMR 0001] # . . . . .", ". # #", "X000.1 . (Y000.2)", ""});
        Cursor(c.from.column, c.from.row);
        editor.CopySelection();
        const std::vector<std::string> before = Rows();
        Cursor(c.to.column, c.to.row);
        editor.PasteClipboard();
        EXPECT_EQ(Rows() != before, c.pasted) << c.to.column << "," << c.to.row;
    }
}

TEST_F(RowEditing, CopiedRowsArePastedBeforeTheCursorRow) {
    LoadMarked(10);
    Select({2, 3}, {5, 4});
    editor.CopySelection();
    Cursor(4, 8);
    editor.PasteClipboard();
    EXPECT_EQ(Markers(), "00 01 02 03 04 05 06 07 03 04 08 09 -");
    EXPECT_EQ(Program().CommentText(9), "c4");
    EXPECT_FALSE(Cell(0, 8).selected);
    editor.Undo();
    EXPECT_EQ(Markers(), "00 01 02 03 04 05 06 07 08 09 -");
}

TEST_F(RowEditing, PastedRowsReplaceASelectedRange) {
    LoadMarked(10);
    Select({0, 0}, {0, 2});
    editor.CopySelection();
    Select({0, 5}, {7, 6});
    editor.PasteClipboard();
    EXPECT_EQ(Markers(), "00 01 02 03 04 00 01 02 07 08 09 -");
    editor.Undo();
    EXPECT_EQ(Markers(), "00 01 02 03 04 05 06 07 08 09 -");
    EXPECT_EQ(Program().CommentText(5), "c5");
}

TEST_F(RowEditing, RowsAreNotPastedIntoBoxes) {
    Load({"X000.0", "X000.1 [TMR 0001] # ... (Y000.0)", ". # #", "X000.2", ""});
    Select({0, 3}, {1, 3});
    editor.CopySelection();
    const std::vector<std::string> before = Rows();
    Cursor(0, 2);
    editor.PasteClipboard();
    Select({0, 0}, {0, 1});
    editor.PasteClipboard();
    EXPECT_EQ(Rows(), before);
}

TEST_F(RowEditing, PasteOverARangeAtTheRowLimitChangesNothing) {
    LoadEmpty(LadderProgram::MaxRows - 3);
    Select({0, 0}, {0, 4});
    editor.CopySelection();
    Select({0, 10}, {0, 11});
    editor.PasteClipboard();
    EXPECT_EQ(LastCall(), "MessageBox: 行数超出范围!");
    EXPECT_EQ(Program().rowCount, LadderProgram::MaxRows - 3);
    EXPECT_EQ(undo.Available(), 0);
}

TEST_F(RowEditing, CutOfAContactLeavesItsTextInTheEmptiedCell) {
    Load({"X000.1 X000.2", ""});
    Cursor(1, 0);
    editor.CutSelection();
    EXPECT_EQ(Cell(1, 0).code, Element::Empty);
    EXPECT_EQ(Text(1, 0), "X000.2");
    EXPECT_EQ(clipboard.rowCount, 0);
    EXPECT_EQ(clipboard.cells.front().code, Element::OpenContact);
}

TEST_F(RowEditing, RangeCutCopiesExactlyTheRowsItDeletes) {
    Load({"X000.0", "X000.1", "X000.2 [TMR 0001] # ... (Y000.0)", ". # #", "X000.3", ""});
    Select({0, 1}, {0, 2});
    editor.CutSelection();
    EXPECT_EQ(clipboard.rowCount, 3);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"X000.0 . . . . . . .", "X000.3 . . . . . . .",
                                                ". . . . . . . ."}));
    Cursor(0, 1);
    editor.PasteClipboard();
    EXPECT_EQ(RowText(3), ". 1910 1911 . . . . .");
}

TEST_F(RowEditing, ClipboardIsSharedByAllLadders) {
    LoadMarked(3);
    Select({0, 0}, {0, 1});
    editor.CopySelection();

    CVelmoraDoc other(panes, ui);
    other.program.InsertRows(0, 1, ui);
    UnDoList otherUndo;
    GridEditor otherGrid(other);
    LadderEditor otherEditor(EditTarget{other, otherUndo, {}}, clipboard, otherGrid, view);
    other.selection.anchor = other.selection.cursor = {0, 0};
    otherEditor.PasteClipboard();
    ASSERT_EQ(other.program.rowCount, 3);
    EXPECT_EQ(other.program.Row(1)[0].OperandText(), "R101.0");
    EXPECT_EQ(other.program.CommentText(1), "c1");
}

TEST_F(RowEditing, SelectRowsClampsToTheLadder) {
    LoadMarked(49);
    SelMulRowData answer;
    answer.startRow = 0;
    answer.endRow = 1000;
    ui.selMulRow.Add(answer);
    Cursor(3, 4);
    editor.SelectRows();
    EXPECT_EQ(ui.selMulRow.requests.back().startRow, 5);
    EXPECT_EQ(Selection().anchor, (GridPoint{0, 0}));
    EXPECT_EQ(Selection().cursor, (GridPoint{7, 48}));
    EXPECT_TRUE(Cell(5, 30).selected);

    answer.startRow = 40;
    answer.endRow = 2;
    ui.selMulRow.Add(answer);
    editor.SelectRows();
    EXPECT_EQ(Selection().anchor, (GridPoint{0, 39}));
    EXPECT_EQ(Selection().cursor, (GridPoint{7, 39}));
    EXPECT_EQ(view.scroll.y, -40 * 39 + 280);
}

TEST_F(RowEditing, OneRowLadderSurvivesSelectRowsAndPlacement) {
    LoadEmpty(1);
    SelMulRowData answer;
    ui.selMulRow.Add(answer);
    editor.SelectRows();
    editor.PlaceElement(Element::OpenContact);
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(Program().rowCount, 1);
}

} // namespace
} // namespace velmora::testing
