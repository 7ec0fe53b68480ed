// Runs the built velmora-cli on ladder files written with the project's own writer and checks
// its exit status, its messages and the bytes of the files it writes.
#include "compiler/LadderCompiler.h"
#include "document/LadderFile.h"
#include "model/LadderInfo.h"
#include "platform/AtomicFile.h"
#include "platform/OutputPanes.h"
#include "support/HexBytes.h"
#include "support/LadderPicture.h"
#include "tools/LargeLadder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace velmora::testing {
namespace {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path.string(), bytes)) << path;
    return bytes;
}

void WriteFile(const fs::path& path, std::string_view bytes) {
    ASSERT_TRUE(WriteFileAtomically(path.string(), bytes)) << path;
}

std::string LadderBytes(const LadderProgram& program) {
    LadderInfo info;
    OutputPanes panes;
    return WriteLadder(program, info, panes);
}

// The rows every converting ladder ends with.
std::vector<std::string> WithEnds(std::vector<std::string> rows) {
    rows.emplace_back(". . . . [END1] ...");
    rows.emplace_back(". . . . [END2] ...");
    return rows;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::path(::testing::TempDir()) / "velmora-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path Path(const char* name) const { return dir / name; }

    fs::path Write(const char* name, const std::vector<std::string>& rows) {
        const fs::path path = Path(name);
        WriteFile(path, LadderBytes(*Ladder(rows)));
        return path;
    }

    // Runs the tool in the test's folder, so relative names are files there.
    Result Run(const std::vector<std::string>& arguments) {
        std::vector<std::string> all{VELMORA_CLI};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& a : all) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        const std::string out = Path("stdout").string();
        const std::string err = Path("stderr").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        Result result;
        if (spawned != 0) {
            ADD_FAILURE() << "cannot start " << argv[0];
            return result;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = ReadFile(out);
        result.err = ReadFile(err);
        fs::remove(out);
        fs::remove(err);
        return result;
    }

    fs::path dir;
};

// A network, then END1 and END2: RD, AND.NOT, WRT, END1 and END2 with their network ends.
const std::vector<std::string> CoilLadder = WithEnds({"X000.0 /X000.1 ... (Y000.0)"});

const std::string CoilLadderCode = Hex("01 02 00 00 90 80 58 01"   // RD X000.0
                                       "04 02 01 00 90 80 58 02"   // AND.NOT X000.1
                                       "06 02 02 00 D0 80 59 01"   // WRT Y000.0
                                       "11 00 03 00 00 00 00 00"   // END1
                                       "16 00 04 00 00 00 00 00"   // network end
                                       "12 00 05 00 00 00 00 00"   // END2
                                       "16 00 06 00 00 00 00 00"   // network end
                                       "FE FE 00 00 00 00 00 00"); // terminator, no data words

// Row numbers are cut off; the blanks that padded them stay.
const std::string CoilLadderText = "RD        X000.0    \r\n"
                                   "AND.NOT   X000.1    \r\n"
                                   "WRT       Y000.0    \r\n"
                                   "END1    \r\n"
                                   "END2    \r\n";

TEST_F(Cli, ConvertWritesTheCodeFileAndTheInstructionList) {
    const fs::path ends = Write("ends.plf", WithEnds({}));
    const Result r = Run({"convert", ends, "--il", Path("ends.txt"), "--bin", Path("ends.dat")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Convert succeed!\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(ReadFile(Path("ends.dat")), Hex("11 00 00 00 00 00 00 00"
                                              "16 00 01 00 00 00 00 00"
                                              "12 00 02 00 00 00 00 00"
                                              "16 00 03 00 00 00 00 00"
                                              "FE FE 00 00 00 00 00 00"));
    EXPECT_EQ(ReadFile(Path("ends.txt")), "END1    \r\nEND2    \r\n");

    const fs::path coil = Write("coil.plf", CoilLadder);
    const Result again =
        Run({"convert", "--bin=" + Path("coil.dat").string(), coil, "--il", Path("coil.txt")});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(ReadFile(Path("coil.dat")), CoilLadderCode);
    EXPECT_EQ(ReadFile(Path("coil.txt")), CoilLadderText);
}

TEST_F(Cli, ConvertWritesOnlyTheFilesAskedForAndReplacesOldOnes) {
    const fs::path coil = Write("coil.plf", CoilLadder);
    EXPECT_EQ(Run({"convert", coil}).status, 0);
    EXPECT_EQ(Run({"convert", coil, "--il", Path("coil.txt")}).status, 0);
    EXPECT_FALSE(fs::exists(Path("coil.dat")));

    WriteFile(Path("old.dat"), std::string(500, 'x'));
    EXPECT_EQ(Run({"convert", coil, "--bin", Path("old.dat")}).status, 0);
    EXPECT_EQ(ReadFile(Path("old.dat")), CoilLadderCode);
    // Nothing but the ladder and what was asked for: no temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3);
}

TEST_F(Cli, CodDataWordsFollowTheRecords) {
    // A byte table of three entries: two data words, the high half of the second one 0.
    const fs::path cod = Write("cod.plf", WithEnds({
                                              "X000.0 [COD 1 3 R010 R012] # # # # -- (R100.0)",
                                              "X000.1",
                                              "CODT 00001 00002 00300",
                                          }));
    const Result r = Run({"convert", cod, "--bin", Path("cod.dat")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string code = ReadFile(Path("cod.dat"));
    ASSERT_EQ(code.size() % 8, 4u);
    // 300 is kept as its low byte, 0x2C.
    EXPECT_EQ(code.substr(code.size() - 12), Hex("FE FE 02 00 00 00 00 00 01 02 2C 00"));
}

TEST_F(Cli, ListPrintsTheInstructionsWithoutRowNumbers) {
    const Result r = Run({"list", Write("coil.plf", CoilLadder)});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "RD        X000.0\n"
                     "AND.NOT   X000.1\n"
                     "WRT       Y000.0\n"
                     "END1\n"
                     "END2\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(Cli, CheckReportsWithoutWriting) {
    const Result r = Run({"check", Write("coil.plf", CoilLadder)});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Convert succeed!\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(Cli, ConversionErrorIsTheLastErrorsReportLine) {
    // A contact that is not connected to the rail, in ladder row 2.
    const fs::path broken =
        Write("broken.plf", WithEnds({"X000.0 ... (Y000.0)", ". X000.1 ... (Y000.1)"}));
    WriteFile(Path("kept.txt"), "earlier listing");
    const std::string report = "梯图第0002行  错误代号 1009 网络水平线未连上\n";
    const std::vector<std::vector<std::string>> runs = {
        {"convert", broken, "--il", Path("kept.txt"), "--bin", Path("new.dat")},
        {"check", broken},
        {"list", broken},
    };
    for (const auto& arguments : runs) {
        SCOPED_TRACE(arguments[0]);
        const Result r = Run(arguments);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, report);
    }
    EXPECT_EQ(ReadFile(Path("kept.txt")), "earlier listing");
    EXPECT_FALSE(fs::exists(Path("new.dat")));
}

TEST_F(Cli, EmptyFileIsALadderWithoutRows) {
    WriteFile(Path("empty.plf"), "");
    const Result r = Run({"check", Path("empty.plf")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "梯图第0000行  错误代号 1005 功能指令END1或END2未正确使用\n");
}

TEST_F(Cli, MalformedLadderIsAFormatError) {
    const std::string ladder = LadderBytes(*Ladder(CoilLadder));
    WriteFile(Path("rows.plf"), Hex("28 0A") + ladder.substr(2)); // 2601 rows
    WriteFile(Path("short.plf"), ladder.substr(0, ladder.size() - 1));
    const std::vector<std::vector<std::string>> runs = {
        {"convert", "rows.plf", "--il", "x.txt", "--bin", "x.dat"},
        {"convert", "short.plf", "--il", "x.txt", "--bin", "x.dat"},
        {"check", "rows.plf"},
        {"list", "short.plf"},
    };
    for (const auto& arguments : runs) {
        SCOPED_TRACE(arguments[0] + " " + arguments[1]);
        const Result r = Run(arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "无法打开梯形图文件!\n");
    }
    EXPECT_FALSE(fs::exists(Path("x.txt")));
    EXPECT_FALSE(fs::exists(Path("x.dat")));
}

TEST_F(Cli, UnreadableLadderNamesTheFile) {
    fs::create_directory(Path("folder"));
    struct Case {
        const char* name;
        const char* why;
    };
    for (const Case c :
         {Case{"missing.plf", "No such file or directory"}, Case{"folder", "not a regular file"}}) {
        SCOPED_TRACE(c.name);
        const Result r = Run({"convert", Path(c.name)});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err,
                  "velmora-cli: cannot read '" + Path(c.name).string() + "': " + c.why + "\n");
    }
}

TEST_F(Cli, UsageErrors) {
    const std::string ladder = Write("coil.plf", CoilLadder);
    const std::string before = ReadFile(ladder);
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{}, "Usage: velmora-cli COMMAND"},
        {{"compile", ladder}, "velmora-cli: unknown command 'compile'"},
        {{"convert"}, "velmora-cli convert: missing LADDER\nTry 'velmora-cli convert --help'."},
        {{"list", ladder, ladder}, "velmora-cli list: unexpected argument"},
        {{"check", ladder, "--il", "x.txt"}, "velmora-cli check: unknown option '--il'"},
        {{"convert", ladder, "--il"}, "option '--il' needs a file name"},
        {{"convert", ladder, "--bin="}, "option '--bin' needs a file name"},
        {{"convert", ladder, "--il", "a.txt", "--il", "b.txt"}, "option '--il' given twice"},
        {{"convert", ladder, "--txt", "a.txt"}, "unknown option '--txt'"},
        {{"convert", ladder, "--il", ladder}, "is the ladder file itself"},
        {{"convert", ladder, "--bin", (dir / "." / "coil.plf").string()},
         "is the ladder file itself"},
        {{"convert", ladder, "--il", "same", "--bin", "same"}, "--il and --bin name the same file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const Result r = Run(c.arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_EQ(ReadFile(ladder), before);
    EXPECT_FALSE(fs::exists(Path("same")));
}

TEST_F(Cli, FileThatCannotBeWritten) {
    const fs::path target = Path("no-such-folder") / "out.dat";
    const Result r = Run({"convert", Write("coil.plf", CoilLadder), "--bin", target});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "velmora-cli: cannot write '" + target.string() + "': No such file or directory\n");
}

TEST_F(Cli, OperandsAfterDoubleDashAreFiles) {
    Write("--il", CoilLadder);
    EXPECT_EQ(Run({"check", "--il"}).status, 2);
    const Result r = Run({"convert", "--bin", "out.dat", "--", "--il"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(Path("out.dat")), CoilLadderCode);
    EXPECT_EQ(Run({"convert", "--", "--il", "--bin", "out.dat"}).status, 2);
}

TEST_F(Cli, EveryCommandHasHelp) {
    const Result overview = Run({"--help"});
    EXPECT_EQ(overview.status, 0);
    for (const char* command : {"list", "convert", "check"}) {
        SCOPED_TRACE(command);
        EXPECT_NE(overview.out.find(std::string("\n  ") + command + " LADDER"), std::string::npos);
        const Result r = Run({command, "--help"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.rfind(std::string("Usage: velmora-cli ") + command + " LADDER", 0), 0u);
        EXPECT_NE(r.out.find("Exit status"), std::string::npos);
        EXPECT_EQ(r.err, "");
    }
    EXPECT_EQ(Run({"--version"}).out, "velmora-cli " VELMORA_VERSION "\n");
}

TEST_F(Cli, FilesInTheConLayoutAreChosenByName) {
    using namespace LadderFileLayout;
    const int rows = static_cast<int>(CoilLadder.size());
    const std::string plain = LadderBytes(*Ladder(CoilLadder));
    std::string con = plain.substr(0, HeaderSize);
    for (int r = 0; r < rows; ++r) {
        const std::string row = plain.substr(HeaderSize + RowRecordSize * r, RowRecordSize);
        con += row.substr(0, 7 * CellRecordSize) + std::string(ConSkippedBytes, 'Z') +
               row.substr(7 * CellRecordSize, CellRecordSize);
    }
    WriteFile(Path("ladder.con"), con);
    const Result r = Run({"convert", Path("ladder.con"), "--bin", Path("con.dat")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(Path("con.dat")), CoilLadderCode);
}

TEST_F(Cli, SingleRowBoxesOfOlderFilesAreWidenedOnLoad) {
    auto ladder = Ladder(WithEnds({"X000.0 [TMR 3] # ... (R000.1)", ""}));
    ladder->DeleteRows(1, 1); // an older file keeps the timer in one row
    WriteFile(Path("old.plf"), LadderBytes(*ladder));
    const Result r = Run({"list", Path("old.plf")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "RD        X000.0\n"
                     "TMR       3\n"
                     "WRT       R000.1\n"
                     "END1\n"
                     "END2\n");
}

TEST_F(Cli, TheLargestLadderConvertsToWhatTheCompilerProduces) {
    const auto program = GenerateLargeLadder();
    WriteFile(Path("large.plf"), LadderBytes(*program));
    auto compiler = std::make_unique<LadderCompiler>();
    compiler->program = program.get();
    ASSERT_EQ(compiler->Convert(), 1) << compiler->ReportLine();
    std::string text;
    std::string code;
    compiler->WriteInstructionText(text);
    compiler->WriteBinaryCode(code);

    const Result r = Run({"convert", "large.plf", "--il", "large.txt", "--bin", "large.dat"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(Path("large.txt")), text);
    EXPECT_EQ(ReadFile(Path("large.dat")), code);

    const Result listed = Run({"list", "large.plf"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(static_cast<std::size_t>(std::count(listed.out.begin(), listed.out.end(), '\n')),
              compiler->lines.size());
}

} // namespace
} // namespace velmora::testing
