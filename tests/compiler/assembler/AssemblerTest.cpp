#include "InstructionLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora::testing {
namespace {

using Lines = std::vector<std::string>;

class Assembler : public AssemblerFixture {};

TEST_F(Assembler, End1End2AloneGiveFiveRecordsAndTheHeaderWords) {
    EXPECT_EQ(Assemble({Box("END1", {}, 3), Box("END2", {}, 4)}), 1);
    EXPECT_EQ(compiler.errorCount, 0);
    ASSERT_EQ(compiler.recordCount, 5);
    EXPECT_EQ(Records(), (std::vector<std::string>{
                             "11 00 00 00 00 00 00 00",
                             "16 00 01 00 00 00 00 00",
                             "12 00 02 00 00 00 00 00",
                             "16 00 03 00 00 00 00 00",
                         }));
    EXPECT_EQ(Hex(compiler.codeBuffer[4]), "FE FE 00 00 00 00 00 00");
    EXPECT_EQ(program->level1End, 1);
    EXPECT_EQ(compiler.end2Step, 3);
    EXPECT_EQ(compiler.stepCount, 5);
}

TEST_F(Assembler, NetworkEndStandsBeforeTheNextNetworkNotAfterTheLastCoil) {
    EXPECT_EQ(Assemble({Relay("RD", "X000.0", 0), Relay("WRT", "Y000.0", 0),
                        Relay("RD.NOT", "X000.1", 1), Relay("WRT.NOT", "Y000.1", 1)}),
              1);
    EXPECT_EQ(Records(), (std::vector<std::string>{
                             "01 02 00 00 90 80 58 01",
                             "06 02 01 00 D0 80 59 01",
                             "16 00 02 00 00 00 00 00",
                             "02 02 03 00 90 80 58 02",
                             "05 02 04 00 D0 80 59 02",
                         }));
    EXPECT_EQ(compiler.networkStartStep, 3);
}

TEST_F(Assembler, OperandEncodingsOfEveryAddressArea) {
    struct Case {
        const char* operand;
        const char* bytes; // operand word, letter, bit mask
    };
    const Case cases[] = {
        {"X000.0", "90 80 58 01"}, {"Y012.3", "DC 80 59 08"}, {"F005.3", "15 80 46 08"},
        {"G063.7", "8F 80 47 80"}, {"R100.7", "64 85 52 80"}, {"K010.0", "8A 8C 4B 01"},
        {"A001.2", "01 8C 41 04"}, {"D010.1", "14 83 44 02"}, {"DC007", "0E 82 63 00"},
        {"DT010", "14 81 74 00"},  {"C010", "14 88 43 00"},   {"T005", "0A 87 54 00"},
        {"R9999", "0F AC 52 00"},  {"D9999", "1E D1 44 00"},  {"R12345", "D2 89 52 00"},
        {"Z001.1", "00 00 00 02"}, {"X000.9", "90 80 58 00"}, {"R100.", "64 85 52 00"},
        {"", "00 00 00 00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operand);
        EXPECT_EQ(Assemble({Relay("AND", c.operand)}), 1);
        EXPECT_EQ(Records(), std::vector<std::string>{std::string("03 02 00 00 ") + c.bytes});
    }
}

TEST_F(Assembler, BlanksAndLowerCaseReadLikeTheGeneratedLine) {
    ASSERT_EQ(
        Assemble({Relay("RD.NOT", "X001.4", 5), Box("SUB", {"0002", "R100", "00010", "R102"}, 6)}),
        1);
    const std::vector<std::string> expected = Records();
    EXPECT_EQ(Assemble({"rd.not     x001.4      6", "Sub  0002      r100 00010   R102       7"}),
              1);
    EXPECT_EQ(Records(), expected);
}

TEST_F(Assembler, WordsNotInTheTableAssembleToNothing) {
    EXPECT_EQ(Assemble({Relay("RDD", "X000.0"), Relay("WRT.NOTT", "Y000.0"), Box("STOP", {}),
                        Box("NO", {}), Box("GET", {}), Box("REG", {}), Box("13", {}), Box("15", {}),
                        Box("22", {}), Box("ENDE", {}), "", " "}),
              1);
    EXPECT_EQ(compiler.errorCount, 0);
    EXPECT_EQ(compiler.recordCount, 1); // the terminator alone
}

TEST_F(Assembler, ErrorsNameTheLadderRowOfTheirLine) {
    EXPECT_EQ(Assemble({Box("COME", {}, 11)}), 0);
    EXPECT_EQ(LastError().code, 1003);
    EXPECT_EQ(LastError().row, 11);
    EXPECT_TRUE(compiler.ReportLine().starts_with("梯图第0012行"));

    EXPECT_EQ(Assemble({"COME"}), 0); // no row suffix at all
    EXPECT_EQ(LastError().row, -1);
}

TEST_F(Assembler, ComRangesAcceptOnlyRelayAndStructureInstructions) {
    const std::vector<Failure> failures = {
        {"SET inside COM", {Box("COM", {}, 0), Box("SET", {"R100.0"}, 1)}, -1, 1003, 1},
        {"TMR inside COM", {Box("COM", {}, 0), Box("TMR", {"0001"}, 2)}, -1, 1003, 2},
        {"CODT inside COM", {Box("COM", {}, 0), Box("CODT", {"00001"}, 3)}, -1, 1003, 3},
        {"COME without COM", {Box("COME", {}, 4)}, 0, 1003, 4},
        {"second COME", {Box("COM", {}, 0), Box("COME", {}, 1), Box("COME", {}, 5)}, 0, 1003, 5},
    };
    ExpectFailures(failures);

    for (const Lines& passing : {
             Lines{Box("COM", {}), Relay("RD", "X000.0"), Relay("WRT", "Y000.0"),
                   Box("DIFU", {"0001"}), Box("END1", {}), Box("COME", {}), Box("SET", {"R100.0"})},
             Lines{Box("COM", {}), Box("COM", {}), Box("COME", {})},
         }) {
        EXPECT_EQ(Assemble(passing), 1);
        EXPECT_EQ(compiler.errorCount, 0) << compiler.ReportLine();
    }
}

TEST_F(Assembler, OnlySubprogramsMayFollowEnd2OrAnSpe) {
    const std::vector<Failure> failures = {
        {"RD after END2",
         {Box("END1", {}), Box("END2", {}), Relay("RD", "X000.0", 7)},
         -1,
         1039,
         7},
        {"END1 after END2", {Box("END1", {}), Box("END2", {}), Box("END1", {}, 8)}, -1, 1039, 8},
        {"RD after SPE",
         {Box("END1", {}), Box("END2", {}), Box("SP", {"0001"}), Relay("RD", "X000.0"),
          Box("SPE", {}), Relay("RD", "X000.1", 9)},
         -1,
         1039,
         9},
        {"misspelt after END2",
         {Box("END1", {}), Box("END2", {}), Box("SPP", {"0001"}, 4)},
         -1,
         1039,
         4},
    };
    ExpectFailures(failures);

    EXPECT_EQ(
        Assemble({Box("END1", {}), Box("END2", {}), "", Box("SP", {"0001"}), Relay("RD", "X000.0"),
                  Relay("WRT", "Y000.0"), Box("SPE", {}), Box("SP", {"0002"}), Box("SPE", {})}),
        1);
    EXPECT_EQ(compiler.errorCount, 0) << compiler.ReportLine();
}

TEST_F(Assembler, FirstLevelMustEndBelowStep500) {
    Lines lines(497, Relay("AND", "X000.0"));
    lines.push_back(Box("END1", {}, 40));
    EXPECT_EQ(Assemble(lines), 1);
    EXPECT_EQ(program->level1End, 498);

    program->level1End = 7;
    lines.insert(lines.begin(), Relay("AND", "X000.0"));
    EXPECT_EQ(Assemble(lines), 0);
    EXPECT_EQ(LastError().code, 1032);
    EXPECT_EQ(LastError().row, 40);
    EXPECT_EQ(program->level1End, 7);
}

TEST_F(Assembler, TheRecordAfterThe4699thIsRefused) {
    const int max = LadderCompiler::MaxRecords;

    // Exactly full with the terminator: accepted.
    EXPECT_EQ(Assemble(Lines(max - 1, Relay("AND", "X000.0"))), 1);
    EXPECT_EQ(compiler.errorCount, 0);
    EXPECT_EQ(compiler.recordCount, max);

    // The terminator is the 4700th record: refused without a row, the link pass still runs.
    Lines lines(max, Relay("AND", "X000.0"));
    lines.push_back(Box("CALL", {"0005"}));
    lines.erase(lines.begin(), lines.begin() + 2); // CALL and its network end make max
    EXPECT_EQ(Assemble(lines), 1);
    ASSERT_EQ(compiler.errorCount, 2);
    EXPECT_EQ(compiler.errors[0].code, 1004);
    EXPECT_EQ(compiler.errors[0].row, -1);
    EXPECT_EQ(compiler.errors[1].code, 1040); // the call has no subprogram
    EXPECT_EQ(compiler.recordCount, max);

    // A line whose record does not fit: the error names its row.
    lines.assign(max, Relay("AND", "X000.0"));
    lines.push_back(Relay("AND", "X000.1", 12));
    EXPECT_EQ(Assemble(lines), 0);
    ASSERT_EQ(compiler.errorCount, 1);
    EXPECT_EQ(LastError().code, 1004);
    EXPECT_EQ(LastError().row, 12);
    EXPECT_EQ(compiler.recordCount, max);

    // Every refused record of a line is reported; the last entry carries the row.
    lines.assign(max - 1, Relay("AND", "X000.0"));
    lines.push_back(Box("ADD", {"0002", "R100", "00010", "R102"}, 13));
    EXPECT_EQ(Assemble(lines), 0);
    ASSERT_EQ(compiler.errorCount, 2);
    EXPECT_EQ(compiler.errors[0].row, -1);
    EXPECT_EQ(compiler.errors[1].code, 1004);
    EXPECT_EQ(compiler.errors[1].row, 13);
}

Lines MainProgram(Lines body) {
    Lines lines = {Box("END1", {}, 0), Box("END2", {}, 1)};
    lines.insert(lines.end(), body.begin(), body.end());
    return lines;
}

TEST_F(Assembler, SubprogramAndCallErrors) {
    Lines tooManyCalls(101, Box("CALL", {"0000"}, 2));
    tooManyCalls.back() = Box("CALL", {"0000"}, 30);
    Lines tooManyCallees = {Box("SP", {"0000"}, 2)};
    for (int n = 1; n <= 19; ++n) {
        tooManyCallees.push_back(Box("CALL", {std::to_string(n)}, 2 + n));
    }

    const std::vector<Failure> failures = {
        {"SP without SPE", MainProgram({Box("SP", {"0001"}, 2), Relay("RD", "X000.0", 3)}), 1, 1040,
         2},
        {"last SP without SPE",
         MainProgram({Box("SP", {"0001"}, 2), Box("SPE", {}, 3), Box("SP", {"0002"}, 4)}), 1, 1040,
         4},
        {"SP before END2", {Box("END1", {}, 0), Box("SP", {"0001"}, 1)}, 0, 1040, 1},
        {"SP inside a subprogram", MainProgram({Box("SP", {"0001"}, 2), Box("SP", {"0002"}, 3)}), 0,
         1040, 3},
        {"SPE in the main program", {Box("SPE", {}, 5)}, 0, 1040, 5},
        {"CALL to an undefined subprogram",
         {Box("CALL", {"0007"}, 0), Box("END1", {}, 1), Box("END2", {}, 2)},
         1,
         1040,
         0},
        {"CALLU to an undefined subprogram",
         MainProgram({Box("SP", {"0001"}, 2), Box("CALLU", {"0003"}, 3), Box("SPE", {}, 4)}), 1,
         1040, 3},
        {"CALL number 100", {Box("CALL", {"0100"}, 6)}, 0, 1040, 6},
        {"CALLU number -1", {Box("CALLU", {"-1"}, 6)}, 0, 1040, 6},
        {"SP number 100", MainProgram({Box("SP", {"0100"}, 2)}), 0, 1040, 2},
        {"subprogram calling itself",
         MainProgram({Box("SP", {"0001"}, 2), Box("CALL", {"0001"}, 3)}), 0, 1040, 3},
        {"101st call", tooManyCalls, 0, 1040, 30},
        {"19th callee", MainProgram(tooManyCallees), 0, 1040, 21},
        {"two subprograms calling each other",
         MainProgram({Box("SP", {"0001"}, 2), Box("CALL", {"0002"}, 3), Box("SPE", {}, 4),
                      Box("SP", {"0002"}, 5), Box("CALL", {"0001"}, 6), Box("SPE", {}, 7)}),
         1, 1040, 6},
        {"recursion through three subprograms",
         MainProgram({Box("SP", {"0001"}, 2), Box("CALL", {"0002"}, 3), Box("SPE", {}, 4),
                      Box("SP", {"0002"}, 5), Box("CALL", {"0003"}, 6), Box("SPE", {}, 7),
                      Box("SP", {"0003"}, 8), Box("CALLU", {"0001"}, 9), Box("SPE", {}, 10)}),
         1, 1040, 9},
    };
    ExpectFailures(failures);
}

TEST_F(Assembler, CallsAreLinkedToTheirSubprograms) {
    ASSERT_EQ(Assemble(MainProgram({Box("SP", {"0001"}, 2), Box("CALL", {"0002"}, 3),
                                    Box("SPE", {}, 4), Box("SP", {"0002"}, 5), Box("SPE", {}, 6)})),
              1);
    EXPECT_EQ(compiler.errorCount, 0) << compiler.ReportLine();
    // END1 0, 1; END2 2, 3; SP 1 at 4, 5; CALL at 6, 7; SPE 8, 9; SP 2 at 10.
    EXPECT_EQ(Hex(compiler.codeBuffer[4]), "1E 32 04 00 01 00 00 00");
    EXPECT_EQ(Hex(compiler.codeBuffer[6]), "1C 32 06 00 02 00 0A 00");
    EXPECT_EQ(Hex(compiler.codeBuffer[8]), "13 00 08 00 00 00 00 00");
    EXPECT_EQ(Hex(compiler.codeBuffer[10]), "1E 32 0A 00 02 00 00 00");

    ASSERT_EQ(Assemble({Box("CALLU", {"0001"}), Box("END1", {}), Box("END2", {}),
                        Box("SP", {"0001"}), Box("SPE", {})}),
              1);
    EXPECT_EQ(compiler.errorCount, 0) << compiler.ReportLine();
    EXPECT_EQ(Hex(compiler.codeBuffer[0]), "33 32 00 00 01 00 06 00");
}

// Subprograms 0 to last, each calling the next one up to callsUpTo.
Lines NestedSubprograms(int last, int callsUpTo) {
    Lines body;
    for (int k = 0; k <= last; ++k) {
        body.push_back(Box("SP", {std::to_string(k)}, 10 + 3 * k));
        if (k < callsUpTo) {
            body.push_back(Box("CALL", {std::to_string(k + 1)}, 11 + 3 * k));
        }
        body.push_back(Box("SPE", {}, 12 + 3 * k));
    }
    return MainProgram(body);
}

TEST_F(Assembler, CallChainsNestAtMostEighteenDeep) {
    EXPECT_EQ(Assemble(NestedSubprograms(18, 18)), 1);
    EXPECT_EQ(compiler.errorCount, 0) << compiler.ReportLine();

    EXPECT_EQ(Assemble(NestedSubprograms(19, 19)), 1);
    ASSERT_EQ(compiler.errorCount, 1);
    EXPECT_EQ(LastError().code, 1040);
    EXPECT_EQ(LastError().row, 10 + 3 * 17); // the SP whose callee would be the 19th entry
}

TEST_F(Assembler, JumpsStayInsideTheirProgramPart) {
    const std::vector<Failure> failures = {
        {"no label", {Box("JMPB", {"0001"}, 4), Box("END1", {}), Box("END2", {})}, 1, 1015, 4},
        {"label numbers compare whole",
         {Box("JMPB", {"0300"}, 4), Box("LBL", {"0044"}), Box("END1", {}), Box("END2", {})},
         1,
         1015,
         4},
        {"across END1",
         {Box("JMPB", {"0001"}, 3), Box("END1", {}), Box("LBL", {"0001"}), Box("END2", {})},
         1,
         1015,
         3},
        {"back across END1",
         {Box("LBL", {"0001"}), Box("END1", {}), Box("JMPB", {"0001"}, 5), Box("END2", {})},
         1,
         1015,
         5},
        {"across an SPE",
         MainProgram({Box("SP", {"0001"}), Box("JMPB", {"0001"}, 6), Box("SPE", {}),
                      Box("SP", {"0002"}), Box("LBL", {"0001"}), Box("SPE", {})}),
         1, 1015, 6},
    };
    ExpectFailures(failures);

    // Across END2: the jump stands between END1 and END2, its label in a subprogram.
    EXPECT_EQ(Assemble({Box("END1", {}), Box("JMPB", {"0001"}, 2), Box("END2", {}),
                        Box("SP", {"0001"}), Box("LBL", {"0001"}), Box("SPE", {})}),
              1);
    EXPECT_EQ(LastError().code, 1015);
    EXPECT_EQ(LastError().row, 2);

    Lines tooMany(101, Box("JMPB", {"0001"}));
    tooMany.back() = Box("JMPB", {"0001"}, 9);
    EXPECT_EQ(Assemble(tooMany), 0);
    EXPECT_EQ(LastError().code, 1015);
    EXPECT_EQ(LastError().row, 9);
}

TEST_F(Assembler, ValidJumpsGetTheirLabelStep) {
    struct Case {
        const char* name;
        Lines lines;
        int jumpStep;
        const char* jump;
    };
    const Case cases[] = {
        {"backward in the first level",
         {Box("LBL", {"0005"}), Box("JMPB", {"0005"}), Box("END1", {}), Box("END2", {})},
         2,
         "1B 4C 02 00 05 00 00 00"},
        {"forward in the second level",
         {Box("END1", {}), Box("JMPB", {"0300"}), Box("LBL", {"0300"}), Box("END2", {})},
         2,
         "1B 4C 02 00 2C 00 04 00"},
        {"inside one subprogram",
         MainProgram(
             {Box("SP", {"0001"}), Box("JMPB", {"-1"}), Box("LBL", {"-1"}), Box("SPE", {})}),
         6, "1B 4C 06 00 FF 00 08 00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Assemble(c.lines), 1);
        EXPECT_EQ(compiler.errorCount, 0) << compiler.ReportLine();
        EXPECT_EQ(Hex(compiler.codeBuffer[static_cast<std::size_t>(c.jumpStep)]), c.jump);
    }
}

TEST_F(Assembler, ToUpperInPlaceChangesOnlyLatinLetters) {
    std::string text = "rd.not x001.4 \xb5\xe7 az{";
    LadderCompiler::ToUpperInPlace(text);
    EXPECT_EQ(text, "RD.NOT X001.4 \xb5\xe7 AZ{");
}

} // namespace
} // namespace velmora::testing
