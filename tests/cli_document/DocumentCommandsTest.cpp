#include "document/LadderFile.h"
#include "model/LadderInfo.h"
#include "platform/Gbk.h"
#include "platform/OutputPanes.h"
#include "support/LadderPicture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace velmora {
namespace {

using testing::FileBytes;
using testing::Ladder;
using testing::PutFile;
using testing::TempFolder;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

class DocumentCommands : public ::testing::Test {
protected:
    CliRun Cli(const std::vector<std::string>& arguments) {
        std::string command = Quoted(VELMORA_CLI);
        for (const std::string& argument : arguments) {
            command.append(" ").append(Quoted(argument));
        }
        command.append(" >").append(Quoted(folder.File("stdout")));
        command.append(" 2>").append(Quoted(folder.File("stderr")));
        CliRun run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = FileBytes(folder.File("stdout")).value_or("");
        run.err = FileBytes(folder.File("stderr")).value_or("");
        return run;
    }

    // A ladder file made from a picture, with the given information.
    std::string LadderFile(const std::string& name, std::unique_ptr<LadderProgram> ladder,
                           LadderInfo info = {}) {
        const std::string date(info.date.data(), info.date.size());
        OutputPanes scratch;
        std::string bytes = WriteLadder(*ladder, info, scratch);
        bytes.replace(83, 25, date); // keep the date the test gave
        PutFile(folder.File(name), bytes);
        return folder.File(name);
    }

    static std::unique_ptr<LadderProgram> Convertible() {
        return Ladder({
            "X000.1 [TMR 1] ... (R100.1) ; timer",
            "",
            ". . . . [END1] ...",
            ". . . . [END2] ...",
        });
    }

    TempFolder folder;
};

TEST_F(DocumentCommands, InfoPrintsTheInformationAndHeaderWords) {
    LadderInfo info;
    SetField(info.version.data(), info.version.size(), "V1.0");
    SetField(info.machine.data(), info.machine.size(), Utf8ToGbk("数控车床"));
    SetField(info.modifier.data(), info.modifier.size(), "lee");
    SetField(info.date.data(), info.date.size(), "2004-03-18 09:05");
    auto ladder = Convertible();
    ladder->end1Row = 3;
    ladder->lastStep = 12;
    ladder->level1End = 7;
    const CliRun run = Cli({"info", LadderFile("a.plf", std::move(ladder), info)});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "version: V1.0\nmachine: 数控车床\nmodifier: lee\ndate: 2004-03-18 09:05\n"
                       "rows: 4\nend1Row: 3\nlastStep: 12\nlevel1End: 7\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(DocumentCommands, ALadderThatCannotBeLoadedFails) {
    PutFile(folder.File("bad.plf"), std::string("\x28\x0A", 2) + std::string(200, '\0'));
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"info", folder.File("bad.plf")}, folder.File("bad.plf") + ": 无法打开梯形图文件!"},
        {{"info", folder.File("none.plf")}, folder.File("none.plf") + ": 打开文件失败!"},
        {{"save", folder.File("bad.plf"), folder.File("out.plf")}, "无法打开梯形图文件!"},
        {{"export-old", folder.File("none.plf"), folder.File("out.grp")}, "打开文件失败!"},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments[0];
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(FileBytes(folder.File("out.plf")));
    EXPECT_FALSE(FileBytes(folder.File("out.grp")));
}

TEST_F(DocumentCommands, ExportOldWritesTheOldLayout) {
    const CliRun run =
        Cli({"export-old", LadderFile("a.plf", Convertible()), folder.File("a.grp")});
    EXPECT_EQ(run.status, 0) << run.err;
    const auto written = FileBytes(folder.File("a.grp"));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), 108u + 124u * 3) << "the TMR box in one row";
}

TEST_F(DocumentCommands, ExportOldRefusesAndLeavesTheOutputAlone) {
    PutFile(folder.File("out.grp"), "earlier");
    struct Case {
        std::unique_ptr<LadderProgram> ladder;
        std::string message;
    };
    Case cases[] = {
        {Ladder({"X000.0 [TMRB 1 2 100] ... (R100.0)", "", ". . . . [END1] ...",
                 ". . . . [END2] ..."}),
         "存在不支持的功能指令!"},
        {Ladder({"X000.0 ... (Y000.0)"}), "1005 功能指令END1或END2未正确使用"},
    };
    for (Case& c : cases) {
        const CliRun run =
            Cli({"export-old", LadderFile("in.plf", std::move(c.ladder)), folder.File("out.grp")});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(folder.File("in.plf") + ": "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(FileBytes(folder.File("out.grp")), "earlier");
    }
}

TEST_F(DocumentCommands, CommentsExportReadsTheImportsInOrder) {
    // The digit after the byte counts bits from 1; the export numbers them from 0.
    PutFile(folder.File("one.txt"), "x0011 first\r\ny0001 output\r\n");
    PutFile(folder.File("two.txt"), "X0011 second\r\n");
    CliRun run = Cli({"comments", "export", "--import", folder.File("one.txt"),
                      "--import=" + folder.File("two.txt"), folder.File("out.txt")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(FileBytes(folder.File("out.txt")),
              "%\r\nX0010     second\r\nY0000     output\r\nend\r\n");

    run = Cli({"comments", "export", folder.File("empty.txt")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(FileBytes(folder.File("empty.txt")), "%\r\nend\r\n");

    run = Cli({"comments", "export", "--import", folder.File("gone.txt"), folder.File("x.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "velmora-cli: " + folder.File("gone.txt") + ": 打开文件失败!\n");
    EXPECT_FALSE(FileBytes(folder.File("x.txt")));

    run = Cli({"comments", "export", folder.File("no/such/out.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "velmora-cli: " + folder.File("no/such/out.txt") + ": 打开文件失败!\n");
}

TEST_F(DocumentCommands, SaveConvertsAndFollowsTheTrailingRecordRule) {
    const std::size_t rows = 108 + 124 * 4;
    struct Case {
        const char* from;
        const char* to;
        bool records;
    };
    const Case cases[] = {{"a.plf", "b.plf", true}, {"c.grp", "d.plf", false}};
    for (const Case& c : cases) {
        const CliRun run = Cli({"save", LadderFile(c.from, Convertible()), folder.File(c.to)});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const auto written = FileBytes(folder.File(c.to));
        ASSERT_TRUE(written);
        EXPECT_EQ(written->size() > rows, c.records) << c.from;
        EXPECT_NE(written->substr(4, 2), std::string(2, '\0')) << "lastStep from the conversion";
    }
}

TEST_F(DocumentCommands, SaveWritesALadderThatDoesNotConvertWithAWarning) {
    const std::string in = LadderFile("in.plf", Ladder({"X000.0 ... (Y000.0)"}));
    CliRun run = Cli({"save", in, folder.File("out.plf")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "velmora-cli: " + in +
                           ": warning: 梯图第0001行  错误代号 1005 功能指令END1或END2未正确使用\n");
    EXPECT_TRUE(FileBytes(folder.File("out.plf")));

    run = Cli({"save", in, folder.File("no/such/out.plf")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "velmora-cli: " + folder.File("no/such/out.plf") + ": 保存文件失败!\n");
}

TEST_F(DocumentCommands, WrongArgumentsAndHelp) {
    const std::vector<std::string> usage[] = {
        {"info"},
        {"info", "a", "b"},
        {"info", "--bogus", "a"},
        {"save", "a"},
        {"export-old", "a", "b", "c"},
        {"comments"},
        {"comments", "import", "a"},
        {"comments", "export"},
        {"comments", "export", "a", "b"},
        {"comments", "export", "--import"},
        {"comments", "export", "--import="},
    };
    for (const auto& arguments : usage) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments.size() << " " << arguments.back();
        EXPECT_NE(run.err.find("--help"), std::string::npos) << run.err;
    }
    for (const char* command : {"info", "save", "export-old", "comments"}) {
        const CliRun run = Cli({command, "--help"});
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.starts_with(std::string("Usage: velmora-cli ") + command)) << run.out;
    }
    const CliRun run = Cli({"--help"});
    EXPECT_NE(run.out.find("export-old LADDER OUT.grp"), std::string::npos);
}

} // namespace
} // namespace velmora
