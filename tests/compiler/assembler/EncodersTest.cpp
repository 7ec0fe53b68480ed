#include "InstructionLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora::testing {
namespace {

using Lines = std::vector<std::string>;
using Bytes = std::vector<std::string>;

class Encoders : public AssemblerFixture {};

TEST_F(Encoders, RecordsOfEveryInstruction) {
    struct Case {
        const char* name;
        Lines lines;
        Bytes records;
    };
    const Case cases[] = {
        {"relay bit instruction", {Relay("OR.NOT", "R100.7")}, {"08 02 00 00 64 85 52 80"}},
        {"stack instructions",
         {Box("AND.STK", {}), Box("OR.STK", {}), Relay("RD.STK", "X000.0"),
          "RD.NOT.STK X000.1     1"},
         {"0E 00 00 00 00 00 00 00", "10 00 01 00 00 00 00 00", "09 02 02 00 90 80 58 01",
          "0A 02 03 00 90 80 58 02"}},
        {"SET and RST end their network",
         {Box("SET", {"R100.7"}), Box("RST", {"Y001.0"})},
         {"19 02 00 00 64 85 52 80", "16 00 01 00 00 00 00 00", "1A 02 02 00 D1 80 59 01",
          "16 00 03 00 00 00 00 00"}},
        {"ADD with a constant addend",
         {Box("ADD", {"0002", "R100", "00010", "R102"})},
         {"28 02 00 00 64 85 52 00", "28 01 01 00 0A 00 00 00", "28 00 02 00 66 85 52 00"}},
        {"SUB with an address, size 3 as 4",
         {Box("SUB", {"1003", "D010", "D012", "D014"})},
         {"29 04 00 00 14 83 44 00", "29 02 01 00 18 83 44 00", "29 00 02 00 1C 83 44 00"}},
        {"ANDF ends its network",
         {Box("ANDF", {"0001", "R100", "00255", "R101"})},
         {"2B 01 00 00 64 85 52 00", "2B 01 01 00 FF 00 00 00", "2B 00 02 00 65 85 52 00",
          "16 00 03 00 00 00 00 00"}},
        {"ORF and EOR",
         {Box("ORF", {"1001", "R100", "R104", "R101"}),
          Box("EOR", {"0002", "R100", "70000", "R101"})},
         {"2C 01 00 00 64 85 52 00", "2C 02 01 00 68 85 52 00", "2C 00 02 00 65 85 52 00",
          "16 00 03 00 00 00 00 00", "2D 02 04 00 64 85 52 00", "2D 01 05 00 70 11 01 00",
          "2D 00 06 00 65 85 52 00", "16 00 07 00 00 00 00 00"}},
        {"TMR", {Box("TMR", {"0005"})}, {"21 05 00 00 05 00 00 00"}},
        {"TMRC takes the TMR opcode", {Box("TMRC", {"0001", "0005"})}, {"21 01 00 00 05 00 00 00"}},
        {"TMRB", {Box("TMRB", {"0002", "0007", "1000"})}, {"31 02 00 00 07 00 E8 03"}},
        {"CTR keeps one byte", {Box("CTR", {"0300"})}, {"22 00 00 00 2C 00 00 00"}},
        {"COMP with a constant",
         {Box("COMP", {"0001", "00300", "R100"})},
         {"1F 01 00 00 64 85 52 00", "1F 01 01 00 2C 01 00 00"}},
        {"COMP with an address",
         {Box("COMP", {"1002", "D010", "R100"})},
         {"1F 02 00 00 64 85 52 00", "1F 02 01 00 14 83 44 00"}},
        {"COIN with bit addresses",
         {Box("COIN", {"1001", "X001.2", "R100.3"})},
         {"20 01 00 00 64 85 52 08", "20 02 01 00 91 80 58 04"}},
        {"COIN with a constant",
         {Box("COIN", {"0001", "00007", "R100"})},
         {"20 01 00 00 64 85 52 00", "20 01 01 00 07 00 00 00"}},
        {"NOT ends its network",
         {Box("NOT", {"0002", "R100", "R102"})},
         {"2E 02 00 00 64 85 52 00", "2E 00 01 00 66 85 52 00", "16 00 02 00 00 00 00 00"}},
        {"XMOV",
         {Box("XMOV", {"0001", "R100", "R101", "R102", "R103"})},
         {"2A 01 00 00 64 85 52 00", "2A 00 01 00 65 85 52 00", "2A 00 02 00 66 85 52 00",
          "2A 00 03 00 67 85 52 00"}},
        {"DSCH, size 3 as 4",
         {Box("DSCH", {"0003", "D000", "D002", "R100", "R102"})},
         {"27 04 00 00 00 83 44 00", "27 00 01 00 04 83 44 00", "27 00 02 00 64 85 52 00",
          "27 00 03 00 66 85 52 00"}},
        {"DEC starts with its result address",
         {Box("DEC", {"0001", "R100", "00012", "R101"})},
         {"24 00 00 00 65 85 52 00", "24 01 01 00 64 85 52 00", "24 00 02 00 0C 00 00 00",
          "16 00 03 00 00 00 00 00"}},
        {"ROT with a constant",
         {Box("ROT", {"00024", "R101", "R102", "R103"})},
         {"26 00 00 00 65 85 52 00", "26 00 01 00 66 85 52 00", "26 01 02 00 18 00 00 00",
          "26 00 03 00 67 85 52 00"}},
        {"ROT with a bit address",
         {Box("ROT", {"R100.1", "R101", "R102", "R103"})},
         {"26 00 00 00 65 85 52 00", "26 00 01 00 66 85 52 00", "26 02 02 00 64 85 52 02",
          "26 00 03 00 67 85 52 00"}},
        {"COD",
         {Box("COD", {"0001", "0003", "R100", "R102"})},
         {"25 03 00 00 66 85 52 00", "25 01 01 00 64 85 00 8A"}},
        {"MOVN from an address",
         {Box("MOVN", {"0002", "R100", "R200"})},
         {"23 02 00 00 64 85 00 00", "23 00 01 00 C8 85 02 00"}},
        {"MOVN from a constant",
         {Box("MOVN", {"0002", "00300", "R200"})},
         {"23 01 00 00 2C 01 00 00", "23 00 01 00 C8 85 02 00"}},
        {"MOVB from an address", {Box("MOVB", {"R100", "Y047"})}, {"34 02 00 00 64 85 FF 80"}},
        {"MOVW from a constant", {Box("MOVW", {"00300", "Y001"})}, {"35 01 00 00 2C 01 D1 80"}},
        {"SFT counts its instructions",
         {Box("SFT", {"R100", "1002"}), Box("SFT", {"R101", "0001"})},
         {"2F 02 00 00 64 85 00 01", "2F 01 01 00 65 85 01 00"}},
        {"AXCTL", {Box("AXCTL", {"0005", "R100"})}, {"36 01 00 00 64 85 52 00"}},
        {"COM and COME",
         {Box("COM", {}), Box("COME", {})},
         {"14 33 00 00 00 00 00 00", "16 00 01 00 00 00 00 00", "15 33 02 00 00 00 00 00",
          "16 00 03 00 00 00 00 00"}},
        {"DIFU carries the step of its network",
         {Relay("RD", "X000.0"), Relay("WRT", "Y000.0"), Relay("RD", "X000.1"),
          Box("DIFU", {"0003"}), Relay("WRT", "R100.0"), Box("DIFD", {"0255"})},
         {"01 02 00 00 90 80 58 01", "06 02 01 00 D0 80 59 01", "16 00 02 00 00 00 00 00",
          "01 02 03 00 90 80 58 02", "17 00 04 00 03 00 03 00", "06 02 05 00 64 85 52 01",
          "18 00 06 00 FF 00 03 00"}},
        {"short format words read NUL characters",
         {Box("ADD", {"02", "R100", "00010", "R102"})},
         {"28 D0 00 00 64 85 52 00", "28 01 01 00 0A 00 00 00", "28 00 02 00 66 85 52 00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Assemble(c.lines), 1);
        EXPECT_EQ(compiler.errorCount, 0) << compiler.ReportLine();
        EXPECT_EQ(Records(), c.records);
    }
}

TEST_F(Encoders, DifNumbersAreClaimedOncePerRun) {
    const std::vector<Failure> failures = {
        {"DIFU twice", {Box("DIFU", {"0003"}), Box("DIFU", {"0003"}, 4)}, 0, 1034, 4},
        {"DIFU and DIFD share numbers",
         {Box("DIFU", {"0003"}), Box("DIFD", {"0003"}, 5)},
         0,
         1034,
         5},
        {"above 255", {Box("DIFD", {"0256"}, 6)}, 0, 1034, 6},
        {"below 0", {Box("DIFU", {"-1"}, 7)}, 0, 1034, 7},
    };
    ExpectFailures(failures);

    const Lines edges = {Box("DIFU", {"0000"}), Box("DIFD", {"0255"})};
    EXPECT_EQ(Assemble(edges), 1);
    EXPECT_EQ(Assemble(edges), 1) << "a new run claims its numbers afresh";
    EXPECT_EQ(compiler.errorCount, 0);

    // The first network of a run starts at step 0, whatever the run before ended with.
    EXPECT_EQ(Assemble({Box("SET", {"R100.0"}), Box("SET", {"R100.1"})}), 1);
    EXPECT_EQ(Assemble(edges), 1);
    EXPECT_EQ(Hex(compiler.codeBuffer[0]), "17 00 00 00 00 00 00 00");
}

TEST_F(Encoders, AtMost128SftInstructions) {
    Lines lines(128, Box("SFT", {"R100", "1002"}));
    EXPECT_EQ(Assemble(lines), 1);
    EXPECT_EQ(Hex(compiler.codeBuffer[127]), "2F 02 7F 00 64 85 7F 01");

    lines.push_back(Box("SFT", {"R100", "1002"}, 20));
    EXPECT_EQ(Assemble(lines), 0);
    EXPECT_EQ(LastError().code, 1033);
    EXPECT_EQ(LastError().row, 20);
    EXPECT_EQ(compiler.recordCount, 128);
}

TEST_F(Encoders, MoveDestinationsStayInsideTheirArea) {
    struct Case {
        std::string line;
        bool fits;
    };
    const Case cases[] = {
        {Box("MOVB", {"R100", "Y047"}), true},
        {Box("MOVB", {"00001", "Y048"}), true},
        {Box("MOVB", {"R100", "Y049"}), false},
        {Box("MOVW", {"R100", "Y047"}), true},
        {Box("MOVW", {"R100", "Y048"}), false},
        {Box("MOVB", {"R100", "G062"}), true},
        {Box("MOVB", {"R100", "G063"}), true},
        {Box("MOVB", {"R100", "G064"}), false},
        {Box("MOVW", {"R100", "G063"}), false},
        {Box("MOVB", {"R100", "K064"}), true},
        {Box("MOVB", {"R100", "K065"}), false},
        {Box("MOVB", {"R100", "A032"}), true},
        {Box("MOVB", {"R100", "A033"}), false},
        {Box("MOVB", {"R100", "R510"}), true},
        {Box("MOVB", {"R100", "R511"}), false},
        {Box("MOVW", {"R100", "R509"}), true},
        {Box("MOVW", {"R100", "R510"}), false},
        {Box("MOVB", {"R100", "D512"}), true},
        {Box("MOVB", {"R100", "D513"}), false},
        {Box("MOVB", {"00001", "D256"}), true},
        {Box("MOVB", {"00001", "D257"}), false},
        {Box("MOVB", {"R100", "C256"}), true},
        {Box("MOVB", {"R100", "C257"}), false},
        {Box("MOVW", {"00001", "T127"}), true},
        {Box("MOVW", {"00001", "T128"}), false},
        {Box("MOVB", {"R100", "F999"}), true},
        {Box("MOVN", {"0001", "R100", "R254"}), true},
        {Box("MOVN", {"0002", "R100", "R254"}), false},
        {Box("MOVN", {"0002", "R100", "R256"}), true},
        {Box("MOVN", {"0002", "R100", "R511"}), false},
        {Box("MOVN", {"0004", "R100", "Y044"}), true},
        {Box("MOVN", {"0004", "00001", "Y045"}), false},
        {Box("MOVN", {"0100", "00001", "D156"}), true},
        {Box("MOVN", {"0100", "00001", "D157"}), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Lines lines = {Relay("RD", "X000.0", 2), WithRow(c.line.substr(0, c.line.size() - 6), 3)};
        EXPECT_EQ(Assemble(lines), c.fits ? 1 : 0);
        const bool movn = c.line.starts_with("MOVN");
        EXPECT_EQ(Records().size(), movn ? 3u : 2u) << "the records are made before the check";
        if (!c.fits) {
            EXPECT_EQ(LastError().code, 1023);
            EXPECT_EQ(LastError().row, 3);
        }
    }
}

Lines TableLines(int entries, int row) {
    Lines lines;
    for (int first = 0; first < entries; first += 4) {
        lines.push_back(Box("CODT", {"00001", "00002", "00003", "00004"}, row));
    }
    return lines;
}

Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST_F(Encoders, CodTablesPackIntoOneByteImage) {
    ASSERT_EQ(Assemble({Box("COD", {"0001", "0003", "R100", "R102"}, 0),
                        Box("CODT", {"00001", "00002", "00003", "00000"}, 1),
                        Box("CODT", {"00000", "00000", "00000", "00000"}, 1),
                        Box("COD", {"0002", "0002", "R104", "R106"}, 2),
                        Box("CODT", {"04660", "00255", "00000", "00000"}, 3),
                        Box("CODT", {"00000", "00000", "00000", "00000"}, 3)}),
              1);
    EXPECT_EQ(compiler.errorCount, 0) << compiler.ReportLine();
    EXPECT_EQ(Records(), (Bytes{
                             "25 03 00 00 66 85 52 00",
                             "25 01 01 00 64 85 00 8A",
                             "16 00 02 00 00 00 00 00", // the row's unused second half
                             "25 02 03 00 6A 85 52 00",
                             "25 02 04 00 68 85 03 8A", // starts in the high half of word 1
                             "16 00 05 00 00 00 00 00",
                         }));
    EXPECT_EQ(compiler.dataWordCount, 3);
    EXPECT_EQ(compiler.dataHighHalf, 1);
    EXPECT_EQ(static_cast<std::uint16_t>(compiler.dataTable[0]), 0x0201);
    EXPECT_EQ(static_cast<std::uint16_t>(compiler.dataTable[1]), 0x3403);
    EXPECT_EQ(static_cast<std::uint16_t>(compiler.dataTable[2]), 0xFF12);
    EXPECT_EQ(static_cast<std::uint16_t>(compiler.dataTable[3]), 0x0000);
    // The word half-filled by the last table is counted, so no value is lost.
    EXPECT_EQ(Hex(compiler.codeBuffer[6]), "FE FE 04 00 00 00 00 00");
}

TEST_F(Encoders, CodtValues) {
    EXPECT_EQ(Assemble({Box("COD", {"0001", "0002", "R100", "R102"}),
                        Box("CODT", {"00300", "65535", "00000", "00000"})}),
              1);
    EXPECT_EQ(static_cast<std::uint16_t>(compiler.dataTable[0]), 0xFF2C);
    EXPECT_EQ(Hex(compiler.codeBuffer[compiler.recordCount - 1u]), "FE FE 01 00 00 00 00 00");

    // A table of another element size stores nothing but still takes its entries.
    EXPECT_EQ(Assemble({Box("COD", {"0003", "0004", "R100", "R102"}),
                        Box("CODT", {"00001", "00002", "00003", "00004"}),
                        Box("CODT", {"00001", "00002", "00003", "00004"})}),
              1);
    EXPECT_EQ(compiler.dataWordCount, 0);
    EXPECT_EQ(compiler.codtRemaining, 0u);
    EXPECT_EQ(compiler.recordCount, 4); // COD, COD, network end, terminator

    const std::vector<Failure> failures = {
        {"value of 4 characters",
         {Box("COD", {"0002", "0002", "R100", "R102"}), Box("CODT", {"00001", "0002"}, 8)},
         0,
         1011,
         8},
        {"value of 6 characters",
         {Box("COD", {"0001", "0001", "R100", "R102"}), Box("CODT", {"000001"}, 9)},
         0,
         1011,
         9},
        {"missing value",
         {Box("COD", {"0001", "0004", "R100", "R102"}), Box("CODT", {"00001", "00002"}, 9)},
         0,
         1011,
         9},
    };
    ExpectFailures(failures);
}

TEST_F(Encoders, TheDataAreaHolds256Words) {
    const Lines full = Concat({{Box("COD", {"0002", "0256", "R100", "R102"})}, TableLines(256, 1)});
    EXPECT_EQ(Assemble(full), 1);
    EXPECT_EQ(compiler.dataWordCount, 256);
    EXPECT_EQ(compiler.codeBuffer[compiler.recordCount - 1u].step, 256);

    const Lines bytes =
        Concat({{Box("COD", {"0001", "0512", "R100", "R102"})}, TableLines(512, 1)});
    EXPECT_EQ(Assemble(bytes), 1);
    EXPECT_EQ(compiler.dataWordCount, 256);

    // A word table that starts in the high half of the last word still fits.
    const Lines lastHalf =
        Concat({{Box("COD", {"0002", "0254", "R100", "R102"})},
                TableLines(254, 1),
                {Box("COD", {"0001", "0001", "R100", "R102"}), Box("CODT", {"00007"}, 2),
                 Box("COD", {"0002", "0001", "R100", "R102"}), Box("CODT", {"04660"}, 3)}});
    EXPECT_EQ(Assemble(lastHalf), 1);
    EXPECT_EQ(compiler.errorCount, 0);
    EXPECT_EQ(static_cast<std::uint16_t>(compiler.dataTable[254]), 0x3407);
    EXPECT_EQ(static_cast<std::uint16_t>(compiler.dataTable[255]), 0x0012);
    EXPECT_EQ(compiler.codeBuffer[compiler.recordCount - 1u].step, 256);

    const std::vector<Failure> failures = {
        {"a value past the last word",
         Concat({full, {Box("COD", {"0001", "0001", "R100", "R102"}), Box("CODT", {"00001"}, 7)}}),
         0, 1031, 7},
        {"a word entry that would spill past the last word",
         Concat({{Box("COD", {"0002", "0255", "R100", "R102"})},
                 TableLines(255, 1),
                 {Box("COD", {"0001", "0001", "R100", "R102"}), Box("CODT", {"00007"}, 2),
                  Box("COD", {"0002", "0001", "R100", "R102"}), Box("CODT", {"04660"}, 3)}}),
         0, 1031, 3},
    };
    ExpectFailures(failures);
}

} // namespace
} // namespace velmora::testing
