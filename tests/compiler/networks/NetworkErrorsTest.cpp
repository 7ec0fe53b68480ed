#include "ConversionFixture.h"

#include <string>
#include <vector>

namespace velmora::testing {
namespace {

using NetworkErrors = Conversion;

struct ErrorCase {
    const char* name;
    std::vector<std::string> picture;
    int code;
    int row; // 1-based, as reported
};

TEST_F(NetworkErrors, EachFaultIsReportedWithItsCodeAndRow) {
    const std::vector<ErrorCase> cases = {
        // Series and coils.
        {"contact without operand", {"/ ... (Y000.0)"}, 1001, 1},
        {"empty cell in a series", {". X000.0 ... (Y000.0)"}, 1009, 1},
        {"empty cell in a series feeding a box", {". X000.0 [TMR 1] ... (R100.0)"}, 1008, 1},
        {"lines only feeding a coil", {"-- -- ... (Y000.0)"}, 1017, 1},
        {"no coil at the end of the network", {"X000.0 ... --"}, 1006, 1},
        {"second coil not hung from cell 6",
         {"X000.0+ ... (Y000.0)", //
          "X000.1 . . . . . . (Y000.1)"},
         1006,
         2},
        {"link hanging from a blank row",
         {"X000.0 ... (Y000.0)", //
          ".", ".+", "X000.1 ... (Y000.1)"},
         1030,
         3},

        // Blocks.
        {"element under the first row of the last series segment, coil beside it",
         {"X000.0+ ... (Y000.0)", //
          "X000.1 X000.2 . . . . . (Y000.1)"},
         1006,
         2},
        {"element under the first row of the last series segment, no coil",
         {"X000.0+ ... (Y000.0)", //
          "X000.1 X000.2"},
         1024,
         2},
        {"lines only below a nested link",
         {"X000.0 X000.1+ ... (Y000.0)", //
          "X000.2+ X000.3", "--"},
         1024,
         3},
        {"partly filled branch row",
         {"X000.0 X000.1+ ... (Y000.0)", //
          "X000.2 ."},
         1009,
         2},
        {"nested link not closed on the right",
         {"X000.0 X000.1 X000.2+ ... (Y000.0)", //
          "X000.3+ X000.4 X000.5", "X000.6 X000.7 X001.0 X001.1"},
         1017,
         3},
        {"crossing links between segments",
         {"X000.0+ X000.1+ X000.2 X000.3+ -- -- -- (Y000.0)", //
          "X000.4+ X000.5 X000.6+ X000.7", "X001.0 X001.1 X001.2 X001.3"},
         1017,
         2},
        {"merge column taken up again lower down",
         {"X000.0+ X000.1 ... (Y000.0)", //
          "X000.2 X000.3+", "X000.4+ X000.5", "X000.6 X000.7"},
         1016,
         1},
        {"merge link ending beside two empty cells",
         {"X000.0+ -- ... (Y000.0)", //
          "."},
         1030,
         1},
        {"through-line in parallel with contacts",
         {"X000.0 X000.1+ ... (Y000.0)", //
          "-- --"},
         1041,
         2},

        // Boxes.
        {"box without output drives a coil", {"X000.0 [SET R100.0] ... (R100.1)"}, 1025, 1},
        {"box with output ends in a line", {"X000.0 [TMR 1] ..."}, 1025, 1},
        {"first parameter missing", {"X000.0 [MOVB _ R0011] ... (R100.0)"}, 1022, 1},
        {"later parameter missing",
         {"X000.0 [ADD 1 R0010 _ R0012] ... (R100.0)", //
          "X000.1"},
         1020,
         1},
        {"gap right of the box", {"X000.0 [SET R100.0] # . -- -- -- --"}, 1008, 1},
        {"element right of the box in a later condition row",
         {"X000.0 [CTR 1] ... (R100.0)", //
          "X000.1 # # X000.5", "X000.2", "X000.3"},
         1008,
         2},
        {"coil under a box not hung from cell 6",
         {"X000.0 [TMR 1] ... (R100.0)", //
          "# # . . . . . (R100.1)"},
         1025,
         2},
        {"parallel input into a two-row box",
         {"X000.0+ [TMR 1] ... (R100.0)", //
          "X000.1"},
         1024,
         2},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = Run(c.picture);
        EXPECT_EQ(outcome.result, 0);
        EXPECT_EQ(outcome.code, c.code);
        EXPECT_EQ(outcome.row, c.row);
    }
}

TEST_F(NetworkErrors, MergeColumnFaultIsReportedAsIncompleteNetwork) {
    // The column check finds the link of row 3 taking column 0 up again; the block then
    // cannot be split and that is what the report shows.
    Run({
        "X000.0+ X000.1 ... (Y000.0)",
        "X000.2 X000.3+",
        "X000.4+ X000.5",
        "X000.6 X000.7",
    });
    ASSERT_EQ(compiler.errorCount, 2);
    EXPECT_EQ(compiler.errors[0].code, 1017);
    EXPECT_EQ(compiler.errors[0].row, 2);
    EXPECT_EQ(compiler.errors[1].code, 1016);
    EXPECT_EQ(compiler.errors[1].row, 0);
}

TEST_F(NetworkErrors, WrongVerticalLineStopsAfterTheNetworkItWasFoundIn) {
    const Outcome outcome = Run({
        "X000.0+ -- ... (Y000.0)",
        ".",
        "X000.1 ... (Y000.1)",
    });
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.code, 1030);
    EXPECT_EQ(outcome.lines,
              (std::vector<std::string>{Line("RD", "X000.0", 1), Line("WRT", "Y000.0", 1)}));
}

} // namespace
} // namespace velmora::testing
