#include "model/LadderProgram.h"
#include "model/EditorSelection.h"
#include "model/ElementCatalogue.h"
#include "model/LadderInfo.h"
#include "platform/Gbk.h"
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

// Files carry the bytes after an operand's NUL, so every copy of a cell or row must keep them.
TEST(LadderCell, OperandBytesAfterTheNulSurviveEveryCopy) {
    LadderCell cell;
    cell.code = Element::OpenContact;
    cell.operand = {'X', '1', '\0', 'J', 'U', 'N', 'K'};
    cell.selected = 1;
    cell.tableRows = 4;
    EXPECT_EQ(cell.OperandText(), "X1");

    auto p = std::make_unique<LadderProgram>();
    FakeUi ui;
    p->InsertRows(0, 3, ui);
    p->Row(2)[3] = cell;
    const LadderRow rowCopy = p->Row(2);
    EXPECT_EQ(rowCopy[3], cell);

    ASSERT_TRUE(p->InsertRows(0, 1, ui));
    EXPECT_EQ(p->Row(3)[3], cell);
    p->DeleteRows(0, 2);
    EXPECT_EQ(p->Row(1)[3], cell);
    EXPECT_EQ(p->Row(1)[3].operand[6], 'K');
}

TEST(LadderCell, SetOperandKeepsSixCharactersAndClearsTheRest) {
    LadderCell cell;
    cell.operand = {'a', 'b', 'c', 'd', 'e', 'f', 'g'};
    cell.SetOperand("R0010");
    EXPECT_EQ(cell.operand, (std::array<char, 7>{'R', '0', '0', '1', '0', '\0', '\0'}));
    cell.SetOperand("X000.12345");
    EXPECT_EQ(cell.OperandText(), "X000.1");
    EXPECT_EQ(cell.operand[6], '\0');
}

// A full-width field carries no NUL; reading it must stop at its width, not in the next field.
TEST(LadderInfo, FullWidthFieldsStayWithinTheirWidth) {
    LadderInfo info;
    SetField(info.machine.data(), info.machine.size(), "MACHINE");
    SetField(info.version.data(), info.version.size(), "V1.2.3-456789AB"); // 15 bytes
    EXPECT_EQ(FieldText(info.version.data(), info.version.size()), "V1.2.3-456789AB");
    EXPECT_EQ(FieldText(info.machine.data(), info.machine.size()), "MACHINE");

    SetField(info.version.data(), info.version.size(), "V1.2.3-456789ABCDEF");
    EXPECT_EQ(FieldText(info.version.data(), info.version.size()), "V1.2.3-456789AB");
    EXPECT_EQ(FieldText(info.machine.data(), info.machine.size()), "MACHINE");

    // Eight double-byte characters do not fit into 15 bytes: the cut keeps seven whole ones.
    const std::string gbk = Utf8ToGbk("梯图版本号一二三");
    ASSERT_EQ(gbk.size(), 16u);
    SetField(info.version.data(), info.version.size(), gbk);
    EXPECT_EQ(GbkToUtf8(FieldText(info.version.data(), info.version.size())), "梯图版本号一二");
    EXPECT_EQ(info.version[14], '\0');
}

TEST(LadderProgram, CommentsAreCutToTwentyBytesOnACharacterBoundary) {
    auto p = std::make_unique<LadderProgram>();
    p->SetComment(0, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(p->CommentText(0), "abcdefghijklmnopqrst");
    p->SetComment(1, Utf8ToGbk("a一二三四五六七八九十"));
    EXPECT_EQ(GbkToUtf8(p->CommentText(1)), "a一二三四五六七八九");
    EXPECT_EQ(p->rowComments[1][20], '\0');
}

TEST(EditorSelection, StartsWithoutACursorAndSpansRowsBetweenAnchorAndCursor) {
    EditorSelection s;
    EXPECT_FALSE(s.HasCursor());
    EXPECT_EQ(s.anchor, (GridPoint{0, 0}));
    s.anchor = {3, 9};
    s.cursor = {5, 4};
    EXPECT_TRUE(s.HasCursor());
    EXPECT_FALSE(s.IsSingleCell());
    EXPECT_EQ(s.FirstRow(), 4);
    EXPECT_EQ(s.LastRow(), 9);
    s.cursor = s.anchor;
    EXPECT_TRUE(s.IsSingleCell());
}

} // namespace
} // namespace velmora
