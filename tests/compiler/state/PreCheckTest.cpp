#include "compiler/LadderCompiler.h"
#include "model/ElementCatalogue.h"
#include "support/LadderPicture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr std::string_view End1 = "-- -- -- -- [END1] -- -- --";
constexpr std::string_view End2 = "-- -- -- -- [END2] -- -- --";

struct Outcome {
    bool passed;
    int errorCount;
    int code;
    int row;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    return out << (o.passed ? "passed" : "failed") << " with " << o.errorCount << " errors, last "
               << o.code << " at row " << o.row;
}

Outcome Pass() { return {true, 0, 0, 0}; }
Outcome Fail(int code, int row) { return {false, 1, code, row}; }

Outcome Run(LadderCompiler& compiler) {
    const bool passed = compiler.PreCheck();
    const int n = compiler.errorCount;
    return {passed, n, n ? compiler.errors[n - 1].code : 0, n ? compiler.errors[n - 1].row : 0};
}

struct Checked {
    std::unique_ptr<LadderProgram> program;
    std::unique_ptr<LadderCompiler> compiler;
    Outcome outcome;
};

Checked Check(std::vector<std::string_view> rows, bool withEnds = true) {
    if (withEnds) {
        rows.push_back(End1);
        rows.push_back(End2);
    }
    Checked c{testing::LadderFromRows(rows), std::make_unique<LadderCompiler>(), {}};
    c.compiler->program = c.program.get();
    c.outcome = Run(*c.compiler);
    return c;
}

struct Case {
    std::string what;
    std::vector<std::string_view> rows;
    Outcome expected;
};

void RunCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(Check(c.rows).outcome, c.expected) << c.what;
    }
}

TEST(PreCheck, OutputsAreDrivenOnce) {
    RunCases({
        {"one coil", {"X000.0 ... (Y000.0)"}, Pass()},
        {"neighbouring bits", {"X000.0 ... (Y012.3)", "X000.1 ... (Y012.4)"}, Pass()},
        {"same bit, reported on the second row",
         {"X000.0 ... (Y012.3)", "X000.1 ... (Y000.0)", "X000.2 ... (/Y012.3)"},
         Fail(1027, 2)},
        {"same bit in every area",
         {"X000.0 ... (A031.7)", "X000.0 ... (R511.7)", "X000.0 ... (A031.7)"},
         Fail(1027, 2)},
        {"a contact in the coil column is an output too",
         {"X000.0 ... Y000.0", "... (Y000.0)"},
         Fail(1027, 1)},
        {"the first error ends the walk",
         {"X000.0 ... (X000.0)", "... (Y000.0)", "... (Y000.0)"},
         Fail(1006, 0)},
    });
}

TEST(PreCheck, ReservedAndNonOutputAddressesAreIllegal) {
    for (std::string_view coil :
         {"(K003.0)", "(K000.0)", "(K005.7)", "(R255.1)", "(R255.0)", "(G063.7)", "(X000.0)",
          "(F001.2)", "(D000.0)", "(C000.0)", "(T000.0)", "(y000.0)", "()", "(12)"}) {
        const std::string row = "X000.0 ... " + std::string(coil);
        EXPECT_EQ(Check({row}).outcome, Fail(1006, 0)) << row;
    }
    for (std::string_view coil : {"(G063.6)", "(G062.7)", "(K006.0)", "(R254.7)", "(R256.0)"}) {
        const std::string row = "X000.0 ... " + std::string(coil);
        EXPECT_EQ(Check({row}).outcome, Pass()) << row;
    }
}

// Byte numbers are checked against their own area; the bit is the digit after the point taken
// as it stands, so bit 8 is bit 0 of the next byte.
TEST(PreCheck, AddressesOutsideTheirAreaAreIllegal) {
    RunCases({
        {"last Y byte", {"... (Y047.7)"}, Pass()},
        {"Y beyond its 48 bytes", {"... (Y048.0)"}, Fail(1006, 0)},
        {"G beyond its 64 bytes", {"... (G064.0)"}, Fail(1006, 0)},
        {"R beyond its 512 bytes", {"... (R512.0)"}, Fail(1006, 0)},
        {"last R byte", {"... (R511.7)"}, Pass()},
        {"K beyond its 64 bytes", {"... (K064.0)"}, Fail(1006, 0)},
        {"last K byte", {"... (K063.7)"}, Pass()},
        {"A beyond its 32 bytes", {"... (A032.0)"}, Fail(1006, 0)},
        {"negative byte", {"... (Y-01.0)"}, Fail(1006, 0)},
        {"huge byte", {"... (Y99999)"}, Fail(1006, 0)},
        {"bit 8 past the end of the map", {"... (A031.8)"}, Fail(1006, 0)},
        {"bit 9 of the last A byte", {"... (A031.9)"}, Fail(1006, 0)},
        {"bit 8 reaches the next byte", {"... (Y000.8)", "... (Y001.0)"}, Fail(1027, 1)},
        {"bit 8 of the last Y byte reaches G000.0",
         {"... (G000.0)", "... (Y047.8)"},
         Fail(1027, 1)},
        {"no point", {"... (Y000)"}, Fail(1006, 0)},
        {"point last", {"... (Y000.)"}, Fail(1006, 0)},
        {"letter after the point", {"... (Y000.x)"}, Fail(1006, 0)},
        {"byte number read as atoi does", {"... (Y1.0)", "... (Y001.0)"}, Fail(1027, 1)},
    });
}

TEST(PreCheck, NumberedBoxesClaimTheirNumberOnce) {
    const std::string_view ctr5 = "X000.0 [CTR 5] # ... (Y000.0)";
    const std::string_view ctr5b = "X000.1 [CTR 5] # ... (Y000.1)";
    const std::string_view below = ". # #";
    const std::string_view tmr5 = "X000.2 [TMR 5] # ... (Y000.2)";
    const std::string_view tmrc5 = "X000.3 [TMRC 1 5] # # ... (Y000.3)";
    const std::string_view tmrb5 = "X000.4 [TMRB 1 5] # # # ... (Y000.4)";
    const std::string_view tmrb5b = "X000.5 [TMRB 2 5] # # # ... (Y000.5)";
    const std::string_view belowWide = ". # # # #";
    RunCases({
        {"CTR 5 alone", {ctr5, below, below, below}, Pass()},
        {"CTR without a number",
         {"X000.0 [CTR _] # ... (Y000.0)", below, below, below},
         Fail(1013, 0)},
        {"CTR 127", {"X000.0 [CTR 127] # ... (Y000.0)", below, below, below}, Pass()},
        {"CTR 128", {"X000.0 [CTR 128] # ... (Y000.0)", below, below, below}, Fail(1013, 0)},
        {"two CTR 5", {ctr5, below, below, below, ctr5b, below, below, below}, Fail(1014, 4)},
        {"CTR 5 and TMR 5", {ctr5, below, below, below, tmr5, below}, Pass()},
        {"TMR 5 and TMRC 5 share numbers", {tmr5, below, tmrc5, belowWide}, Fail(1019, 2)},
        {"TMR 5 and TMRB 5 do not", {tmr5, below, tmrb5, belowWide}, Pass()},
        {"two TMRB 5", {tmrb5, belowWide, tmrb5b, belowWide}, Fail(1019, 2)},
        {"TMRC 128", {"X000.0 [TMRC 1 128] # # ... (Y000.0)", belowWide}, Fail(1013, 0)},
        {"DIFU 255", {"X000.0 [DIFU 255] # ... (Y000.0)"}, Pass()},
        {"DIFU 256", {"X000.0 [DIFU 256] # ... (Y000.0)"}, Fail(1034, 0)},
        {"DIFD without a number", {"X000.0 [DIFD _] # ... (Y000.0)"}, Fail(1034, 0)},
        {"two DIFU 3",
         {"X000.0 [DIFU 3] # ... (Y000.0)", "X000.1 [DIFU 3] # ... (Y000.1)"},
         Fail(1034, 1)},
        {"DIFU 3 and DIFD 3 share numbers",
         {"X000.0 [DIFU 3] # ... (Y000.0)", "X000.1 [DIFD 3] # ... (Y000.1)"},
         Fail(1034, 1)},
        {"a box in a row without output is not registered",
         {"X000.0 [DIFU 3] # ... --", "X000.1 [DIFU 3] # ... (Y000.1)"},
         Pass()},
    });
}

// Labels and subprograms are registered from column 4 only, and only from a box's name cell
// there: a box starting in column 3 has its parameter in column 4 and is left alone.
TEST(PreCheck, LabelsAndSubprogramsAreRegisteredFromTheBoxHeadInColumnFour) {
    const std::string_view lbl5 = "-- -- -- -- [LBL 5] # -- --";
    const std::string_view sp5 = "-- -- -- -- [SP 5] # -- --";
    RunCases({
        {"LBL 5 once", {lbl5}, Pass()},
        {"LBL 5 twice", {lbl5, lbl5}, Fail(1015, 1)},
        {"LBL 99", {"-- -- -- -- [LBL 99] # -- --"}, Pass()},
        {"LBL 100", {"-- -- -- -- [LBL 100] # -- --"}, Fail(1013, 0)},
        {"LBL without a number", {"-- -- -- -- [LBL _] # -- --"}, Fail(1013, 0)},
        {"SP 5 twice", {sp5, sp5}, Fail(1040, 1)},
        {"LBL 5 and SP 5", {lbl5, sp5}, Pass()},
        {"LBL with its head in column 3",
         {"-- -- -- [LBL 5] # -- -- --", "-- -- -- [LBL 5] # -- -- --"},
         Pass()},
        {"SP with its head in column 3", {"-- -- -- [SP _] # -- -- --"}, Pass()},
        {"LBL in column 2", {"-- -- [LBL 5] # -- -- -- --", lbl5}, Pass()},
        {"LBL in column 4 of a row with an output",
         {"-- -- -- -- [LBL 5] # -- (Y000.0)", lbl5},
         Pass()},
    });

    auto column3 = Check({"-- -- -- [LBL 5] # -- -- --"});
    EXPECT_EQ(column3.compiler->lblUsed[5], 0);
    auto column4 = Check({lbl5});
    EXPECT_EQ(column4.compiler->lblUsed[5], 1);
}

TEST(PreCheck, End1AndEnd2MustBothBeThere) {
    struct EndCase {
        std::string what;
        std::vector<std::string_view> rows;
        Outcome expected;
    };
    for (const EndCase& c : std::vector<EndCase>{
             {"both", {"... (Y000.0)", End1, End2}, Pass()},
             {"reverse order", {End2, End1}, Pass()},
             {"no END1", {"... (Y000.0)", End2, "X000.0 ..."}, Fail(1005, 2)},
             {"no END2", {End1, "X000.0 ... (Y000.0)"}, Fail(1005, 1)},
             {"END1 outside column 4", {"-- -- -- [END1] -- -- -- --", End2}, Fail(1005, 1)},
             {"END1 in a row with an output",
              {"-- -- -- -- [END1] -- -- (Y000.0)", End2},
              Fail(1005, 1)},
             {"empty ladder", {}, Fail(1005, -1)},
         }) {
        const auto checked = Check(c.rows, false);
        EXPECT_EQ(checked.outcome, c.expected) << c.what;
        if (c.expected.row == -1) {
            EXPECT_EQ(checked.compiler->ReportLine(),
                      "梯图第0000行  错误代号 1005 功能指令END1或END2未正确使用");
        }
    }
}

TEST(PreCheck, SkipsDataTablesAndRowsWithoutOutput) {
    RunCases({
        {"data-table rows are not outputs",
         {"X000.0 -- [COD 1 2 R0010 R0020] # # # (Y000.0)", ". # # # # #", "CODT 1 2 3 4 5 6 7 8",
          "CODT 9 9 9 9 9 9 9 9"},
         Pass()},
        {"an empty coil column", {"X000.0 --", "X000.1 -- -- (Y000.0)"}, Pass()},
    });
}

TEST(PreCheck, RebuildsTheRegistriesFromScratch) {
    auto checked = Check({"X000.0 [CTR 5] # ... (Y000.0)", ". # #", ". # #", ". # #",
                          "X000.2 [TMRC 1 6] # # ... (Y000.3)", ". # # #",
                          "X000.2 [DIFD 7] # ... (Y000.4)", "-- -- -- -- [SP 8] # -- --"});
    ASSERT_TRUE(checked.outcome.passed);
    LadderCompiler& compiler = *checked.compiler;
    EXPECT_EQ(compiler.ctrUsed[5], 1);
    EXPECT_EQ(compiler.tmrUsed[6], 1);
    EXPECT_EQ(compiler.difUsed[7], 1);
    EXPECT_EQ(compiler.spUsed[8], 1);

    compiler.ctrUsed[9] = 1;
    compiler.tmrbUsed[9] = 1;
    compiler.lblUsed[9] = 1;
    compiler.difUsed[9] = 1;
    ASSERT_TRUE(compiler.PreCheck());
    EXPECT_EQ(compiler.ctrUsed[9], 0);
    EXPECT_EQ(compiler.tmrbUsed[9], 0);
    EXPECT_EQ(compiler.lblUsed[9], 0);
    EXPECT_EQ(compiler.difUsed[9], 0);
    EXPECT_EQ(compiler.ctrUsed[5], 1); // a second run claims again without a duplicate
}

class RegisterNumberTest : public ::testing::Test {
protected:
    std::unique_ptr<LadderCompiler> compiler = std::make_unique<LadderCompiler>();

    static LadderCell CellOf(ElementCode code, int number = -1) {
        LadderCell cell;
        cell.code = code;
        cell.number = static_cast<std::int16_t>(number);
        return cell;
    }
};

TEST_F(RegisterNumberTest, EditorClaimsTheNewNumberAndReleasesTheOld) {
    LadderCell timer = CellOf(0x1901);
    EXPECT_FALSE(compiler->RegisterNumber(timer, 5, 3, false));
    EXPECT_EQ(timer.number, 5);
    EXPECT_EQ(compiler->tmrUsed[5], 1);

    EXPECT_FALSE(compiler->RegisterNumber(timer, 5, 3, false)); // already its own
    EXPECT_EQ(compiler->tmrUsed[5], 1);

    EXPECT_FALSE(compiler->RegisterNumber(timer, 7, 3, false));
    EXPECT_EQ(timer.number, 7);
    EXPECT_EQ(compiler->tmrUsed[7], 1);
    EXPECT_EQ(compiler->tmrUsed[5], 0);
    EXPECT_EQ(compiler->errorCount, 0);
}

TEST_F(RegisterNumberTest, RefusalsLeaveCellAndRegistryAlone) {
    LadderCell timer = CellOf(0x1901, 7);
    compiler->tmrUsed[7] = 1;
    LadderCell other = CellOf(0x4202, 9); // TMRC shares the TMR numbers
    compiler->tmrUsed[9] = 1;

    EXPECT_TRUE(compiler->RegisterNumber(other, 7, 12, false));
    EXPECT_EQ(other.number, 9);
    EXPECT_EQ(compiler->tmrUsed[9], 1);
    EXPECT_EQ(compiler->errors[0].code, 1019);
    EXPECT_EQ(compiler->errors[0].row, 12);
    EXPECT_EQ(compiler->errors[0].source, 0);

    EXPECT_TRUE(compiler->RegisterNumber(timer, 128, 13, false));
    EXPECT_TRUE(compiler->RegisterNumber(timer, -1, 14, false));
    EXPECT_EQ(timer.number, 7);
    EXPECT_EQ(compiler->tmrUsed[7], 1);
    EXPECT_EQ(compiler->errorCount, 3);
    EXPECT_EQ(compiler->errors[1].code, 1013);
    EXPECT_EQ(compiler->errors[2].row, 14);
}

TEST_F(RegisterNumberTest, RangeAndDuplicateCodesFollowTheKind) {
    struct Case {
        ElementCode code;
        int limit;
        int rangeCode;
        int duplicateCode;
    };
    for (const Case c : {Case{0x1001, 128, 1013, 1014}, Case{0x1901, 128, 1013, 1019},
                         Case{0x4202, 128, 1013, 1019}, Case{0x4102, 128, 1013, 1019},
                         Case{0x3401, 100, 1013, 1015}, Case{0x1501, 100, 1013, 1040},
                         Case{0x2701, 256, 1034, 1034}, Case{0x2801, 256, 1034, 1034}}) {
        compiler = std::make_unique<LadderCompiler>();
        LadderCell first = CellOf(c.code);
        LadderCell second = CellOf(c.code);
        EXPECT_FALSE(compiler->RegisterNumber(first, c.limit - 1, 0, false)) << std::hex << c.code;
        EXPECT_TRUE(compiler->RegisterNumber(second, c.limit - 1, 1, false));
        EXPECT_TRUE(compiler->RegisterNumber(second, c.limit, 2, false));
        ASSERT_EQ(compiler->errorCount, 2);
        EXPECT_EQ(compiler->errors[0].code, c.duplicateCode) << std::hex << c.code;
        EXPECT_EQ(compiler->errors[1].code, c.rangeCode) << std::hex << c.code;
    }
}

TEST_F(RegisterNumberTest, OtherKindsAreNotNumbered) {
    for (ElementCode code : {ElementCode{0x2001}, ElementCode{0x0300}, ElementCode{0x1401},
                             ElementCode{0x3301}, ElementCode{0x0000}}) {
        LadderCell cell = CellOf(code, 4);
        EXPECT_FALSE(compiler->RegisterNumber(cell, 9999, 0, false));
        EXPECT_EQ(cell.number, 4);
    }
    EXPECT_EQ(compiler->errorCount, 0);
}

// From the checks, a number already flagged is a duplicate even when the cell holds it.
TEST_F(RegisterNumberTest, RebuildNeverTakesTheCellsOwnNumberForGranted) {
    LadderCell counter = CellOf(0x1001, 5);
    compiler->ctrUsed[5] = 1;
    EXPECT_TRUE(compiler->RegisterNumber(counter, 5, 0, true));
    EXPECT_EQ(compiler->errors[0].code, 1014);

    LadderCell moved = CellOf(0x1001, 6);
    compiler->ctrUsed[6] = 1;
    EXPECT_FALSE(compiler->RegisterNumber(moved, 8, 0, true));
    EXPECT_EQ(compiler->ctrUsed[6], 1); // rebuilding never releases
    EXPECT_EQ(moved.number, 8);
}

TEST(IsReservedOutput, ReservedAddresses) {
    struct Case {
        std::string_view text;
        bool reserved;
    };
    for (const Case c :
         {Case{"G063.7", true}, Case{"G063.6", false}, Case{"G062.7", false}, Case{"K000.0", true},
          Case{"K005.7", true}, Case{"K006.0", false}, Case{"R255.0", true}, Case{"R255.7", true},
          Case{"R254.7", false}, Case{"Y063.7", false}, Case{"", false}, Case{"K", true},
          Case{"G63.7", true}}) {
        EXPECT_EQ(LadderCompiler::IsReservedOutput(c.text), c.reserved) << c.text;
    }
}

} // namespace
} // namespace velmora
