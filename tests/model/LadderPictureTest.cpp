// The picture notation that compiler and editor tests are written in.
#include "support/LadderPicture.h"
#include "model/ElementCatalogue.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::Ladder;

TEST(LadderPicture, ContactsLinesAndCoilsFillColumnsFromTheLeft) {
    const auto p = Ladder({"X000.0 /X000.1 -- . --+ ... (Y012.3)", //
                           ".+ ... (/R010.7) ; start"});
    ASSERT_EQ(p->rowCount, 2);
    const LadderRow& r0 = p->Row(0);
    EXPECT_EQ(r0[0].code, Element::OpenContact);
    EXPECT_EQ(r0[0].OperandText(), "X000.0");
    EXPECT_EQ(r0[0].number, 0);
    EXPECT_EQ(r0[1].code, Element::ClosedContact);
    EXPECT_EQ(r0[1].OperandText(), "X000.1");
    EXPECT_EQ(r0[2].code, Element::Line);
    EXPECT_EQ(r0[3], LadderCell{});
    EXPECT_EQ(r0[4].code, Element::Line);
    EXPECT_EQ(r0[4].verticalLine, 1u);
    EXPECT_EQ(r0[5].code, Element::Line);
    EXPECT_EQ(r0[6].code, Element::Line);
    EXPECT_EQ(r0[CoilColumn].code, Element::Coil);
    EXPECT_EQ(r0[CoilColumn].OperandText(), "Y012.3");
    EXPECT_EQ(r0[CoilColumn].number, 12);
    EXPECT_EQ(p->CommentText(0), "");

    const LadderRow& r1 = p->Row(1);
    EXPECT_EQ(r1[0].code, Element::Empty);
    EXPECT_EQ(r1[0].verticalLine, 1u);
    for (int c = 1; c < CoilColumn; ++c) {
        EXPECT_EQ(r1[c].code, Element::Line) << c;
    }
    EXPECT_EQ(r1[CoilColumn].code, Element::InvertedCoil);
    EXPECT_EQ(r1[CoilColumn].OperandText(), "R010.7");
    EXPECT_EQ(p->CommentText(1), "start");
}

TEST(LadderPicture, ShortRowsLeaveTheRemainingCellsEmpty) {
    const auto p = Ladder({"X000.0", ""});
    EXPECT_EQ(p->Row(0)[1], LadderCell{});
    EXPECT_EQ(p->Row(0)[CoilColumn], LadderCell{});
    EXPECT_EQ(p->Row(1), LadderRow{});
}

TEST(LadderPicture, BoxesCoverTheirWholeGeometry) {
    const auto p = Ladder({"X000.0 [TMR 5] # ... (Y000.0)", //
                           ". # #",                         //
                           "X000.1 -- [SUB 2 R0010 _ R0012] # # # # (A001.2)", "# # # # # # #"});
    const LadderRow& r0 = p->Row(0);
    EXPECT_EQ(r0[1].code, 0x1900);
    EXPECT_EQ(r0[1].OperandText(), "TMR");
    EXPECT_EQ(r0[2].code, 0x1901);
    EXPECT_EQ(r0[2].OperandText(), "5");
    EXPECT_EQ(r0[2].number, 5);
    EXPECT_EQ(r0[3].code, Element::Line);
    EXPECT_EQ(p->Row(1)[1].code, 0x1910);
    EXPECT_EQ(p->Row(1)[2].code, 0x1911);
    EXPECT_EQ(p->Row(1)[0].code, Element::Empty);

    const LadderRow& r2 = p->Row(2);
    EXPECT_EQ(r2[2].code, 0x2100);
    EXPECT_EQ(r2[3].code, 0x2101);
    EXPECT_EQ(r2[3].number, 2);
    EXPECT_EQ(r2[4].OperandText(), "R0010");
    EXPECT_EQ(r2[4].number, 10);
    EXPECT_EQ(r2[5].OperandText(), ""); // "_": parameter left empty
    EXPECT_EQ(r2[5].number, -1);
    EXPECT_EQ(r2[6].code, 0x2104);
    EXPECT_EQ(r2[CoilColumn].code, Element::Coil);
    EXPECT_EQ(p->Row(3)[6].code, 0x2114);
    EXPECT_EQ(p->Row(3)[1].code, Element::Empty);
}

TEST(LadderPicture, ConsecutiveDataTableRowsFormOneBlock) {
    const auto p = Ladder({"CODT 1 2 3 4 5 6 7 8", "CODT 9", "X000.0 ... (Y000.0)", "CODT 7"});
    for (int c = 0; c < ColumnsPerRow; ++c) {
        EXPECT_EQ(p->Row(0)[c].code, CellCode(Kind::CODT, 0, c));
        EXPECT_EQ(p->Row(0)[c].number, c + 1);
        EXPECT_EQ(p->Row(0)[c].tableRows, 2);
        EXPECT_EQ(p->Row(1)[c].code, CellCode(Kind::CODT, 1, c));
        EXPECT_EQ(p->Row(1)[c].tableRows, 2);
        EXPECT_EQ(p->Row(3)[c].code, CellCode(Kind::CODT, 0, c));
        EXPECT_EQ(p->Row(3)[c].tableRows, 1);
    }
    EXPECT_EQ(p->Row(1)[0].OperandText(), "9");
    EXPECT_EQ(p->Row(1)[1].OperandText(), "");
}

TEST(LadderPicture, RowsBuiltAtRunTimeGiveTheSameLadder) {
    const std::vector<std::string_view> rows = {"X000.0 ... (Y000.0)", "-- -- -- -- [END1]"};
    EXPECT_EQ(testing::LadderFromRows(rows)->Row(1), Ladder({"-- -- -- -- [END1]"})->Row(0));
    EXPECT_EQ(testing::LadderFromRows(rows)->rowCount, 2);
}

} // namespace
} // namespace velmora
