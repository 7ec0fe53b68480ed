#include "DocFixture.h"

#include "document/LadderFile.h"
#include "model/ElementCatalogue.h"
#include "platform/Gbk.h"

#include <sys/stat.h>

namespace velmora {
namespace {

using testing::ConvertibleLadder;
using testing::DocTest;
using testing::FileBytes;
using testing::Ladder;
using testing::PutFile;

// The writer's lines of a save, with the trailing comment records or without them.
const std::string SavedWithComments =
    "正在保存文件......\r\n文件保存完成.\r\n正在保存注释......\r\n保存注释完成\r\n";
const std::string SavedWithoutComments = "正在保存文件......\r\n文件保存完成.\r\n";

TEST_F(DocTest, ANewDocumentStartsEmptyAndItsCompilerReadsItsLadder) {
    EXPECT_EQ(doc->converted, 0);
    EXPECT_EQ(doc->lookupByText, 0);
    EXPECT_EQ(doc->info, LadderInfo{});
    EXPECT_EQ(doc->program.rowCount, 0);
    EXPECT_EQ(doc->oldProgram.rowCount, 0);
    EXPECT_EQ(doc->selection.anchor, (GridPoint{0, 0}));
    EXPECT_EQ(doc->selection.cursor, (GridPoint{-1, -1}));
    EXPECT_EQ(doc->compiler.program, &doc->program);
    EXPECT_EQ(doc->PathName(), "");
    EXPECT_FALSE(doc->IsModified());

    ASSERT_TRUE(doc->OnNewDocument());
    ASSERT_EQ(doc->program.rowCount, 1);
    for (const LadderCell& cell : doc->program.Row(0).cells) {
        EXPECT_EQ(cell.code, Element::Empty);
    }
    EXPECT_EQ(doc->compiler.program, &doc->program);
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(Output(), "");
}

TEST_F(DocTest, OpeningLoadsTheLadderAndWidensSingleRowBoxes) {
    auto file = Ladder({"X000.1 [TMR 1] # ... (R0000.1)", "", "X000.2 ... (Y000.2)"});
    file->DeleteRows(1, 1); // as older files keep it
    LadderInfo info;
    OutputPanes scratch;
    PutFile(folder.File("old.plf"), WriteLadder(*file, info, scratch));

    ASSERT_TRUE(doc->OnOpenDocument(folder.File("old.plf")));
    EXPECT_EQ(doc->program.rowCount, 3);
    EXPECT_EQ(RowOffsetOf(doc->program.Row(1)[1].code), 1);
    EXPECT_EQ(doc->PathName(), folder.File("old.plf"));
    EXPECT_EQ(doc->Title(), "old.plf");
    EXPECT_FALSE(doc->IsModified()) << "widening boxes is not an edit";
    EXPECT_EQ(Output(), "正在载入文件......\r\n文件载入完成!\r\n");
}

TEST_F(DocTest, AnEmptyFileOpensAsALadderWithoutRows) {
    PutFile(folder.File("empty.plf"), "");
    ASSERT_TRUE(doc->OnOpenDocument(folder.File("empty.plf")));
    EXPECT_EQ(doc->program.rowCount, 0);
    EXPECT_EQ(doc->PathName(), folder.File("empty.plf"));
    EXPECT_EQ(Output(), "") << "nothing was loaded";
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(DocTest, AFormatErrorOpensWithoutRowsAndWithoutThePath) {
    const std::string damaged = std::string("\x28\x0A", 2) + std::string(200, '\0');
    PutFile(folder.File("damaged.plf"), damaged);
    ASSERT_TRUE(doc->OnOpenDocument(folder.File("damaged.plf")));
    EXPECT_EQ(doc->program.rowCount, 0);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"MessageBox: 无法打开梯形图文件!"}));
    EXPECT_EQ(doc->PathName(), "");
    EXPECT_EQ(doc->Title(), "damaged.plf");
    EXPECT_EQ(doc->compiler.program, &doc->program);

    // It still converts (and reports), and Save asks for a name rather than overwrite the file.
    doc->compiler.errorCount = 0;
    doc->compiler.Convert();
    EXPECT_GT(doc->compiler.errorCount, 0);
    doc->SetModifiedFlag();
    EXPECT_FALSE(doc->DoFileSave());
    EXPECT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(FileBytes(folder.File("damaged.plf")), damaged);
}

TEST_F(DocTest, SaveAsksForTheInformationConvertsAndWritesTheLadder) {
    Use(ConvertibleLadder());
    SetField(doc->info.version.data(), doc->info.version.size(), "V1");
    LadInfoData entered;
    entered.version = "V2";
    entered.machine = Utf8ToGbk("数控车床");
    entered.modifier = "lee";
    ui.ladInfo.Add(entered);

    ASSERT_TRUE(doc->DoSave(folder.File("main.plf")));
    ASSERT_EQ(ui.ladInfo.requests.size(), 1u);
    EXPECT_EQ(ui.ladInfo.requests[0].version, "V1");
    EXPECT_EQ(FieldText(doc->info.machine.data(), doc->info.machine.size()), Utf8ToGbk("数控车床"));
    EXPECT_EQ(doc->converted, 0) << "saving does not stand for the convert command";
    EXPECT_GT(doc->program.lastStep, 0) << "the conversion wrote the header words";
    EXPECT_EQ(Output(), SavedWithComments);

    OutputPanes scratch;
    LadderInfo info = doc->info;
    const std::string expected =
        WriteLadder(doc->program, info, scratch) + WriteRowCommentRecords(doc->program, scratch);
    const auto written = FileBytes(folder.File("main.plf"));
    ASSERT_TRUE(written);
    // Equal apart from the date, stamped when each was written.
    ASSERT_EQ(written->size(), expected.size());
    EXPECT_EQ(written->substr(0, 83), expected.substr(0, 83));
    EXPECT_EQ(written->substr(108), expected.substr(108));
    EXPECT_EQ(doc->PathName(), folder.File("main.plf"));
}

TEST_F(DocTest, ACancelledInformationDialogStillSavesWithTheOldTextsAndANewDate) {
    ASSERT_TRUE(doc->OnNewDocument());
    SetField(doc->info.modifier.data(), doc->info.modifier.size(), "kept");
    ASSERT_TRUE(doc->DoSave(folder.File("a.plf")));
    EXPECT_EQ(ui.calls.front(), "LadInfoDialog: ||kept -> Cancel");
    EXPECT_EQ(FieldText(doc->info.modifier.data(), doc->info.modifier.size()), "kept");
    EXPECT_NE(FieldText(doc->info.date.data(), doc->info.date.size()), "");
    const auto written = FileBytes(folder.File("a.plf"));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->substr(63, 4), "kept");
    EXPECT_EQ(written->substr(83, 25), std::string(doc->info.date.data(), 25));
}

TEST_F(DocTest, ALadderThatDoesNotConvertIsSavedAllTheSame) {
    Use(ConvertibleLadder());
    ConvertCommand();
    ASSERT_EQ(doc->converted, 1);
    doc->program.DeleteRows(2, 1); // END2 gone

    ASSERT_TRUE(doc->DoSave(folder.File("broken.plf")));
    EXPECT_TRUE(FileBytes(folder.File("broken.plf")));
    EXPECT_EQ(Output(), SavedWithComments);
    // The conversion's lines were shown before the writer cleared the pane.
    EXPECT_NE(std::find(outputHistory.begin(), outputHistory.end(),
                        "梯图第0002行  错误代号 1005 功能指令END1或END2未正确使用\r\n"
                        "梯形图转换失败!\r\n保存文件失败!\r\n"),
              outputHistory.end());
    // The code buffer holds that failed run now; the file commands refuse until F7 succeeds.
    EXPECT_EQ(doc->converted, 0);
    ui.calls.clear();
    EXPECT_FALSE(doc->OnSaveBinaryFile());
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"MessageBox: 梯形图未转换!"}));
}

TEST_F(DocTest, TrailingCommentRecordsFollowThePathBeforeTheSave) {
    struct Case {
        const char* openedFrom; // "" for a ladder never saved
        const char* savedTo;
        bool records;
    };
    const Case cases[] = {
        {"", "new.plf", true},        {"", "new.grp", true},     {"a.plf", "a.plf", true},
        {"b.grp", "b.grp", false},    {"c.GRP", "c.plf", false}, {"d.plf", "d.grp", true},
        {"e.grp.plf", "e.grp", true},
    };
    for (const Case& c : cases) {
        auto fresh = std::make_unique<CVelmoraDoc>(panes, ui);
        if (*c.openedFrom) {
            auto ladder = Ladder({"X000.0 ... (Y000.0) ; note"});
            LadderInfo info;
            OutputPanes scratch;
            PutFile(folder.File(c.openedFrom), WriteLadder(*ladder, info, scratch));
            ASSERT_TRUE(fresh->OnOpenDocument(folder.File(c.openedFrom)));
        } else {
            fresh->OnNewDocument();
            fresh->program.SetComment(0, "note");
        }
        ASSERT_TRUE(fresh->DoSave(folder.File(c.savedTo))) << c.savedTo;
        const auto written = FileBytes(folder.File(c.savedTo));
        ASSERT_TRUE(written);
        const std::size_t rows = 108 + 124u * static_cast<std::size_t>(fresh->program.rowCount);
        EXPECT_EQ(written->size() > rows, c.records) << c.openedFrom << " -> " << c.savedTo;
        EXPECT_EQ(Output(), c.records ? SavedWithComments : SavedWithoutComments) << c.savedTo;
    }
}

TEST_F(DocTest, AFailedSaveIsReportedAndLeavesWhatWasThere) {
    ASSERT_EQ(::mkdir(folder.File("sub").c_str(), 0755), 0);
    PutFile(folder.File("sub/kept.plf"), "old bytes");
    ASSERT_TRUE(doc->OnNewDocument());
    doc->SetModifiedFlag();
    // A folder in the way of the file: the write cannot replace it.
    ASSERT_FALSE(doc->DoSave(folder.File("sub")));
    EXPECT_EQ(ui.calls.back(), "MessageBox: 保存文件失败!");
    EXPECT_EQ(Output(), SavedWithComments + "保存文件失败!\r\n");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->PathName(), "");
    EXPECT_EQ(FileBytes(folder.File("sub/kept.plf")), "old bytes");
}

TEST_F(DocTest, ClosingEmptiesThePanes) {
    Use(ConvertibleLadder());
    ConvertCommand();
    panes.ShowInstructionList(doc->compiler.lines);
    panes.AppendOutputLine("Convert succeed!");
    doc->OnCloseDocument();
    EXPECT_EQ(Output(), "");
    EXPECT_FALSE(panes.InstructionList().visible);
}

} // namespace
} // namespace velmora
