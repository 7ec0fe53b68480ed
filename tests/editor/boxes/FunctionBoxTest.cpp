#include "editor/EditorFixture.h"

namespace velmora::testing {
namespace {

class FunctionBox : public EditorFixture {
protected:
    // Rows "X000.0" ... one contact per row naming its first position, and the empty last row.
    void LoadMarked(int n) {
        std::vector<std::string> rows;
        for (int r = 0; r < n; ++r) {
            rows.push_back("R" + std::to_string(100 + r) + ".0");
        }
        rows.emplace_back();
        Load(Ladder(rows));
    }
    int BoxColumn(int row) { return FindFunctionColumn(Program().Row(row)); }
};

TEST_F(FunctionBox, CounterPlacedAtRowTenColumnThree) {
    LoadMarked(12);
    Cursor(3, 10);
    editor.PlaceFunction(0x1000);
    ASSERT_EQ(Program().rowCount, 17);
    EXPECT_EQ(RowText(10), "-- -- -- 1000:CTR 1001 -- -- --");
    EXPECT_EQ(RowText(11), "-- -- -- 1010 1011 . . .");
    EXPECT_EQ(RowText(12), "-- -- -- 1020 1021 . . .");
    EXPECT_EQ(RowText(13), "-- -- -- 1030 1031 . . .");
    EXPECT_EQ(RowText(14), "R110.0 . . . . . . .");
    EXPECT_FALSE(editor.HasCursor());
}

TEST_F(FunctionBox, ColumnOfTheBox) {
    const struct {
        int code;
        int cursorColumn;
        int boxColumn;
    } cases[] = {
        {0x2000, 6, 2},                 // ADD, five wide, ends in column 6 at the latest
        {0x2200, 0, 1},                 // XMOV takes conditions: room for one on its left
        {0x1900, 0, 1}, {0x1500, 0, 0}, // SP takes none
        {0x7100, 0, 4}, {0x7200, 7, 4}, {0x1600, 7, 6}, {0x1900, 3, 3},
    };
    for (const auto& c : cases) {
        LoadMarked(2);
        Cursor(c.cursorColumn, 1);
        editor.PlaceFunction(c.code);
        EXPECT_EQ(BoxColumn(1), c.boxColumn) << std::hex << c.code;
        EXPECT_EQ(Cell(c.boxColumn, 1).code, c.code);
    }
}

TEST_F(FunctionBox, UpwardSelectionPlacesAtItsTopAndUndoRemovesTheBox) {
    LoadMarked(10);
    Select({2, 8}, {5, 5});
    editor.PlaceFunction(0x1900);
    EXPECT_EQ(RowText(5), "-- -- 1900:TMR 1901 -- -- -- --");
    EXPECT_EQ(RowText(7), "R105.0 . . . . . . .");
    editor.Undo();
    EXPECT_EQ(Program().rowCount, 11);
    EXPECT_EQ(RowText(5), "R105.0 . . . . . . .");
    EXPECT_EQ(Selection().anchor, (GridPoint{5, 5}));
}

TEST_F(FunctionBox, NeverInsideABoxOrBetweenACodBoxAndItsTable) {
    Load({"X000.0 [TMR 0001] # ... (Y000.0)", ". # #",
          "X000.1 [COD 0001 0008 R001 R002] # # # # (Y000.1)", ". # # # # #",
          "CODT 1 2 3 4 5 6 7 8", ""});
    const std::vector<std::string> before = Rows();
    for (GridPoint cell : {GridPoint{0, 1}, GridPoint{2, 3}, GridPoint{5, 4}}) {
        Cursor(cell.column, cell.row);
        editor.PlaceFunction(0x1000);
        EXPECT_EQ(Rows(), before) << cell.row;
    }
    Cursor(0, 2);
    editor.PlaceFunction(0x1600);
    EXPECT_EQ(Program().rowCount, 7) << "above a box is fine";
}

TEST_F(FunctionBox, PickerPlacesTheChosenKindButNoDataTable) {
    LoadMarked(1);
    FuncData chosen;
    chosen.resultCode = 0x4000;
    ui.func.Add(chosen);
    Cursor(0, 0);
    editor.PlaceFunctionFromPicker();
    EXPECT_EQ(LastCall(), "MessageBox: 功能指令输入错误!");
    EXPECT_EQ(Program().rowCount, 2);

    chosen.resultCode = 0x1400;
    ui.func.Add(chosen);
    editor.PlaceFunctionFromPicker();
    EXPECT_EQ(RowText(0), "-- 1400:CALL 1401 -- -- -- -- --");
}

TEST_F(FunctionBox, RowLimitRefusesTheBoxWithoutAStep) {
    LoadEmpty(LadderProgram::MaxRows - 3);
    Cursor(0, 0);
    editor.PlaceFunction(0x1900);
    EXPECT_EQ(Program().rowCount, LadderProgram::MaxRows - 1);
    Cursor(0, 0);
    editor.PlaceFunction(0x1000);
    EXPECT_EQ(LastCall(), "MessageBox: 行数超出范围!");
    EXPECT_EQ(Program().rowCount, LadderProgram::MaxRows - 1);
    EXPECT_EQ(undo.Available(), 1);
}

TEST_F(FunctionBox, CodBoxGoesWithItsTableOnly) {
    Load({"X000.0 [COD 0001 0020 R001 R002] # # # # (Y000.0)", ". # # # # #",
          "CODT 1 2 3 4 5 6 7 8", "CODT 1 2 3 4 5 6 7 8", "CODT 1 2 3 4 5 6 7 8",
          "X000.1 [COD 0001 0008 R003 R004] # # # # (Y000.1)", ". # # # # #",
          "CODT 1 2 3 4 5 6 7 8", ""});
    EXPECT_EQ(editor.DeleteFunctionBox(1, 0, false), 5);
    EXPECT_EQ(editor.DeleteFunctionBox(1, 1, false), 5) << "from the box's lower row";
    EXPECT_EQ(editor.DeleteFunctionBox(3, 3, false), 3) << "a table alone";
    EXPECT_EQ(Program().rowCount, 9) << "without commit nothing goes";

    Program().Row(2).cells = Program().Row(5).cells; // a COD box directly below another
    Program().Row(3).cells = Program().Row(6).cells;
    EXPECT_EQ(editor.DeleteFunctionBox(1, 0, false), 2);
}

TEST_F(FunctionBox, DeletedBoxComesBackWithUndo) {
    Load({"X000.0 [COD 0001 0020 R001 R002] # # # # (Y000.0)", ". # # # # #",
          "CODT 1 2 3 4 5 6 7 8", "CODT 1 2 3 4 5 6 7 8", "CODT 1 2 3 4 5 6 7 8",
          "X000.1 ... (Y000.1)", ""});
    const std::vector<std::string> before = Rows();
    EXPECT_EQ(editor.DeleteFunctionBox(1, 0, true), 5);
    EXPECT_EQ(Rows(),
              (std::vector<std::string>{"X000.1 -- -- -- -- -- -- (Y000.1)", ". . . . . . . ."}));
    editor.Undo();
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(Cell(0, 2).tableRows, 3);
    EXPECT_EQ(Selection().anchor, (GridPoint{1, 0}));
    EXPECT_EQ(Selection().cursor, (GridPoint{1, 5}));
}

TEST_F(FunctionBox, UndoOfACodBoxTakesTheTableItGotAfterwards) {
    LoadMarked(2);
    Cursor(0, 1);
    editor.PlaceFunction(0x2600);
    Cursor(3, 1);
    Type("20");
    editor.EditCursorCell();
    ASSERT_EQ(Program().rowCount, 8);
    editor.Undo();
    EXPECT_EQ(Text(3, 1), "");
    EXPECT_EQ(Program().rowCount, 8) << "the table is not a step of its own";
    editor.Undo();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"R100.0 . . . . . . .", "R101.0 . . . . . . .",
                                                ". . . . . . . ."}));
}

TEST_F(FunctionBox, BoxInsertedAboveACodBoxLeavesItsTableOnUndo) {
    Load({"X000.1 [COD 0001 0008 R003 R004] # # # # (Y000.1)", ". # # # # #",
          "CODT 1 2 3 4 5 6 7 8", ""});
    const std::vector<std::string> before = Rows();
    Cursor(0, 0);
    editor.PlaceFunction(0x1900);
    editor.Undo();
    EXPECT_EQ(Rows(), before);
}

} // namespace
} // namespace velmora::testing
