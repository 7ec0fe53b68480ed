#include "DocumentParts.h"

#include "model/EditorSelection.h"
#include "model/ElementCatalogue.h"
#include "platform/AtomicFile.h"
#include "platform/ProgramDirectory.h"
#include "support/LadderPicture.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <cerrno>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velmora {
namespace {

using testing::Ladder;

std::unique_ptr<SymbolCommentTable> EmptyTable() { return std::make_unique<SymbolCommentTable>(); }

TEST(AddressIndex, LettersAndByteRanges) {
    struct Case {
        char letter;
        int byte;
        int index;
    };
    for (const Case c :
         {Case{'X', 0, 0},    Case{'X', 63, 63},   Case{'X', 64, -1},  Case{'X', -1, -1},
          Case{'Y', 0, 64},   Case{'Y', 47, 111},  Case{'Y', 48, -1},  Case{'A', 0, 112},
          Case{'A', 31, 143}, Case{'A', 32, -1},   Case{'F', 0, 144},  Case{'F', 63, 207},
          Case{'G', 0, 208},  Case{'G', 63, 271},  Case{'K', 0, 272},  Case{'K', 63, 335},
          Case{'R', 0, 336},  Case{'R', 511, 847}, Case{'R', 512, -1}, Case{'C', 0, -1},
          Case{'x', 0, -1}}) {
        EXPECT_EQ(AddressIndex(c.letter, c.byte), c.index) << c.letter << c.byte;
    }
}

TEST(SymbolComment, ByTextNamesTheBitSlot) {
    auto table = EmptyTable();
    EXPECT_EQ(&SymbolComment(*table, "X012.3"), &table->Slot(12, 4));
    EXPECT_EQ(&SymbolComment(*table, "R511.7"), &table->Slot(847, 8));
    EXPECT_EQ(&SymbolComment(*table, "G000.0"), &table->Slot(208, 1));
    EXPECT_EQ(&SymbolComment(*table, "K006.0 and more"), &table->Slot(278, 1));

    for (const char* bad : {"C000.0", "T001.0", "x000.0", "X01a.0", "X 12.0", "X064.0", "Y048.0",
                            "A032.0", "R512.0", "X000.8", "X000.", "X000", "", "1000.0"}) {
        try {
            SymbolComment(*table, bad);
            ADD_FAILURE() << bad << " was accepted";
        } catch (const SymbolCommentError& error) {
            EXPECT_STREQ(error.what(), "Error Note!");
        }
    }
}

TEST(SymbolComment, ByCursorNeedsAContactOrCoil) {
    auto program = Ladder({
        "X012.3 /X000.1 -- [TMR 1] # -- -- (Y000.0)",
        "",
        "C001.0 X064.0",
    });
    auto table = EmptyTable();
    auto at = [](int column, int row) {
        EditorSelection selection;
        selection.cursor = {column, row};
        return selection;
    };
    EXPECT_EQ(&SymbolComment(*table, *program, at(0, 0)), &table->Slot(12, 4));
    EXPECT_EQ(&SymbolComment(*table, *program, at(1, 0)), &table->Slot(0, 2));
    EXPECT_EQ(&SymbolComment(*table, *program, at(7, 0)), &table->Slot(64, 1));
    // No cursor counts as the first cell.
    EXPECT_EQ(&SymbolComment(*table, *program, at(-1, -1)), &table->Slot(12, 4));
    EXPECT_EQ(&SymbolComment(*table, *program, at(3, -1)), &table->Slot(12, 4));

    // A line, box cells, an empty cell, addresses without comments, cells that do not exist.
    for (const EditorSelection& bad : {at(2, 0), at(3, 0), at(4, 0), at(3, 1), at(0, 1), at(0, 2),
                                       at(1, 2), at(0, 3), at(8, 0), at(0, 2600)}) {
        EXPECT_THROW(SymbolComment(*table, *program, bad), SymbolCommentError)
            << bad.cursor.column << "," << bad.cursor.row;
    }
    auto none = std::make_unique<LadderProgram>();
    EXPECT_THROW(SymbolComment(*table, *none, at(-1, -1)), SymbolCommentError);
}

TEST(SetSymbolComment, StoresAndShowsTheTextOrReportsTheFailure) {
    auto program = Ladder({"X012.3 ... (Y000.0)"});
    auto table = EmptyTable();
    OutputPanes panes;
    testing::FakeUi ui;
    EditorSelection selection;
    selection.cursor = {7, 0};
    const std::string text = Utf8ToGbk("主轴正转");
    EXPECT_TRUE(SetSymbolComment(*table, *program, selection, text, panes, ui));
    EXPECT_EQ(SymbolComment(*table, "Y000.0"), text);
    EXPECT_EQ(panes.Output().text, "主轴正转");
    EXPECT_TRUE(ui.calls.empty());

    selection.cursor = {1, 0};
    EXPECT_FALSE(SetSymbolComment(*table, *program, selection, "lost", panes, ui));
    EXPECT_EQ(ui.calls, std::vector<std::string>{"MessageBox: Error Note!"});
    EXPECT_EQ(panes.Output().text, "主轴正转");
    EXPECT_EQ(*table, [&] {
        auto expected = EmptyTable();
        SymbolComment(*expected, "Y000.0") = text;
        return *expected;
    }());
}

TEST(ImportSymbolComments, LineRules) {
    struct Slot {
        int index;
        int slot;
        std::string text;
    };
    struct Case {
        const char* what;
        std::string file;
        std::vector<Slot> expected; // every other slot stays empty
    };
    const std::string longText(200, 'x');
    const Case cases[] = {
        {"a % line ends the import", "%\r\nX0001 a\r\n", {}},
        {"lower-case letter; digit d is bit d-1", "x0123 text\r\n", {{12, 3, "text"}}},
        {"I lines are skipped", "I0001 i\r\nX0001 a\r\n", {{0, 1, "a"}}},
        {"other letters end the import", "M0001 m\r\nX0001 a\r\n", {}},
        {"a byte out of range is skipped", "Y0481 y\r\nY0471 ok\r\nR5128 r\r\n", {{111, 1, "ok"}}},
        {"digit 9 ends the import", "X0009 nine\r\nX0001 a\r\n", {}},
        {"digit 0 and a non-digit fill slot 0",
         "X0000 zero\r\nX001x other\r\n",
         {{0, 0, "zero"}, {1, 0, "other"}}},
        {"the byte number stops at a non-digit", "X01a1 a\r\n", {{1, 1, "a"}}},
        {"a short line ends the import", "ab\r\nX0001 a\r\n", {}},
        {"an empty line ends the import", "X0001 a\r\n\r\nX0002 b\r\n", {{0, 1, "a"}}},
        {"end ends the import", "X0001 a\nend\nX0002 b\n", {{0, 1, "a"}}},
        {"a three-character line is read", "X00\r\nX0002 b", {{0, 0, ""}, {0, 2, "b"}}},
        {"the text starts at character 7",
         "R5118     spaced text\r\n",
         {{847, 8, "    spaced text"}}},
        {"GBK text", "K0061 " + Utf8ToGbk("急停") + "\n", {{278, 1, Utf8ToGbk("急停")}}},
        {"a leading blank ends the import", " X0001 a\r\n", {}},
        {"text stops at a NUL",
         std::string("X0001 a\0b\r\nX0002 c\r\n", 20),
         {{0, 1, "a"}, {0, 2, "c"}}},
        {"a long line is cut and ends the import",
         "R0001 " + longText + "\nR0002 b\n",
         {{336, 1, std::string(121, 'x')}}},
        {"127 characters are still a whole line",
         "R0001 " + std::string(121, 'y') + "\r\nR0002 b",
         {{336, 1, std::string(121, 'y')}, {336, 2, "b"}}},
        {"later lines win", "A0311 one\r\nA0311 two\r\n", {{143, 1, "two"}}},
    };
    for (const Case& c : cases) {
        auto table = EmptyTable();
        ParseSymbolComments(*table, c.file);
        auto expected = EmptyTable();
        for (const Slot& s : c.expected) {
            expected->Slot(s.index, s.slot) = s.text;
        }
        EXPECT_TRUE(*table == *expected) << c.what;

        // The file reader applies the same rules.
        const std::string path =
            ::testing::TempDir() + "velmora_import_" + std::to_string(getpid()) + ".txt";
        ASSERT_TRUE(WriteFileAtomically(path, c.file));
        auto fromFile = EmptyTable();
        EXPECT_TRUE(ImportSymbolComments(*fromFile, path)) << c.what;
        EXPECT_TRUE(*fromFile == *expected) << c.what;
        std::remove(path.c_str());
    }
}

TEST(ImportSymbolComments, AddsToWhatTheTableHolds) {
    auto table = EmptyTable();
    SymbolComment(*table, "X000.0") = "kept";
    SymbolComment(*table, "X000.1") = "replaced";
    ParseSymbolComments(*table, "X0002 new\r\n");
    EXPECT_EQ(SymbolComment(*table, "X000.0"), "kept");
    EXPECT_EQ(SymbolComment(*table, "X000.1"), "new");
}

TEST(ImportSymbolComments, MissingFileOrAFolderFails) {
    for (const std::string& path :
         {::testing::TempDir() + "no/such/file.txt", ::testing::TempDir()}) {
        SCOPED_TRACE(path);
        auto table = EmptyTable();
        EXPECT_FALSE(ImportSymbolComments(*table, path));
        EXPECT_TRUE(*table == *EmptyTable());
    }
}

// The shipped default file, copied next to the executables by the build.
std::string ShippedDefaultFile() {
    const std::string cli = VELMORA_CLI;
    return cli.substr(0, cli.rfind('/') + 1) + std::string(DefaultCommentFileName);
}

TEST(DefaultCommentFile, ShipsBesideTheProgramAndAddsNothing) {
    auto table = EmptyTable();
    ASSERT_TRUE(ImportSymbolComments(*table, ShippedDefaultFile()));
    EXPECT_TRUE(*table == *EmptyTable());
}

TEST(DefaultCommentFile, ExamplesFollowTheImportFormat) {
    // Its "%" line ends the import at once; without it the example signals load.
    std::string text;
    ASSERT_TRUE(ReadWholeFile(ShippedDefaultFile(), text));
    ASSERT_EQ(text.substr(0, 3), "%\r\n");
    EXPECT_EQ(text.substr(text.size() - 5), "end\r\n");
    auto table = EmptyTable();
    ParseSymbolComments(*table, text.substr(3));
    EXPECT_EQ(SymbolComment(*table, "X000.0"), Utf8ToGbk("急停按钮"));
    EXPECT_EQ(SymbolComment(*table, "Y000.0"), Utf8ToGbk("主轴正转"));
    EXPECT_EQ(SymbolComment(*table, "R000.0"), Utf8ToGbk("自动运行中"));
}

TEST(ExportSymbolComments, EmptyTable) {
    EXPECT_EQ(ExportSymbolComments(*EmptyTable()), "%\r\nend\r\n");
}

TEST(ExportSymbolComments, OneLine) {
    auto table = EmptyTable();
    SymbolComment(*table, "R511.7") = Utf8ToGbk("最后一位");
    EXPECT_EQ(ExportSymbolComments(*table),
              "%\r\nR5117     " + Utf8ToGbk("最后一位") + "\r\nend\r\n");
}

TEST(ExportSymbolComments, RangesAndOrder) {
    // Every slot of every address holds a text naming it.
    auto table = EmptyTable();
    for (char letter : std::string("XYAFGKR")) {
        for (int byte = 0; byte < 512; ++byte) {
            const int index = AddressIndex(letter, byte);
            if (index < 0) {
                continue;
            }
            for (int slot = 0; slot < SymbolCommentTable::SlotCount; ++slot) {
                char text[32];
                std::snprintf(text, sizeof text, "%c%d/%d", letter, byte, slot);
                table->Slot(index, slot) = text;
            }
        }
    }
    std::istringstream in(ExportSymbolComments(*table));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), (7 + 6 + 58 + 32 + 512) * 8 + 2u);
    EXPECT_EQ(lines.front(), "%");
    EXPECT_EQ(lines.back(), "end");
    // Each range starts where the one before ends; slot 0 never goes out.
    const std::vector<std::pair<std::size_t, std::string>> marks = {
        {1, "X0000     X0/1"},   {56, "X0067     X6/8"},
        {57, "Y0000     Y0/1"},  {104, "Y0057     Y5/8"},
        {105, "K0060     K6/1"}, {568, "K0637     K63/8"},
        {569, "A0000     A0/1"}, {824, "A0317     A31/8"},
        {825, "R0000     R0/1"}, {lines.size() - 2, "R5117     R511/8"},
    };
    for (const auto& [at, text] : marks) {
        EXPECT_EQ(lines[at], text) << at;
    }
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        EXPECT_EQ(lines[i].find("/0"), std::string::npos) << lines[i];
        EXPECT_TRUE(lines[i][0] != 'F' && lines[i][0] != 'G') << lines[i];
    }
}

TEST(ProgramDirectory, IsTheFolderOfTheRunningExecutable) {
    const std::string directory = ProgramDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.front(), '/');
    EXPECT_NE(directory.back(), '/');
    struct stat info {};
    ASSERT_EQ(::stat((directory + "/" + program_invocation_short_name).c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
}

} // namespace
} // namespace velmora
