#include "model/LadderProgram.h"
#include "support/FakeUi.h"

#include <gtest/gtest.h>

#include <memory>

namespace velmora {
namespace {

using testing::FakeUi;

std::unique_ptr<LadderProgram> ProgramOf(std::initializer_list<const char*> comments) {
    auto p = std::make_unique<LadderProgram>();
    FakeUi ui;
    p->InsertRows(0, static_cast<int>(comments.size()), ui);
    int r = 0;
    for (const char* c : comments) {
        p->SetComment(r, c);
        p->Row(r)[0].SetOperand(c);
        ++r;
    }
    return p;
}

TEST(LadderProgram, InsertRowsStopsOneShortOfTheCapacity) {
    struct Case {
        int rowsBefore;
        int n;
        bool accepted;
    };
    for (const Case c : {Case{2598, 1, true}, Case{2599, 1, false}, Case{2600, 0, false},
                         Case{0, 2599, true}, Case{0, 2600, false}}) {
        auto p = std::make_unique<LadderProgram>();
        p->rowCount = static_cast<std::int16_t>(c.rowsBefore);
        FakeUi ui;
        EXPECT_EQ(p->InsertRows(p->rowCount, c.n, ui), c.accepted) << c.rowsBefore << "+" << c.n;
        EXPECT_EQ(p->rowCount, c.accepted ? c.rowsBefore + c.n : c.rowsBefore);
        EXPECT_EQ(ui.calls.size(), c.accepted ? 0u : 1u);
        if (!c.accepted) {
            EXPECT_EQ(ui.calls[0], "MessageBox: 行数超出范围!");
        }
    }
}

TEST(LadderProgram, InsertRowsOpensAGapWithEmptyComments) {
    auto p = ProgramOf({"a", "b", "c"});
    FakeUi ui;
    ASSERT_TRUE(p->InsertRows(1, 2, ui));
    ASSERT_EQ(p->rowCount, 5);
    const char* expected[] = {"a", "", "", "b", "c"};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(p->CommentText(r), expected[r]) << r;
        EXPECT_EQ(p->Row(r)[0].OperandText(), expected[r]) << r;
    }
    EXPECT_EQ(p->Row(1), LadderRow{});
}

TEST(LadderProgram, DeleteRowsClosesTheGapAndLeavesTheFreedCommentField) {
    auto p = ProgramOf({"a", "b", "c"});
    p->DeleteRows(0, 1);
    ASSERT_EQ(p->rowCount, 2);
    EXPECT_EQ(p->CommentText(0), "b");
    EXPECT_EQ(p->CommentText(1), "c");
    EXPECT_EQ(p->CommentText(2), "c");
    EXPECT_EQ(p->Row(0)[0].OperandText(), "b");

    p->DeleteRows(0, 0);
    EXPECT_EQ(p->rowCount, 2);
}

TEST(LadderProgram, ClearKeepsCommentsUntilRowsAreCreatedOverThem) {
    auto p = ProgramOf({"a", "b", "c"});
    p->Clear();
    EXPECT_EQ(p->rowCount, 0);
    EXPECT_EQ(p->CommentText(1), "b");
    FakeUi ui;
    p->InsertRows(0, 1, ui);
    EXPECT_EQ(p->CommentText(0), "");
    EXPECT_EQ(p->CommentText(1), "b");
}

TEST(LadderCell, FreshCellHasTheEmptyValues) {
    LadderCell cell;
    cell.code = 0x300;
    cell.SetOperand("X000.1");
    cell.Initialise();
    EXPECT_EQ(cell.code, 0);
    EXPECT_EQ(cell.verticalLine, 0u);
    EXPECT_EQ(cell.number, -1);
    EXPECT_EQ(cell.operand, (std::array<char, 7>{}));
    EXPECT_EQ(cell.selected, 0);
    EXPECT_EQ(cell.tableRows, 0);
}

} // namespace
} // namespace velmora
