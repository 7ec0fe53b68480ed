#include "DocumentParts.h"

#include "model/ElementCatalogue.h"
#include "support/LadderPicture.h"

#include <gtest/gtest.h>

#include "platform/AtomicFile.h"
#include "platform/ProgramDirectory.h"

#include <cstdio>
#include <cstring>
#include <random>

namespace velmora {
namespace {

using namespace LadderFileLayout;
using testing::DocumentParts;
using testing::Hex;
using testing::Ladder;
using testing::SaveDate;

const std::string EmptyCellRecord = Hex("00 00 00 00 FF FF 00 00 00 00 00 00 00");

std::string Zeros(std::size_t n) { return std::string(n, '\0'); }

std::string DateField() { return std::string(SaveDate) + Zeros(25 - SaveDate.size()); }

// The ladder's bytes with the date field blanked, for comparing two saves.
std::string WithoutDate(std::string bytes) {
    bytes.replace(DateOffset, 25, Zeros(25));
    return bytes;
}

// A row-layout file turned into the "CON" layout: 26 bytes (not zero, to show they are skipped)
// before the coil column's record, no comment.
std::string ToConLayout(const std::string& bytes, int rows) {
    std::string out = bytes.substr(0, HeaderSize);
    for (int r = 0; r < rows; ++r) {
        const std::string row = bytes.substr(HeaderSize + RowRecordSize * r, RowRecordSize);
        out += row.substr(0, 7 * CellRecordSize);
        out += std::string(ConSkippedBytes, '\x5A');
        out += row.substr(7 * CellRecordSize, CellRecordSize);
    }
    return out;
}

std::unique_ptr<DocumentParts> Loaded(std::unique_ptr<LadderProgram> program) {
    auto doc = DocumentParts::Make();
    doc->program = *program;
    return doc;
}

TEST(WriteLadder, EmptyLadderIsTheHeaderAlone) {
    auto doc = DocumentParts::Make();
    const std::string expected = Hex("FF FF 00 00 00 00 00 00") + Zeros(15 + 40 + 20) + DateField();
    EXPECT_EQ(doc->Write(), expected);
    EXPECT_EQ(FieldText(doc->info.date.data(), 25), SaveDate);
    EXPECT_EQ(doc->Output(), "正在保存文件......\r\n文件保存完成.\r\n");
}

TEST(WriteLadder, OneRowGoldenFile) {
    auto doc = DocumentParts::Make();
    LadderProgram& p = doc->program;
    p.rowCount = 1;
    p.end1Row = 1;
    p.lastStep = 0x0102;
    p.level1End = 3;
    SetField(doc->info.version.data(), 15, "V1");
    LadderCell& contact = p.Row(0)[0];
    contact.code = Element::OpenContact;
    contact.verticalLine = 1;
    contact.number = 12;
    contact.SetOperand("X012.3");
    LadderCell& coil = p.Row(0)[7];
    coil.code = Element::Coil;
    coil.number = 7; // disagrees with its text: the text's value is stored
    coil.SetOperand("Y000.1");
    p.SetComment(0, "hi");

    std::string expected =
        Hex("00 00 01 00 02 01 03 00") + "V1" + Zeros(13) + Zeros(40) + Zeros(20) + DateField();
    expected += Hex("00 03 01 00 0C 00 58 30 31 32 2E 33 00");
    for (int c = 1; c < 7; ++c) {
        expected += EmptyCellRecord;
    }
    expected += Hex("00 04 00 00 00 00 59 30 30 30 2E 31 00");
    expected += "hi" + Zeros(18);
    ASSERT_EQ(expected.size(), HeaderSize + RowRecordSize);
    EXPECT_EQ(doc->Write(), expected);

    auto back = DocumentParts::Make();
    ASSERT_TRUE(back->Read(expected));
    EXPECT_EQ(back->program.rowCount, 1);
    EXPECT_EQ(back->program.end1Row, 1);
    EXPECT_EQ(back->program.lastStep, 0x0102);
    EXPECT_EQ(back->program.level1End, 3);
    EXPECT_EQ(back->program.Row(0)[0], contact);
    EXPECT_EQ(back->program.Row(0)[7].number, 0);
    EXPECT_EQ(back->program.Row(0)[3], LadderCell{});
    EXPECT_EQ(back->program.CommentText(0), "hi");
    EXPECT_EQ(back->info, doc->info);
}

TEST(WriteLadder, NumberSlot) {
    struct Case {
        const char* operand;
        std::int16_t number;
        std::uint16_t slot;
    };
    const Case cases[] = {
        {"X012.3", 12, 12},   // the value agrees
        {"Y000.1", 7, 0},     // a bit address: the text wins
        {"R0100", 5, 100},    // a byte address
        {"K", 5, 0},          // no digits read as 0
        {"A-12", 0, 0xFFF4},  // a sign is read
        {"", -1, 0xFFFF},     // an empty cell keeps its number
        {"DC0010", 3, 3},     // other letters keep the number
        {"T001", 9, 9},       //
        {"1000", 1000, 1000}, // constants: the first character is skipped
    };
    for (const Case& c : cases) {
        auto doc = DocumentParts::Make();
        doc->program.rowCount = 1;
        LadderCell& cell = doc->program.Row(0)[2];
        cell.code = Element::OpenContact;
        cell.number = c.number;
        cell.SetOperand(c.operand);
        const std::string bytes = doc->Write();
        const std::size_t at = HeaderSize + 2 * CellRecordSize + 4;
        const auto slot = static_cast<std::uint16_t>(
            static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8);
        EXPECT_EQ(slot, c.slot) << c.operand;
    }
}

TEST(WriteRowCommentRecords, OneRecordPerNonEmptyField) {
    auto doc = DocumentParts::Make();
    doc->program.rowCount = 8;
    doc->program.SetComment(7, "abc");
    // Fields past the last row still hold text and are written too.
    doc->program.SetComment(2599, "12345678901234567890");
    EXPECT_EQ(WriteRowCommentRecords(doc->program, doc->panes),
              Hex("EA 14 07 00 00 00 03 00") + "abc" + Hex("EA 14 27 0A 00 00 14 00") +
                  "12345678901234567890");
    EXPECT_EQ(doc->Output(), "正在保存注释......\r\n保存注释完成\r\n");

    auto none = DocumentParts::Make();
    EXPECT_EQ(WriteRowCommentRecords(none->program, none->panes), "");
}

// A ladder with a bit of everything a file carries.
std::unique_ptr<LadderProgram> RichLadder() {
    auto p = Ladder({
        "X000.0+ /X000.1 -- -- -- -- -- (Y000.0) ; 启动条件",
        "X000.2 ... (/Y000.1) ; 12345678901234567890",
        "X000.3 [ADD 1 R0010 R0011 R0012] # # # # (R0001.0)",
        "",
        "CODT 1 2 3 4 5 6 7 8",
        "CODT 9 10 11 12 13 14 15 16",
        "-- -- -- -- [END1]",
    });
    p->end1Row = 7;
    p->lastStep = 123;
    p->level1End = 45;
    p->Row(0)[3].verticalLine = 0x1234; // kept as read
    p->Row(1)[1].number = 77;           // a line whose number disagrees with its empty text
    p->SetComment(3, Utf8ToGbk("二十字节的注释正好满了"));
    return p;
}

TEST(LadderFile, WriteReadWriteIsByteIdenticalApartFromTheDate) {
    auto doc = Loaded(RichLadder());
    SetField(doc->info.version.data(), 15, "V123456789ABCDE"); // full width, no NUL
    SetField(doc->info.machine.data(), 40, Utf8ToGbk("立式加工中心"));
    SetField(doc->info.modifier.data(), 20, "someone");
    const std::string first = doc->Write();
    ASSERT_EQ(first.size(), HeaderSize + 7 * RowRecordSize);

    auto back = DocumentParts::Make();
    ASSERT_TRUE(back->Read(first));
    EXPECT_EQ(back->info, doc->info);
    EXPECT_EQ(back->program.CommentText(0), doc->program.CommentText(0));
    EXPECT_EQ(back->program.CommentText(1), "12345678901234567890");
    EXPECT_EQ(back->program.Row(0)[3].verticalLine, 0x1234u);
    back->info.date = {};
    const std::string second = back->Write();
    EXPECT_EQ(WithoutDate(second), WithoutDate(first));
    EXPECT_EQ(second, first); // the same clock gives the same date
}

TEST(ReadLadder, ReportsProgressAndPointsTheCompilerAtTheLadder) {
    auto doc = Loaded(Ladder({"X000.0 [TMR 5] # ... (Y000.0)", "", "-- -- -- -- [END1]"}));
    const std::string bytes = doc->Write();
    auto back = DocumentParts::Make();
    ASSERT_TRUE(back->Read(bytes));
    EXPECT_EQ(back->Output(), "正在载入文件......\r\n文件载入完成!\r\n");
    EXPECT_EQ(back->compiler.program, &back->program);
    // The pre-conversion check has registered the timer number in use.
    EXPECT_EQ(back->compiler.tmrUsed[5], 1);
    EXPECT_TRUE(back->ui.calls.empty());
}

TEST(ReadLadder, RowCountWord) {
    struct Case {
        std::uint16_t word;
        bool loads;
        int rows;
    };
    for (const Case c :
         {Case{0xFFFF, true, 0}, Case{0, true, 1}, Case{2599, true, 2600}, Case{2600, false, 0},
          Case{0x7FFF, false, 0}, Case{0x8000, false, 0}, Case{0xFFFE, false, 0}}) {
        auto doc = DocumentParts::Make();
        std::string bytes(HeaderSize + 2600 * RowRecordSize, '\0');
        bytes[0] = static_cast<char>(c.word & 0xFF);
        bytes[1] = static_cast<char>(c.word >> 8);
        EXPECT_EQ(doc->Read(bytes), c.loads) << c.word;
        EXPECT_EQ(doc->program.rowCount, c.rows) << c.word;
    }
}

TEST(ReadLadder, FormatErrorLeavesAnEmptyLadder) {
    auto source = Loaded(RichLadder());
    const std::string good = source->Write();
    const std::string badCount = Hex("28 0A") + good.substr(2);
    // Too short for what the header announces, the header cut short, a lone byte.
    for (const std::string& bytes : {badCount, good.substr(0, good.size() - 1),
                                     good.substr(0, HeaderSize - 1), good.substr(0, 1)}) {
        auto doc = Loaded(Ladder({"X000.0 ... (Y000.0)"}));
        SetField(doc->info.version.data(), 15, "keep");
        doc->oldProgram.rowCount = 3;
        EXPECT_FALSE(doc->Read(bytes)) << bytes.size();
        EXPECT_EQ(doc->program.rowCount, 0);
        EXPECT_EQ(doc->oldProgram.rowCount, 0);
        EXPECT_EQ(FieldText(doc->info.version.data(), 15), "keep");
        EXPECT_EQ(doc->ui.calls, std::vector<std::string>{"MessageBox: 无法打开梯形图文件!"});
        EXPECT_EQ(doc->Output(), "正在载入文件......\r\n格式错误!\r\n无法打开梯形图文件!\r\n");
        EXPECT_EQ(doc->compiler.program, &doc->program);
    }
}

TEST(ReadLadder, EmptyFileOpensWithoutRowsAndWithoutMessages) {
    auto doc = Loaded(Ladder({"X000.0 ... (Y000.0)"}));
    EXPECT_TRUE(doc->Read(""));
    EXPECT_EQ(doc->program.rowCount, 0);
    EXPECT_EQ(doc->Output(), "");
    EXPECT_TRUE(doc->ui.calls.empty());
    EXPECT_EQ(doc->compiler.program, &doc->program);
}

TEST(ReadLadder, IgnoresTrailingCommentRecords) {
    auto doc = Loaded(Ladder({"X000.0 ... (Y000.0) ; row", ""}));
    doc->program.SetComment(1, "second");
    std::string bytes = doc->Write();
    bytes += WriteRowCommentRecords(doc->program, doc->panes);
    doc->program.SetComment(1, "");
    bytes[HeaderSize + RowRecordSize + 8 * CellRecordSize] = '\0';
    auto back = DocumentParts::Make();
    ASSERT_TRUE(back->Read(bytes));
    EXPECT_EQ(back->program.rowCount, 2);
    EXPECT_EQ(back->program.CommentText(0), "row");
    EXPECT_EQ(back->program.CommentText(1), "");
}

TEST(ReadLadder, OperandWithoutNulIsCutToSixCharacters) {
    auto doc = Loaded(Ladder({"X000.0"}));
    std::string bytes = doc->Write();
    const std::string gbkTail = Utf8ToGbk("啊"); // two bytes at offsets 5 and 6
    for (const std::string& field : {std::string("ABCDEFG"), "ABCDE" + gbkTail}) {
        bytes.replace(HeaderSize + 6, 7, field);
        auto back = DocumentParts::Make();
        ASSERT_TRUE(back->Read(bytes));
        const LadderCell& cell = back->program.Row(0)[0];
        EXPECT_EQ(cell.operand[6], '\0');
        EXPECT_EQ(cell.OperandText(), field == "ABCDEFG" ? "ABCDEF" : "ABCDE");
    }
}

TEST(ReadLadder, ConVariantSkipsTheGapAndHasNoComments) {
    auto doc = Loaded(Ladder({"X000.0 ... (Y000.0) ; first", "X000.1+ -- (R0000.1) ; second"}));
    const std::string plain = doc->Write();
    const std::string con = ToConLayout(plain, 2);
    ASSERT_EQ(con.size(), HeaderSize + 2 * ConRowRecordSize);
    for (const char* name : {"LADDER.CON", "ladder.con", "/home/user/lad/Main.Con"}) {
        auto back = DocumentParts::Make();
        ASSERT_TRUE(back->Read(con, name)) << name;
        ASSERT_EQ(back->program.rowCount, 2);
        for (int r = 0; r < 2; ++r) {
            EXPECT_EQ(back->program.Row(r), doc->program.Row(r)) << name;
            EXPECT_EQ(back->program.CommentText(r), "") << name;
        }
    }
}

TEST(IsConFileName, LooksAtTheUpperCasedNameOnly) {
    struct Case {
        const char* name;
        bool con;
    };
    for (const Case c : {Case{"LADDER.CON", true}, Case{"ladder.con", true}, Case{"FALCON", true},
                         Case{"/tmp/x.cOn", true}, Case{"ladder.plf", false},
                         Case{"/data/CON/ladder.plf", false}, Case{"CO", false}, Case{"", false}}) {
        EXPECT_EQ(IsConFileName(c.name), c.con) << c.name;
    }
}

TEST(ReadLadder, DataTableRunsGetTheirLength) {
    auto doc = Loaded(Ladder({
        "X000.0 ... (Y000.0)",
        "CODT 1 2 3 4 5 6 7 8",
        "CODT 1 2 3 4 5 6 7 8",
        "CODT 1 2 3 4 5 6 7 8",
        "X000.1 [COD 2 4 R0010 R0011] # # # -- (R0000.1)",
        "",
        "CODT 1 2 3 4 5 6 7 8",
        "CODT 1 2 3 4 5 6 7 8",
    }));
    auto back = DocumentParts::Make();
    ASSERT_TRUE(back->Read(doc->Write()));
    const int expected[] = {0, 3, 3, 3, 0, 0, 2, 2};
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < ColumnsPerRow; ++c) {
            EXPECT_EQ(back->program.Row(r)[c].tableRows, expected[r]) << r << "," << c;
        }
    }
}

TEST(ReadLadder, DefaultSymbolCommentsAreAdded) {
    // The default file lives next to the running program, here the test executable.
    const std::string path = ProgramDirectory() + "/" + std::string(DefaultCommentFileName);
    std::string saved;
    const bool existed = ReadWholeFile(path, saved);
    ASSERT_TRUE(WriteFileAtomically(path, "X0124 from the default file\r\nend\r\n"));
    auto doc = Loaded(Ladder({"X000.0"}));
    auto back = DocumentParts::Make();
    back->comments.Slot(0, 1) = "kept";
    const bool loaded = back->Read(doc->Write());
    if (existed) {
        WriteFileAtomically(path, saved);
    } else {
        std::remove(path.c_str());
    }
    ASSERT_TRUE(loaded);
    EXPECT_EQ(SymbolComment(back->comments, "X012.3"), "from the default file");
    EXPECT_EQ(back->comments.Slot(0, 1), "kept");
}

TEST(ReadLadder, RandomAndDamagedBytesNeverBreakTheModel) {
    auto doc = Loaded(RichLadder());
    const std::string good = doc->Write();
    std::mt19937 random(12345);
    for (int round = 0; round < 300; ++round) {
        std::string bytes = good;
        if (round % 3 == 0) {
            bytes.resize(random() % (good.size() + 1));
        }
        const int flips = 1 + static_cast<int>(random() % 20);
        for (int i = 0; i < flips && !bytes.empty(); ++i) {
            bytes[random() % bytes.size()] = static_cast<char>(random());
        }
        if (round % 10 == 0) {
            for (char& b : bytes) {
                b = static_cast<char>(random());
            }
        }
        auto back = DocumentParts::Make();
        const bool loaded = back->Read(bytes, round % 2 ? "x.con" : "x.plf");
        ASSERT_GE(back->program.rowCount, 0);
        ASSERT_LE(back->program.rowCount, LadderProgram::MaxRows);
        if (!loaded) {
            ASSERT_EQ(back->program.rowCount, 0);
            continue;
        }
        ExpandBoxes(back->program, back->ui);
        for (int r = 0; r < LadderProgram::MaxRows; ++r) {
            ASSERT_NE(std::memchr(back->program.rowComments[r].data(), '\0', 21), nullptr);
        }
        for (int r = 0; r < back->program.rowCount; ++r) {
            for (const LadderCell& cell : back->program.Row(r).cells) {
                ASSERT_NE(std::memchr(cell.operand.data(), '\0', 7), nullptr);
            }
        }
    }
}

// --- ExpandBoxes ----------------------------------------------------------------------------

// The ladder as older files hold it: the given lower box rows removed.
std::unique_ptr<LadderProgram> Flattened(std::unique_ptr<LadderProgram> p,
                                         std::initializer_list<int> lowerRows) {
    for (auto row = std::rbegin(lowerRows); row != std::rend(lowerRows); ++row) {
        p->DeleteRows(*row, 1);
    }
    return p;
}

TEST(ExpandBoxes, SingleRowCompGetsItsSecondRow) {
    auto p = Flattened(Ladder({
                           "X000.0 ... (Y000.0) ; r0",
                           "",
                           "",
                           "",
                           "",
                           "X000.1 [COMP 1 R0010 R0011] # # # -- -- (R0000.1) ; r5",
                           "",
                           "X000.2 ... (Y000.2) ; r6",
                           "X000.3 ... (Y000.3) ; r7",
                       }),
                       {6});
    ASSERT_EQ(p->rowCount, 8);
    const LadderRow oldRow6 = p->Row(6);
    testing::FakeUi ui;
    ExpandBoxes(*p, ui);
    ASSERT_EQ(p->rowCount, 9);
    LadderRow expected;
    for (int k = 0; k < 4; ++k) {
        expected[1 + k].code = static_cast<ElementCode>(0x1210 + k);
    }
    EXPECT_EQ(p->Row(6), expected);
    EXPECT_EQ(p->CommentText(6), "");
    EXPECT_EQ(p->Row(7), oldRow6);
    EXPECT_EQ(p->CommentText(7), "r6");
    EXPECT_EQ(p->CommentText(8), "r7");
    EXPECT_EQ(p->Row(5)[2].OperandText(), "1");
    EXPECT_TRUE(ui.calls.empty());
}

TEST(ExpandBoxes, FullHeightBoxLosesTheOperandsOfItsLowerRow) {
    auto p = Ladder({"X000.0 [TMR 3] # ... (R0000.1)", "", "X000.1 ... (Y000.0)"});
    p->Row(1)[1].SetOperand("junk");
    p->Row(1)[2].SetOperand("junk");
    p->Row(1)[0].SetOperand("X9"); // not a box cell: left alone
    const LadderRow secondRow = p->Row(1);
    testing::FakeUi ui;
    ExpandBoxes(*p, ui);
    ASSERT_EQ(p->rowCount, 3);
    EXPECT_EQ(p->Row(0)[2].OperandText(), "3");
    EXPECT_EQ(p->Row(1)[1].OperandText(), "");
    EXPECT_EQ(p->Row(1)[2].OperandText(), "");
    EXPECT_EQ(p->Row(1)[0].OperandText(), "X9");
    EXPECT_EQ(p->Row(1)[1].code, secondRow[1].code);
}

TEST(ExpandBoxes, BoxesInSuccessionAndInTheLastRow) {
    // MOVN directly after COMP, and a TMR in the very last row.
    auto p = Flattened(Ladder({"X000.0 [COMP 1 R0010 R0011] # # # ... (R0000.1)", "",
                               "X000.1 [MOVN 2 R0012 R0013] # # # ... (R0000.2)", "",
                               "X000.2 [TMR 1] # ... (R0000.3)", ""}),
                       {1, 3, 5});
    ASSERT_EQ(p->rowCount, 3);
    testing::FakeUi ui;
    ExpandBoxes(*p, ui);
    ASSERT_EQ(p->rowCount, 6);
    const int kinds[] = {Kind::COMP, Kind::COMP, Kind::MOVN, Kind::MOVN, Kind::TMR, Kind::TMR};
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(p->Row(r)[1].code, CellCode(kinds[r], r % 2, 0)) << r;
    }
    EXPECT_EQ(p->Row(5)[2].code, 0x1911);
    EXPECT_EQ(p->Row(5)[3].code, 0);
}

TEST(ExpandBoxes, LeavesOtherRowsAlone) {
    auto p = Ladder({
        "X000.0 [ADD 1 R0010 R0011 R0012] # # # # (R0000.1)", // two rows, does not expand
        "",
        "X000.1 [COM] ... (R0000.2)", // one-row kind that expands: nothing to add
        "[COME] ... (R0000.3)",
        "CODT 1 2 3 4 5 6 7 8",
    });
    p->Row(4)[0].code = 0x1210; // a lone lower-row cell
    auto before = std::make_unique<LadderProgram>(*p);
    testing::FakeUi ui;
    ExpandBoxes(*p, ui);
    ASSERT_EQ(p->rowCount, before->rowCount);
    for (int r = 0; r < p->rowCount; ++r) {
        EXPECT_EQ(p->Row(r), before->Row(r)) << r;
    }
}

TEST(ExpandBoxes, BoxNearTheRightEdgeStaysInsideTheRow) {
    auto p = Ladder({"X000.0"});
    p->Row(0)[6].code = CellCode(Kind::COMP, 0, 0);
    p->Row(0)[7].code = CellCode(Kind::COMP, 0, 1);
    testing::FakeUi ui;
    ExpandBoxes(*p, ui);
    ASSERT_EQ(p->rowCount, 2);
    EXPECT_EQ(p->Row(1)[6].code, 0x1210);
    EXPECT_EQ(p->Row(1)[7].code, 0x1211);
}

TEST(ExpandBoxes, AtTheRowLimitBoxesStaySingleAndTheRefusalIsShownOnce) {
    struct Case {
        int rows;
        int expandedBoxes;
    };
    for (const Case c : {Case{2599, 0}, Case{2598, 1}}) {
        auto p = std::make_unique<LadderProgram>();
        p->rowCount = static_cast<std::int16_t>(c.rows);
        for (int r = 0; r < c.rows; ++r) {
            p->Row(r)[0].code = Element::OpenContact;
            p->Row(r)[0].number = static_cast<std::int16_t>(r);
        }
        for (int boxRow : {10, 20, 30}) {
            for (int k = 0; k < 4; ++k) {
                p->Row(boxRow)[1 + k].code = CellCode(Kind::COMP, 0, k);
            }
        }
        testing::FakeUi ui;
        ExpandBoxes(*p, ui);
        EXPECT_EQ(p->rowCount, c.rows + c.expandedBoxes);
        EXPECT_EQ(ui.calls, std::vector<std::string>{"MessageBox: 行数超出范围!"});
        // Every original row is still there, in order, after the one inserted row (if any).
        int original = 0;
        for (int r = 0; r < p->rowCount; ++r) {
            if (p->Row(r)[0].code == Element::Empty) {
                EXPECT_EQ(r, 11);
                EXPECT_EQ(p->Row(r)[1].code, 0x1210);
                continue;
            }
            EXPECT_EQ(p->Row(r)[0].number, original++);
        }
        EXPECT_EQ(original, c.rows);
    }
}

} // namespace
} // namespace velmora
