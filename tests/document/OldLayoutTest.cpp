#include "DocumentParts.h"

#include "document/OldLayout.h"
#include "model/ElementCatalogue.h"
#include "support/LadderPicture.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::DocumentParts;
using testing::Ladder;

std::unique_ptr<DocumentParts> With(std::unique_ptr<LadderProgram> program) {
    auto doc = DocumentParts::Make();
    doc->program = *program;
    return doc;
}

bool Convert(DocumentParts& doc) {
    return ConvertToOldLayout(doc.program, doc.oldProgram, doc.panes, doc.ui);
}

// The old copy's rows, each as the row of program it came from.
void ExpectRowsFrom(const DocumentParts& doc, std::initializer_list<int> sourceRows) {
    ASSERT_EQ(doc.oldProgram.rowCount, static_cast<int>(sourceRows.size()));
    int r = 0;
    for (int source : sourceRows) {
        EXPECT_EQ(doc.oldProgram.Row(r), doc.program.Row(source)) << "old row " << r;
        EXPECT_EQ(doc.oldProgram.CommentText(r), doc.program.CommentText(source)) << r;
        ++r;
    }
}

TEST(ConvertToOldLayout, SingleRowBoxesLoseTheirLowerRow) {
    auto doc = With(Ladder({
        "X000.0 ... (Y000.0) ; r0",
        "",
        "",
        "X000.1 [TMR 1] # ... (R0000.1) ; tmr",
        " ; tmr lower",
        "X000.2 ... (Y000.2) ; r5",
        "X000.3 [ADD 1 R0010 R0011 R0012] # # # # (R0001.0) ; add",
        " ; add lower",
        "X000.4 ... (Y000.4) ; r8",
    }));
    const auto before = std::make_unique<LadderProgram>(doc->program);
    ASSERT_TRUE(Convert(*doc));
    ExpectRowsFrom(*doc, {0, 1, 2, 3, 5, 6, 7, 8});
    EXPECT_TRUE(doc->ui.calls.empty());
    EXPECT_EQ(doc->Output(), "");
    // The edited ladder is not touched.
    EXPECT_EQ(doc->program.rowCount, before->rowCount);
    for (int r = 0; r < before->rowCount; ++r) {
        EXPECT_EQ(doc->program.Row(r), before->Row(r));
    }
}

TEST(ConvertToOldLayout, BoxesInDirectSuccession) {
    auto doc = With(Ladder({
        "X000.0 ... (Y000.0)",
        "",
        "X000.1 [COMP 1 R0010 R0011] # # # ... (R0000.1)",
        "",
        "X000.2 [MOVN 2 R0012 R0013] # # # ... (R0000.2)",
        "",
        "X000.3 [COM] ... (R0000.3)",
        "[COME] ... (R0000.4)",
        "CODT 1 2 3 4 5 6 7 8",
        "CODT 1 2 3 4 5 6 7 8",
    }));
    ASSERT_TRUE(Convert(*doc));
    ExpectRowsFrom(*doc, {0, 1, 2, 4, 6, 7, 8, 9});
}

TEST(ConvertToOldLayout, RefusesInstructionsTheOldLayoutLacks) {
    const std::unique_ptr<LadderProgram> ladders[] = {
        // CALLU right below a COMP box's removed lower row is still examined.
        Ladder({"X000.1 [COMP 1 R0010 R0011] # # # ... (R0000.1)", "", "X000.0 [CALLU 5]"}),
        Ladder({"X000.0 ... (Y000.0)", "", "X000.1 [TMRB 1 2] # # ... (R0000.1)", ""}),
        Ladder({"X000.1 [TMRC 1 2] # # ... (R0000.1)", ""}),
        Ladder({"X000.1 [MOVB R0010 R0011] # # ... (R0000.1)", ""}),
        Ladder({"X000.1 [MOVW R0010 R0011] # # ... (R0000.1)", ""}),
    };
    for (const auto& ladder : ladders) {
        auto doc = With(std::make_unique<LadderProgram>(*ladder));
        EXPECT_FALSE(Convert(*doc));
        EXPECT_EQ(doc->ui.calls, std::vector<std::string>{"MessageBox: 存在不支持的功能指令!"});
        EXPECT_EQ(doc->Output(), "无法输出梯形图文件!\r\n");
    }
}

TEST(ConvertToOldLayout, End1RowFollowsTheRowsThatMovedUp) {
    auto doc = With(Ladder({
        "X000.0 [TMR 1] # ... (R0000.1)",
        "",
        "X000.1 [COMP 1 R0010 R0011] # # # ... (R0000.2)",
        "",
        "-- -- -- -- [END1]",
        "X000.2 [NOT 1 R0012 R0013] # # # ... (R0000.3)",
        "",
        "-- -- -- -- [END2]",
    }));
    doc->program.end1Row = 5;
    doc->program.lastStep = 40;
    doc->program.level1End = 12;
    ASSERT_TRUE(Convert(*doc));
    EXPECT_EQ(doc->oldProgram.rowCount, 5);
    EXPECT_EQ(KindOf(doc->oldProgram.Row(doc->oldProgram.end1Row - 1)[4].code), Kind::END1);
    EXPECT_EQ(doc->oldProgram.end1Row, 3);
    EXPECT_EQ(doc->oldProgram.lastStep, 40);
    EXPECT_EQ(doc->oldProgram.level1End, 12);
    EXPECT_EQ(doc->program.end1Row, 5);
}

TEST(WriteOldLadder, IsTheLadderFileOfTheCopyWithoutCommentRecords) {
    auto doc = With(Ladder({
        "X000.0 ... (Y000.0) ; first",
        "X000.1 [TMR 1] # ... (R0000.1) ; timer",
        "",
        "-- -- -- -- [END1]",
    }));
    ASSERT_TRUE(Convert(*doc));
    const std::string bytes =
        WriteOldLadder(doc->oldProgram, doc->info, doc->panes, testing::SaveTime);
    EXPECT_EQ(bytes, WriteLadder(doc->oldProgram, doc->info, doc->panes, testing::SaveTime));
    EXPECT_EQ(bytes.size(), LadderFileLayout::HeaderSize + 3 * LadderFileLayout::RowRecordSize);
    EXPECT_EQ(FieldText(doc->info.date.data(), 25), testing::SaveDate);
    EXPECT_EQ(doc->Output(), "正在保存文件......\r\n文件保存完成.\r\n");

    // A second export gives the same file.
    ASSERT_TRUE(Convert(*doc));
    EXPECT_EQ(WriteOldLadder(doc->oldProgram, doc->info, doc->panes, testing::SaveTime), bytes);
}

TEST(WriteOldLadder, LoadingTheOldFileRestoresTheLadder) {
    auto doc = With(Ladder({
        "X000.0 ... (Y000.0) ; first",
        "X000.1 [COMP 1 R0010 R0011] # # # ... (R0000.1)",
        "",
        "X000.2 [EOR 1 R0010 R0011 R0012] # # # # (R0000.2) ; eor",
        "",
        "X000.3 [ADD 1 R0010 R0011 R0012] # # # # (R0000.3)",
        "",
        "CODT 1 2 3 4 5 6 7 8",
        "X000.4 [TMR 7] # ... (R0000.4)",
        "",
    }));
    ASSERT_TRUE(Convert(*doc));
    const std::string old = WriteOldLadder(doc->oldProgram, doc->info, doc->panes);
    auto back = DocumentParts::Make();
    ASSERT_TRUE(back->Read(old, "old.grp"));
    ExpandBoxes(back->program, back->ui);
    // Compared as saved, since saving stores the value of an A-like name text (ADD) as the
    // name cell's number.
    const std::size_t header = LadderFileLayout::HeaderSize;
    EXPECT_EQ(back->Write().substr(header), doc->Write().substr(header));
}

} // namespace
} // namespace velmora
