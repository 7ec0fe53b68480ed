#include "ConversionFixture.h"

#include "model/ElementCatalogue.h"

#include <string>
#include <vector>

namespace velmora::testing {
namespace {

using ConvertDriver = Conversion;

TEST_F(ConvertDriver, FailedPreCheckLeavesTheInstructionListAlone) {
    compiler.lines = {"kept"};
    program = Ladder({"X000.0 ... (Y000.0)"});
    program->lastStep = 77;
    compiler.program = program.get();
    EXPECT_EQ(compiler.Convert(), -1);
    EXPECT_EQ(compiler.errors[compiler.errorCount - 1u].code, 1005);
    EXPECT_EQ(compiler.lines, std::vector<std::string>{"kept"});
    EXPECT_EQ(program->lastStep, 77);
}

TEST_F(ConvertDriver, FailedConversionKeepsTheLastStepWord) {
    auto ladder = Ladder(WithEnds({". X000.0 ... (Y000.0)"}));
    ladder->lastStep = 77;
    const Outcome outcome = Run(std::move(ladder));
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.code, 1009);
    EXPECT_EQ(program->lastStep, 77);
}

TEST_F(ConvertDriver, EveryConversionStartsFromAnEmptyList) {
    Run({"X000.0 ... (Y000.0)"});
    const Outcome again = Run({"X000.1 ... (Y000.1)"});
    EXPECT_EQ(again.lines,
              (std::vector<std::string>{Line("RD", "X000.1", 1), Line("WRT", "Y000.1", 1)}));
}

// Rows of seven contacts and a coil: eight lines each.
std::vector<std::string> EightLineRows(int rows) {
    std::vector<std::string> picture;
    for (int r = 0; r < rows; ++r) {
        char coil[16];
        std::snprintf(coil, sizeof coil, "(R%03d.%d)", r / 8, r % 8);
        picture.push_back(std::string("X000.0 X000.1 X000.2 X000.3 X000.4 X000.5 X000.6 ") + coil);
    }
    return picture;
}

TEST_F(ConvertDriver, TheSixThousandthLineIsTheLast) {
    const Outcome below = Generate(EightLineRows(749)); // 5992 lines, END1 and END2 fit
    EXPECT_EQ(below.code, 0);
    EXPECT_EQ(compiler.lines.size(), 5994u);

    const Outcome full = Generate(EightLineRows(750)); // 6000 lines, END1 is one too many
    EXPECT_EQ(full.result, 0);
    EXPECT_EQ(full.code, 1004);
    EXPECT_EQ(full.row, 6001);
    ASSERT_EQ(full.lines.size(), 6000u);
    EXPECT_EQ(full.lines.back(), Line("WRT", "R093.5", 750));
}

TEST_F(ConvertDriver, LineTextMustStayUnderFiftyCharacters) {
    compiler.lines = {"a", "b"};
    EXPECT_TRUE(compiler.EmitLine(std::string(49, 'x'), 0));
    EXPECT_EQ(compiler.lines.back(), std::string(49, 'x') + "     1");
    EXPECT_EQ(compiler.errorCount, 0);

    EXPECT_FALSE(compiler.EmitLine(std::string(50, 'x'), 0));
    ASSERT_EQ(compiler.errorCount, 1);
    EXPECT_EQ(compiler.errors[0].code, 1004);
    EXPECT_EQ(compiler.errors[0].row, 3);
    EXPECT_EQ(compiler.lines.size(), 3u);
}

// Faults in the plain reading of the walk that would pass for a success, give wrong lines or
// loop: each now stops the conversion with a diagnostic.

TEST_F(ConvertDriver, GeneratorFailingWithoutDiagnosticFailsTheConversion) {
    // The link in the last row leads out of the ladder; the branch analysis gives up silently.
    const Outcome outcome = Run(Ladder({
        ". . . . [END1] ...",
        ". . . . [END2] ...",
        "X000.0  X000.1+ ... (Y000.0)",
        "X000.2+ X000.3",
    }));
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(compiler.errorCount, 1);
    EXPECT_EQ(outcome.code, 1016);
    EXPECT_EQ(outcome.row, 3);
}

TEST_F(ConvertDriver, DataTableRowWithoutItsHeadIsAnIncompleteNetwork) {
    struct Case {
        const char* name;
        int column;
        ElementCode code;
        int tableRows;
    };
    for (const Case c :
         {Case{"lower table row alone", 0, CellCode(Kind::CODT, 1, 0), 2},
          Case{"table cell inside a contact row", 3, CellCode(Kind::CODT, 0, 3), 1},
          Case{"head of a table without rows", 0, CellCode(Kind::CODT, 0, 0), 0},
          Case{"head with a negative row count", 0, CellCode(Kind::CODT, 0, 0), -5}}) {
        SCOPED_TRACE(c.name);
        auto ladder = Ladder(WithEnds({"X000.0 ... (Y000.0)", "X000.1 X000.2 X000.3 -- ... --"}));
        LadderCell& cell = ladder->Row(1)[c.column];
        cell.code = c.code;
        cell.tableRows = c.tableRows;
        const Outcome outcome = Run(std::move(ladder));
        EXPECT_EQ(outcome.result, 0);
        EXPECT_EQ(outcome.code, 1016);
        EXPECT_EQ(outcome.row, 2);
        EXPECT_EQ(outcome.lines,
                  (std::vector<std::string>{Line("RD", "X000.0", 1), Line("WRT", "Y000.0", 1)}));
    }
}

TEST_F(ConvertDriver, BoxInColumnZeroIsABoxNotADataTable) {
    const Outcome label = Run({"[LBL 4] ... --"});
    EXPECT_EQ(label.code, 0);
    EXPECT_EQ(label.lines, std::vector<std::string>{Bare("LBL       4", 1)});

    // A box that needs conditions has no room for them.
    const Outcome set = Run({"[SET R100.0] ... --"});
    EXPECT_EQ(set.result, 0);
    EXPECT_EQ(set.code, 1017);
    EXPECT_EQ(set.row, 1);
    EXPECT_TRUE(set.lines.empty());
}

TEST_F(ConvertDriver, BoxBelowTheFirstRowOfItsNetworkIsUnsupported) {
    struct Case {
        const char* name;
        std::vector<std::string> picture;
    };
    const std::vector<Case> cases = {
        {"box reached through a link from a coil row",
         {"X000.0+ ... (Y000.0)", //
          "X000.1 [SET R100.1] ..."}},
        {"second box under a one-row box",
         {"X000.0+ [SET R100.0] ...", //
          "X000.1 [RST R100.1] ..."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = Run(c.picture);
        EXPECT_EQ(outcome.result, 0);
        EXPECT_EQ(outcome.code, 1017);
        EXPECT_EQ(outcome.row, 2);
        EXPECT_TRUE(outcome.lines.empty());
    }
}

TEST_F(ConvertDriver, BoxFoundBelowIsReportedBeforeTheNetworkIsMeasured) {
    // A 150-row chain with a box in row 121: the box stops the walk, not the row count.
    std::vector<std::string> picture;
    for (int r = 0; r < 150; ++r) {
        picture.push_back(r == 0     ? "X000.0+ ... (Y000.0)"
                          : r == 120 ? "X000.1+ [SET R100.1] ..."
                                     : "X000.1+");
    }
    picture.push_back("X000.2");
    const Outcome outcome = Run(picture);
    EXPECT_EQ(outcome.code, 1017);
    EXPECT_EQ(outcome.row, 121);
}

TEST_F(ConvertDriver, HeadlessTableRowBelowANetworkIsIncompleteRatherThanUnsupported) {
    auto ladder = Ladder(WithEnds({"X000.0+ ... (Y000.0)", "X000.1"}));
    ladder->Row(1)[4].code = CellCode(Kind::CODT, 1, 4);
    const Outcome outcome = Run(std::move(ladder));
    EXPECT_EQ(outcome.code, 1016);
    EXPECT_EQ(outcome.row, 2);
}

} // namespace
} // namespace velmora::testing
