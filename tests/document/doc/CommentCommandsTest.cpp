#include "DocFixture.h"

#include "platform/Gbk.h"

namespace velmora {
namespace {

using testing::DocTest;
using testing::FileBytes;
using testing::Ladder;
using testing::PutFile;

TEST_F(DocTest, ExportWritesTheCommentsAndReportsIt) {
    SymbolComment(*doc->symbolComments, "R511.7") = "last";
    Choose(folder.File("LadChi01.txt"));
    ASSERT_TRUE(doc->OnExportComments());
    EXPECT_EQ(FileBytes(folder.File("LadChi01.txt")), "%\r\nR5117     last\r\nend\r\n");
    EXPECT_EQ(Output(), "正在保存注释...保存完成!\r\n");
    EXPECT_EQ(doc->lookupByText, 0);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DocTest, AnExportFileThatCannotBeCreatedIsReported) {
    Choose(folder.File("missing/LadChi01.txt"));
    EXPECT_FALSE(doc->OnExportComments());
    EXPECT_EQ(ui.calls.back(), "MessageBox: 打开文件失败!");
    EXPECT_FALSE(FileBytes(folder.File("missing/LadChi01.txt")));
}

TEST_F(DocTest, ImportAddsToTheTableWithoutMarkingTheDocument) {
    PutFile(folder.File("in.txt"), "x0123 signal\r\n");
    Choose(folder.File("in.txt"));
    ASSERT_TRUE(doc->OnImportComments());
    EXPECT_EQ(SymbolComment(*doc->symbolComments, "X012.2"), "signal");
    EXPECT_EQ(Output(), "正在载入注释...载入成功!\r\n");
    EXPECT_FALSE(doc->IsModified());

    panes.ClearOutput();
    Choose(folder.File("gone.txt"));
    EXPECT_FALSE(doc->OnImportComments());
    EXPECT_EQ(ui.calls.back(), "MessageBox: 打开文件失败!");
    EXPECT_EQ(Output(), "正在载入注释...");
}

TEST_F(DocTest, ChangingTheCursorCellsCommentMarksTheDocument) {
    Use(Ladder({"X001.2 ... (Y000.0)"}));
    doc->selection.cursor = {0, 0};
    ASSERT_TRUE(doc->SetSymbolComment(Utf8ToGbk("启动")));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->SymbolComment(), Utf8ToGbk("启动"));
    doc->lookupByText = 1;
    EXPECT_EQ(doc->SymbolComment("X001.2"), Utf8ToGbk("启动"));
    doc->lookupByText = 0;

    doc->SetModifiedFlag(false);
    doc->selection.cursor = {3, 0}; // a horizontal line
    EXPECT_FALSE(doc->SetSymbolComment("x"));
    EXPECT_EQ(ui.calls.back(), "MessageBox: Error Note!");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_THROW(doc->SymbolComment(), SymbolCommentError);
}

} // namespace
} // namespace velmora
