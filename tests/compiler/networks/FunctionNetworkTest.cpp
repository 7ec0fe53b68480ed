#include "ConversionFixture.h"

#include "model/ElementCatalogue.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace velmora::testing {
namespace {

using FunctionNetworks = Conversion;

struct BoxCase {
    const char* mnemonic;
    const char* parameters;
    const char* line; // the box line without its row suffix
};

const FunctionInfo& InfoOf(std::string_view mnemonic) {
    return *std::find_if(FunctionTable.begin(), FunctionTable.end(),
                         [&](const FunctionInfo& f) { return f.mnemonic == mnemonic; });
}

// The box in column 1 of row 1, a contact in column 0 of each condition row when the box takes
// conditions, its coil R100.0 when it has an output.
std::vector<std::string> BoxPicture(const FunctionInfo& f, const std::string& parameters) {
    const int code = CellCode(f.kind, 0, 0);
    const bool conditions = LadderCompiler::NeedsCondition(code);
    std::string first = conditions ? "X000.0 [" : ". [";
    first.append(f.mnemonic);
    if (!parameters.empty()) {
        first.append(" ").append(parameters);
    }
    first.append("] ... ").append(LadderCompiler::HasOutput(code) ? "(R100.0)" : "--");
    std::vector<std::string> rows = {first};
    for (int r = 1; r < std::max(f.height, f.inputRows); ++r) {
        rows.push_back(conditions && r < f.inputRows ? "X000." + std::to_string(r) : "");
    }
    return rows;
}

TEST_F(FunctionNetworks, EveryBoxKindGivesItsNameAndParametersFromColumnTen) {
    const std::vector<BoxCase> cases = {
        {"CTR", "5", "CTR       5"},
        {"ROT", "1 R0100 R0101 R0102", "ROT       1 R0100 R0101 R0102"},
        {"COMP", "1 R0010 R0011", "COMP      1 R0010 R0011"},
        {"MOVN", "2 R0010 R0020", "MOVN      2 R0010 R0020"},
        {"CALL", "3", "CALL      3"},
        {"SP", "3", "SP        3"},
        {"SPE", "", "SPE"},
        {"DSCH", "1 R0010 R0011 R0012 R0013", "DSCH      1 R0010 R0011 R0012 R0013"},
        {"COIN", "1 R0010 R0011", "COIN      1 R0010 R0011"},
        {"TMR", "1", "TMR       1"},
        {"ADD", "1 R0010 R0011 R0012", "ADD       1 R0010 R0011 R0012"},
        {"SUB", "2 R0010 100 R0012", "SUB       2 R0010 100 R0012"},
        {"XMOV", "1 R0010 R0011 R0012 R0013", "XMOV      1 R0010 R0011 R0012 R0013"},
        {"END1", "", "END1"},
        {"END2", "", "END2"},
        {"DEC", "1 R0010 3 R0012", "DEC       1 R0010 3 R0012"},
        {"COD", "1 4 R0010 R0012", "COD       1 4 R0010 R0012"},
        {"DIFU", "1", "DIFU      1"},
        {"DIFD", "2", "DIFD      2"},
        {"EOR", "1 R0010 255 R0012", "EOR       1 R0010 255 R0012"},
        {"ANDF", "1 R0010 255 R0012", "ANDF      1 R0010 255 R0012"},
        {"ORF", "1 R0010 255 R0012", "ORF       1 R0010 255 R0012"},
        {"NOT", "1 R0010 R0012", "NOT       1 R0010 R0012"},
        {"JMPB", "4", "JMPB      4"},
        {"LBL", "4", "LBL       4"},
        {"RST", "R100.2", "RST       R100.2"},
        {"SET", "R100.2", "SET       R100.2"},
        {"SFT", "R0010 1", "SFT       R0010 1"},
        {"COM", "", "COM"},
        {"COME", "", "COME"},
        {"TMRB", "1 2 100", "TMRB      1 2 100"},
        {"TMRC", "1 2", "TMRC      1 2"},
        {"CALLU", "3", "CALLU     3"},
        {"MOVB", "R0010 R0011", "MOVB      R0010 R0011"},
        {"MOVW", "R0010 R0012", "MOVW      R0010 R0012"},
        {"AXCTL", "1 R0010", "AXCTL     1 R0010"},
    };
    ASSERT_EQ(cases.size(), FunctionTable.size() - 1) << "every kind but the data table";
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.mnemonic);
        const FunctionInfo& f = InfoOf(c.mnemonic);
        const int code = CellCode(f.kind, 0, 0);
        std::vector<std::string> expected;
        if (LadderCompiler::NeedsCondition(code)) {
            for (int r = 0; r < f.inputRows; ++r) {
                expected.push_back(Line("RD", "X000." + std::to_string(r), r + 1));
            }
        }
        expected.push_back(Bare(c.line, 1));
        if (LadderCompiler::HasOutput(code)) {
            expected.push_back(Line("WRT", "R100.0", 1));
        }
        const Outcome outcome = Generate(BoxPicture(f, c.parameters));
        EXPECT_EQ(outcome.code, 0) << outcome.row;
        EXPECT_EQ(outcome.lines, expected);
    }
}

TEST_F(FunctionNetworks, TimerTakesItsSeriesAndDrivesItsCoil) {
    const Outcome outcome = Run({
        "X000.0 X000.1 [TMR 5] ... (R100.0)",
        "",
    });
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.lines,
              (std::vector<std::string>{Line("RD", "X000.0", 1), Line("AND", "X000.1", 1),
                                        Bare("TMR       5", 1), Line("WRT", "R100.0", 1)}));
}

TEST_F(FunctionNetworks, CounterTakesOneSeriesPerConditionRow) {
    const Outcome outcome = Run({
        "X000.0  X000.1 [CTR 5] ... (R100.0)",
        "X000.2  X000.3",
        "/X000.4 X000.5",
        "X000.6  --",
    });
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.lines, (std::vector<std::string>{
                                 Line("RD", "X000.0", 1),
                                 Line("AND", "X000.1", 1),
                                 Line("RD", "X000.2", 2),
                                 Line("AND", "X000.3", 2),
                                 Line("RD.NOT", "X000.4", 3),
                                 Line("AND", "X000.5", 3),
                                 Line("RD", "X000.6", 4),
                                 Bare("CTR       5", 1),
                                 Line("WRT", "R100.0", 1),
                             }));
}

TEST_F(FunctionNetworks, ParallelConditionsFeedAOneRowBox) {
    const Outcome outcome = Run({
        "X000.0+ [SET R100.0] ...",
        "X000.1",
    });
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.lines,
              (std::vector<std::string>{Line("RD", "X000.0", 1), Line("OR", "X000.1", 2),
                                        Bare("SET       R100.0", 1)}));
}

TEST_F(FunctionNetworks, BoxesWithoutConditionsIgnoreWhatStandsLeftOfThem) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"[SP 3]", "SP        3"},
        {"[LBL 4]", "LBL       4"},
        {"[END1]", "END1"},
        {"[END2]", "END2"},
    };
    for (const auto& [box, line] : cases) {
        SCOPED_TRACE(box);
        const Outcome outcome = Generate({"X000.0 /X000.1 . " + box + " ... --"});
        EXPECT_EQ(outcome.code, 0);
        EXPECT_EQ(outcome.lines, std::vector<std::string>{Bare(line, 1)});
    }
}

TEST_F(FunctionNetworks, DataTableGivesLinesOfFourValuesWithTheirOwnRows) {
    const Outcome outcome = Generate({
        "X000.0 [COD 1 4 R0010 R0012] ... (R100.0)",
        "X000.1",
        "CODT 1 2 3 4 5 6 7 8",
        "CODT 9 10 11 12 13 14 15 16",
    });
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.lines, (std::vector<std::string>{
                                 Line("RD", "X000.0", 1),
                                 Line("RD", "X000.1", 2),
                                 Bare("COD       1 4 R0010 R0012", 1),
                                 Line("WRT", "R100.0", 1),
                                 Bare("CODT      1 2 3 4", 3),
                                 Bare("CODT      5 6 7 8", 3),
                                 Bare("CODT      9 10 11 12", 4),
                                 Bare("CODT      13 14 15 16", 4),
                             }));
}

TEST_F(FunctionNetworks, EndOneStoresItsRowInTheLadderHeader) {
    const Outcome outcome = Run(std::vector<std::string>(11, ""));
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(program->end1Row, 12);
}

TEST(BoxProperties, AnswerForExactNameCodesOnly) {
    const std::vector<std::string_view> noConditions = {"SP",  "SPE",  "END1", "END2",
                                                        "LBL", "COME", "CODT", "CALLU"};
    const std::vector<std::string_view> outputs = {
        "CTR", "ROT",  "COMP", "MOVN", "DSCH", "COIN", "TMR",  "ADD",  "SUB",  "XMOV",
        "COD", "DIFU", "DIFD", "SFT",  "TMRB", "TMRC", "MOVB", "MOVW", "AXCTL"};
    for (const FunctionInfo& f : FunctionTable) {
        SCOPED_TRACE(f.mnemonic);
        const int code = CellCode(f.kind, 0, 0);
        const bool needs =
            std::find(noConditions.begin(), noConditions.end(), f.mnemonic) == noConditions.end();
        const bool out = std::find(outputs.begin(), outputs.end(), f.mnemonic) != outputs.end();
        EXPECT_EQ(LadderCompiler::NeedsCondition(code), needs);
        EXPECT_EQ(LadderCompiler::HasOutput(code), out);
        // A lower-row cell of the same box is no code of the table.
        EXPECT_TRUE(LadderCompiler::NeedsCondition(CellCode(f.kind, 1, 0)));
        EXPECT_FALSE(LadderCompiler::HasOutput(CellCode(f.kind, 1, 0)));
    }
    for (int code : {0, 0x0300, 0x2300, 0x7300, 0xFF00}) {
        EXPECT_TRUE(LadderCompiler::NeedsCondition(code)) << code;
        EXPECT_FALSE(LadderCompiler::HasOutput(code)) << code;
    }
}

} // namespace
} // namespace velmora::testing
