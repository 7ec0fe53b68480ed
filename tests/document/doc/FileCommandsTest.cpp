#include "DocFixture.h"

#include "document/LadderFile.h"
#include "document/OldLayout.h"
#include "platform/Gbk.h"

#include <functional>

namespace velmora {
namespace {

using testing::ConvertibleLadder;
using testing::DocTest;
using testing::FileBytes;
using testing::Ladder;
using testing::PutFile;

using Command = bool (CVelmoraDoc::*)();

struct FileCommand {
    const char* name;
    Command run;
};

const FileCommand ConvertedOnly[] = {
    {"binary", &CVelmoraDoc::OnSaveBinaryFile},
    {"ladder", &CVelmoraDoc::OnSaveLadderFile},
    {"instruction list", &CVelmoraDoc::OnSaveInstructionList},
    {"old ladder", &CVelmoraDoc::OnSaveOldLadderFile},
};

TEST_F(DocTest, FileCommandsRefuseALadderNeverConvertedWithoutOpeningADialog) {
    Use(ConvertibleLadder());
    for (const FileCommand& command : ConvertedOnly) {
        ui.calls.clear();
        EXPECT_FALSE((doc.get()->*command.run)()) << command.name;
        EXPECT_EQ(ui.calls, (std::vector<std::string>{"MessageBox: 梯形图未转换!"}))
            << command.name;
    }
    EXPECT_TRUE(ui.fileRequests.empty());
    EXPECT_EQ(Output(), "");
}

TEST_F(DocTest, FileDialogsOfferTheNamesAndFiltersOfEachCommand) {
    struct Case {
        const char* name;
        Command run;
        bool save;
        const char* extension;
        const char* named;    // initial name for /lad/main.plf
        const char* untitled; // initial name for a ladder never saved
        const char* filter;
    };
    const Case cases[] = {
        {"binary", &CVelmoraDoc::OnSaveBinaryFile, true, "dat", "Ladbin.dat", "Ladbin.dat",
         "梯图二进制文件 (*.dat)|*.dat||"},
        {"ladder", &CVelmoraDoc::OnSaveLadderFile, true, "grp", "/lad/main.grp", ".grp",
         "梯形图文件 (*.grp)|*.grp||"},
        {"instruction list", &CVelmoraDoc::OnSaveInstructionList, true, "txt", "/lad/main.txt",
         ".txt", "指令表文件 (*.txt)|*.txt||"},
        {"old ladder", &CVelmoraDoc::OnSaveOldLadderFile, true, "grp", "/lad/main.grp", ".grp",
         "梯形图文件 (*.grp)|*.grp||"},
        {"export", &CVelmoraDoc::OnExportComments, true, "txt", "LadChi01.txt", "LadChi01.txt",
         "文本文件 (*.txt)|*.txt||"},
        {"import", &CVelmoraDoc::OnImportComments, false, "", "", "",
         "文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*||"},
    };
    Use(ConvertibleLadder());
    ConvertCommand();
    for (const bool named : {true, false}) {
        doc->SetPathName(named ? "/lad/main.plf" : "");
        for (const Case& c : cases) {
            ui.fileRequests.clear();
            const std::string before = Output();
            EXPECT_FALSE((doc.get()->*c.run)()) << c.name << ": cancelled";
            ASSERT_EQ(ui.fileRequests.size(), 1u) << c.name;
            const FileDialogRequest& request = ui.fileRequests[0];
            EXPECT_EQ(request.save, c.save) << c.name;
            EXPECT_EQ(request.title, c.save ? "另存为" : "打开") << c.name;
            EXPECT_EQ(request.defaultExtension, c.extension) << c.name;
            EXPECT_EQ(request.initialFileName, named ? c.named : c.untitled) << c.name;
            EXPECT_EQ(request.filter, c.filter) << c.name;
            EXPECT_TRUE(request.hideReadOnly) << c.name;
            EXPECT_TRUE(request.overwritePrompt) << c.name;
            EXPECT_EQ(Output(), before) << c.name;
        }
    }
}

TEST_F(DocTest, DerivedNamesDropFourCharactersNeverHalfOfOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"/lad/main.plf", "/lad/main.txt"},
        {"/lad/梯图.plf", "/lad/梯图.txt"},
        {"/lad/梯图一二三四", "/lad/梯图.txt"},
        {"abc", ".txt"},
    };
    for (const auto& [path, expected] : cases) {
        doc->SetPathName(path);
        EXPECT_EQ(doc->DerivedFileName(".txt"), expected) << path;
    }
}

TEST_F(DocTest, AFileThatCannotBeCreatedIsReportedAndNothingChanges) {
    Use(ConvertibleLadder());
    ConvertCommand();
    ui.ladInfo.Add(LadInfoData{"V9", "", ""});
    ui.ladInfo.Add(LadInfoData{"V9", "", ""});
    const std::string target = folder.File("no/such/folder/file");
    for (const FileCommand& command : ConvertedOnly) {
        const LadderInfo info = doc->info;
        ui.calls.clear();
        panes.ClearOutput();
        Choose(target);
        EXPECT_FALSE((doc.get()->*command.run)()) << command.name;
        EXPECT_EQ(ui.calls.back(), "MessageBox: 保存文件失败!") << command.name;
        EXPECT_TRUE(Output().ends_with("保存文件失败!\r\n")) << command.name;
        EXPECT_EQ(doc->info.date, info.date) << command.name;
    }
    EXPECT_EQ(FieldText(doc->info.version.data(), doc->info.version.size()), "V9")
        << "the information entered stays";
}

TEST_F(DocTest, TheBinaryFileHoldsTheCodeOfTheLastConversion) {
    Use(ConvertibleLadder());
    ConvertCommand();
    std::string earlier;
    doc->compiler.WriteBinaryCode(earlier);
    // Records only: the ladder has no data tables.
    EXPECT_EQ(earlier.size(), doc->compiler.recordCount * 8u);

    doc->program.Row(0)[0].operand = {'X', '0', '0', '0', '.', '5', 0};
    Choose(folder.File("Ladbin.dat"));
    ASSERT_TRUE(doc->OnSaveBinaryFile());
    EXPECT_EQ(FileBytes(folder.File("Ladbin.dat")), earlier);
    EXPECT_EQ(Output(), "正在保存文件...保存文件成功!\r\n");
}

TEST_F(DocTest, TheInstructionListIsWrittenWithoutRowNumbers) {
    Use(ConvertibleLadder());
    ConvertCommand();
    Choose(folder.File("main.txt"));
    ASSERT_TRUE(doc->OnSaveInstructionList());
    std::string expected;
    doc->compiler.WriteInstructionText(expected);
    EXPECT_EQ(FileBytes(folder.File("main.txt")), expected);
    EXPECT_TRUE(expected.starts_with("RD        X000.0    \r\nAND.NOT")) << expected;
    EXPECT_EQ(Output(), "正在保存文件......\r\n保存文件成功!\r\n");
}

TEST_F(DocTest, TheLadderFileAsksForTheInformationAndCarriesNoCommentRecords) {
    Use(ConvertibleLadder());
    ConvertCommand();
    doc->SetPathName(folder.File("main.plf"));
    ui.ladInfo.Add(LadInfoData{"V3", "M", "me"});
    Choose(folder.File("main.grp"));
    ASSERT_TRUE(doc->OnSaveLadderFile());
    EXPECT_EQ(ui.calls.front(), "LadInfoDialog: ||");
    const auto written = FileBytes(folder.File("main.grp"));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), 108u + 124u * 3);
    EXPECT_EQ(written->substr(8, 2), "V3");
    EXPECT_EQ(Output(), "正在保存文件......\r\n文件保存完成.\r\n保存文件成功!\r\n");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->PathName(), folder.File("main.plf")) << "the document keeps its name";
}

TEST_F(DocTest, TheOldLadderFileIsTheOldLayoutOfTheLadder) {
    Use(Ladder({
        "X000.1 [TMR 1] # ... (R0000.1)",
        "",
        ". . . . [END1] ...",
        ". . . . [END2] ...",
    }));
    doc->converted = 1;
    Choose(folder.File("old.grp"));
    ASSERT_TRUE(doc->OnSaveOldLadderFile());
    const auto written = FileBytes(folder.File("old.grp"));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), 108u + 124u * 3) << "the TMR box in one row";
    EXPECT_EQ(doc->program.rowCount, 4) << "the ladder itself is not changed";
    EXPECT_EQ(Output(), "正在保存文件......\r\n文件保存完成.\r\n保存文件成功!\r\n");
}

TEST_F(DocTest, ARefusedOldLadderLeavesTheChosenFileAlone) {
    Use(Ladder(
        {"X000.1 [TMRB 1 100] # # ... (R0000.1)", "", ". . . . [END1] ...", ". . . . [END2] ..."}));
    doc->converted = 1;
    PutFile(folder.File("old.grp"), "earlier export");
    Choose(folder.File("old.grp"));
    EXPECT_FALSE(doc->OnSaveOldLadderFile());
    EXPECT_EQ(ui.calls.back(), "MessageBox: 存在不支持的功能指令!");
    EXPECT_EQ(Output(), "无法输出梯形图文件!\r\n梯形图文件输出失败!\r\n");
    EXPECT_EQ(FileBytes(folder.File("old.grp")), "earlier export");
}

TEST_F(DocTest, LadderInformationIsLimitedInBytesOfItsFields) {
    // Eight Chinese characters are 16 bytes: the version field keeps seven of them.
    const std::string eight = Utf8ToGbk("梯形图版本号一二");
    std::string forty(40, 'm');
    ui.ladInfo.Add(LadInfoData{eight, forty, Utf8ToGbk("张三")});
    doc->OnEditLadderInfo();
    EXPECT_EQ(FieldText(doc->info.version.data(), doc->info.version.size()),
              Utf8ToGbk("梯形图版本号一"));
    EXPECT_EQ(FieldText(doc->info.machine.data(), doc->info.machine.size()), forty);
    EXPECT_EQ(FieldText(doc->info.modifier.data(), doc->info.modifier.size()), Utf8ToGbk("张三"));
    EXPECT_FALSE(doc->IsModified());

    // The dialog shows what the fields hold; Cancel changes nothing.
    const LadderInfo before = doc->info;
    doc->EditLadderInfo();
    ASSERT_EQ(ui.ladInfo.requests.size(), 2u);
    EXPECT_EQ(ui.ladInfo.requests[1].machine, forty);
    EXPECT_EQ(doc->info, before);
}

} // namespace
} // namespace velmora
