#include "editor/EditorFixture.h"

namespace velmora::testing {
namespace {

constexpr std::string_view Accepted = "Checking...\r\nAccept!\r\n";

std::string Refused(int row, std::string_view code) {
    char line[64];
    std::snprintf(line, sizeof line, "梯图第%04d行  错误代号 ", row + 1);
    return "Checking...\r\n" + std::string(line) + std::string(code) + "\r\n";
}

class EnterFunctionParameter : public EditorFixture {
protected:
    // Enter on the cell, then the typed text.
    void Enter(int column, int row, std::string text) {
        Cursor(column, row);
        Type(std::move(text));
        editor.EditCursorCell();
    }
};

TEST_F(EnterFunctionParameter, CounterNumberStoredWithZerosAndClaimed) {
    Load({"X000.0 [CTR _] # ... (Y000.0)", "X000.1 # #", "X000.2 # #", "X000.3 # #", ""});
    Enter(2, 0, "128");
    EXPECT_EQ(Output(), Refused(0, "1012 输入符号未定义或者输入地址超出范围"));
    EXPECT_EQ(Text(2, 0), "");
    EXPECT_EQ(Cell(2, 0).number, -1);

    Enter(2, 0, "12");
    EXPECT_EQ(Output(), Accepted);
    EXPECT_EQ(Text(2, 0), "0012");
    EXPECT_EQ(Cell(2, 0).number, 12);
    EXPECT_EQ(Cell(2, 0).code, 0x1001);
    EXPECT_TRUE(doc->compiler.ctrUsed[12]);

    Enter(2, 0, "13");
    EXPECT_TRUE(doc->compiler.ctrUsed[13]);
    EXPECT_FALSE(doc->compiler.ctrUsed[12]);
}

TEST_F(EnterFunctionParameter, NumberInUseElsewhereIsRefused) {
    Load({"X000.0 [TMR 0005] # ... (Y000.0)", "X000.9 # #", "X000.1 [TMR _] # ... (Y000.1)",
          ". # #", ""});
    Enter(2, 2, "5");
    EXPECT_EQ(Output(), Refused(2, "1019 TMR地址重复"));
    EXPECT_EQ(Text(2, 2), "");
    EXPECT_TRUE(doc->compiler.tmrUsed[5]);
}

TEST_F(EnterFunctionParameter, LowerCaseAddressIsRefused) {
    Load({"X000.0 [COMP 0001 _ _] # # # (Y000.0)", ". # # # #", ""});
    Enter(4, 0, "r100");
    EXPECT_EQ(Output(), Refused(0, "1012 输入符号未定义或者输入地址超出范围"));
    Enter(4, 0, "R1");
    EXPECT_EQ(Text(4, 0), "R001");
}

TEST_F(EnterFunctionParameter, AcceptedFormatChangeEmptiesTheDependentParameter) {
    Load({"X000.0 [ADD 0002 R001 0005 R002] # # # # ...", ". # # # # #", ""});
    Enter(2, 0, "1003");
    EXPECT_EQ(Text(4, 0), "0005") << "a refused format leaves its dependent alone";
    Enter(2, 0, "1001");
    EXPECT_EQ(Output(), Accepted);
    EXPECT_EQ(Text(2, 0), "1001");
    EXPECT_EQ(Text(4, 0), "");
    Enter(4, 0, "R10");
    EXPECT_EQ(Text(4, 0), "R010");
}

TEST_F(EnterFunctionParameter, CodSizeMakesReplacesAndKeepsItsTable) {
    Load({"X000.0 [COD 0001 _ R001 R002] # # # # (Y000.0)", ". # # # # #", "X000.1 ... (Y000.1)",
          ""});
    Enter(3, 0, "20");
    EXPECT_EQ(Output(), Accepted);
    ASSERT_EQ(Program().rowCount, 7);
    for (int b = 0; b < 3; ++b) {
        for (int j = 0; j < ColumnsPerRow; ++j) {
            EXPECT_EQ(Cell(j, 2 + b).code, 0x4000 + 16 * b + j);
            EXPECT_EQ(Cell(j, 2 + b).tableRows, 3);
        }
    }
    EXPECT_EQ(RowText(5), "X000.1 -- -- -- -- -- -- (Y000.1)");

    Enter(0, 2, "7");
    EXPECT_EQ(Text(0, 2), "00007");
    Enter(3, 0, "24");
    EXPECT_EQ(Program().rowCount, 7);
    EXPECT_EQ(Text(0, 2), "00007") << "the same number of rows keeps the values";

    Enter(3, 0, "9");
    ASSERT_EQ(Program().rowCount, 6);
    EXPECT_EQ(Text(0, 2), "");
    EXPECT_EQ(Cell(7, 3).code, 0x4017);
    EXPECT_EQ(Cell(7, 3).tableRows, 2);
    EXPECT_EQ(RowText(4), "X000.1 -- -- -- -- -- -- (Y000.1)");
}

TEST_F(EnterFunctionParameter, TableThatDoesNotFitKeepsSizeAndTable) {
    auto program = Ladder({"X000.0 [COD 0001 0008 R001 R002] # # # # (Y000.0)", ". # # # # #",
                           "CODT 1 2 3 4 5 6 7 8"});
    program->InsertRows(program->rowCount, LadderProgram::MaxRows - 5, ui);
    Load(std::move(program));
    Enter(3, 0, "80");
    EXPECT_EQ(LastCall(), "MessageBox: 行数超出范围!");
    EXPECT_EQ(Text(3, 0), "0008");
    EXPECT_EQ(Cell(0, 2).code, 0x4000);
    EXPECT_EQ(Cell(0, 3).code, 0);
    EXPECT_EQ(Text(0, 2), "1");
}

TEST_F(EnterFunctionParameter, NameCellAndLowerBoxRowsAreNotEdited) {
    Load({"X000.0 [TMR _] # ... (Y000.0)", ". # #", ""});
    for (GridPoint cell : {GridPoint{1, 0}, GridPoint{1, 1}, GridPoint{2, 1}}) {
        Cursor(cell.column, cell.row);
        editor.EditCursorCell();
    }
    EXPECT_TRUE(ui.calls.empty());
}

} // namespace
} // namespace velmora::testing
