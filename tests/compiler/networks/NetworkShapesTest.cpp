#include "ConversionFixture.h"

#include <string>
#include <vector>

namespace velmora::testing {
namespace {

using NetworkShapes = Conversion;

struct ShapeCase {
    const char* name;
    std::vector<std::string> picture;
    std::vector<std::string> lines;
};

TEST_F(NetworkShapes, WorkedShapesGiveTheirLines) {
    const std::vector<ShapeCase> cases = {
        {"series with a closed contact",
         {"X000.0 /X000.1 ... (Y000.0)"},
         {Line("RD", "X000.0", 1), Line("AND.NOT", "X000.1", 1), Line("WRT", "Y000.0", 1)}},
        {"one contact in parallel",
         {"X000.0+ ... (Y000.0)", //
          "X000.1"},
         {Line("RD", "X000.0", 1), Line("OR", "X000.1", 2), Line("WRT", "Y000.0", 1)}},
        {"parallel pair after a contact",
         {"X000.0+ X000.1+ ... (Y000.0)", //
          ".       X000.2"},
         {Line("RD", "X000.0", 1), Line("RD", "X000.1", 1), Line("OR", "X000.2", 2),
          Bare("AND.STK", 1), Line("WRT", "Y000.0", 1)}},
        {"two series branches",
         {"X000.0 X000.1+ ... (Y000.0)", //
          "X000.2 X000.3"},
         {Line("RD", "X000.0", 1), Line("AND", "X000.1", 1), Line("RD", "X000.2", 2),
          Line("AND", "X000.3", 2), Bare("OR.STK", 2), Line("WRT", "Y000.0", 1)}},
        {"second coil hung from cell 6",
         {"X000.0 /X000.1 -- -- -- -- --+ (Y000.0)", //
          ". . . . . . . (Y000.1)"},
         {Line("RD", "X000.0", 1), Line("AND.NOT", "X000.1", 1), Line("WRT", "Y000.0", 1),
          Line("WRT", "Y000.1", 2)}},
        {"three parallel coils, one inverted",
         {"X000.0 ... --+ (Y000.0)", //
          ". . . . . . .+ (/Y000.1)", ". . . . . . . (Y000.2)"},
         {Line("RD", "X000.0", 1), Line("WRT", "Y000.0", 1), Line("WRT.NOT", "Y000.1", 2),
          Line("WRT", "Y000.2", 3)}},
        {"parallel closed contact",
         {"/X000.0+ ... (Y000.0)", //
          "/X000.1"},
         {Line("RD.NOT", "X000.0", 1), Line("OR.NOT", "X000.1", 2), Line("WRT", "Y000.0", 1)}},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = Run(c.picture);
        EXPECT_EQ(outcome.code, 0) << outcome.row;
        EXPECT_EQ(outcome.result, 1);
        EXPECT_EQ(outcome.lines, c.lines);
    }
}

TEST_F(NetworkShapes, NestedBlockIsClosedWithPaddedOrStackOfTheEnclosingLastRow) {
    // Branch 1 of the segment before column 2 is itself a block (rows 2 and 3); the OR.STK
    // that joins it carries row 4, the last row of the enclosing block, padded to ten.
    const Outcome outcome = Run({
        "X000.0  X000.1 X000.2+ ... (Y000.0)",
        "X000.3+ X000.4 X000.5+",
        "X000.6  --     X000.7+",
        "X001.0  --     X001.1",
    });
    EXPECT_EQ(outcome.code, 0);
    const std::vector<std::string> expected = {
        Line("RD", "X000.0", 1),  Line("AND", "X000.1", 1), Line("AND", "X000.2", 1),
        Line("RD", "X000.3", 2),  Line("OR", "X000.6", 3),  Line("RD", "X000.4", 2),
        Line("AND", "X000.5", 2), Line("OR", "X000.7", 3),  Bare("AND.STK", 2),
        Bare("OR.STK    ", 4),    Line("RD", "X001.0", 4),  Line("AND", "X001.1", 4),
        Bare("OR.STK", 4),        Line("WRT", "Y000.0", 1),
    };
    EXPECT_EQ(outcome.lines, expected);
}

TEST_F(NetworkShapes, ColumnsMergingAtDifferentRowsJoinWithAndStack) {
    // Column 0 merges three rows, column 1 two: (A | C | E) (B | D).
    const Outcome outcome = Run({
        "X000.0+ X000.1+ ... (Y000.0)",
        "X000.2+ X000.3",
        "X000.4",
    });
    EXPECT_EQ(outcome.code, 0);
    const std::vector<std::string> expected = {
        Line("RD", "X000.0", 1),  Line("OR", "X000.2", 2), Line("OR", "X000.4", 3),
        Line("RD", "X000.1", 1),  Line("OR", "X000.3", 2), Bare("AND.STK", 1),
        Line("WRT", "Y000.0", 1),
    };
    EXPECT_EQ(outcome.lines, expected);
}

TEST_F(NetworkShapes, OperandsAreCopiedAsTheyStand) {
    const Outcome outcome = Run({"X000.0 ... (R100.0)"});
    EXPECT_EQ(outcome.lines.front(), "RD        X000.0     1");
    EXPECT_EQ(outcome.lines.front().size(), 16u + 6u);
}

TEST_F(NetworkShapes, BlankRowsBetweenNetworksAreSkipped) {
    const Outcome outcome = Run({
        "X000.0 ... (Y000.0)",
        "",
        "-- -- --",
        "X000.1 ... (Y000.1)",
    });
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.lines,
              (std::vector<std::string>{Line("RD", "X000.0", 1), Line("WRT", "Y000.0", 1),
                                        Line("RD", "X000.1", 4), Line("WRT", "Y000.1", 4)}));
}

// A column-0 chain of `rows` contacts feeding one coil.
std::vector<std::string> ChainOfRows(int rows) {
    std::vector<std::string> picture;
    for (int r = 0; r < rows; ++r) {
        char contact[16];
        std::snprintf(contact, sizeof contact, "X%03d.%d%s", r / 8, r % 8, r + 1 < rows ? "+" : "");
        picture.push_back(r == 0 ? std::string(contact) + " ... (Y000.0)" : contact);
    }
    return picture;
}

TEST_F(NetworkShapes, NetworkOfOneHundredRowsPassesAndOneMoreFails) {
    const Outcome hundred = Run(ChainOfRows(100));
    EXPECT_EQ(hundred.code, 0);
    ASSERT_EQ(hundred.lines.size(), 101u);
    EXPECT_EQ(hundred.lines[99], Line("OR", "X012.3", 100));
    EXPECT_EQ(hundred.lines[100], Line("WRT", "Y000.0", 1));

    const Outcome tooMany = Run(ChainOfRows(101));
    EXPECT_EQ(tooMany.result, 0);
    EXPECT_EQ(tooMany.code, 1026);
    EXPECT_EQ(tooMany.row, 101);
    EXPECT_TRUE(tooMany.lines.empty());
}

} // namespace
} // namespace velmora::testing
