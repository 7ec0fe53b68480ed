#include "InstructionLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora::testing {
namespace {

class CodeFile : public AssemblerFixture {};

TEST_F(CodeFile, End1End2AloneGiveA40ByteFile) {
    ASSERT_EQ(Assemble({Box("END1", {}, 0), Box("END2", {}, 1)}), 1);
    std::string file;
    EXPECT_TRUE(compiler.WriteBinaryCode(file));
    EXPECT_EQ(Hex(file), "11 00 00 00 00 00 00 00 "
                         "16 00 01 00 00 00 00 00 "
                         "12 00 02 00 00 00 00 00 "
                         "16 00 03 00 00 00 00 00 "
                         "FE FE 00 00 00 00 00 00");
}

TEST_F(CodeFile, DataWordsFollowTheRecords) {
    // A byte table of three entries: the third value's word is written, its high half 0.
    ASSERT_EQ(
        Assemble({Relay("RD", "X000.0", 0), Box("COD", {"0001", "0003", "R100", "R102"}, 0),
                  Relay("WRT", "R104.0", 0), Box("CODT", {"00017", "00034", "00051", "00000"}, 2),
                  Box("CODT", {"00000", "00000", "00000", "00000"}, 2), Box("END1", {}, 3),
                  Box("END2", {}, 4)}),
        1);
    std::string file;
    compiler.WriteBinaryCode(file);
    ASSERT_EQ(file.size(), 8u * compiler.recordCount + 4u);
    EXPECT_EQ(Hex(file.substr(file.size() - 12)), "FE FE 02 00 00 00 00 00 11 22 33 00");
}

TEST_F(CodeFile, DataWordCountNeverReachesPastTheTable) {
    compiler.recordCount = 1;
    compiler.codeBuffer[0] = CodeRecord{0x01, 0x02, 4000, 0, 0, 0};
    compiler.dataTable.fill(0x0102);
    std::string file;
    compiler.WriteBinaryCode(file);
    EXPECT_EQ(file.size(), 8u + 2u * LadderCompiler::MaxDataWords);
    EXPECT_EQ(Hex(file.substr(8, 4)), "02 01 02 01");

    compiler.recordCount = 0;
    file.clear();
    compiler.WriteBinaryCode(file);
    EXPECT_TRUE(file.empty());
}

TEST_F(CodeFile, InstructionTextDropsTheRowNumberButKeepsItsPadding) {
    compiler.lines = {Relay("RD", "X000.0", 0), Relay("WRT", "Y000.0", 11),
                      Box("TMR", {"0005"}, 122), Box("END1", {}, 1233), "NOBLANK"};
    std::string file;
    EXPECT_TRUE(compiler.WriteInstructionText(file));
    EXPECT_EQ(file, "RD        X000.0    \r\n"
                    "WRT       Y000.0   \r\n"
                    "TMR       0005  \r\n"
                    "END1 \r\n"
                    "NOBLANK\r\n");

    compiler.lines.clear();
    file.clear();
    compiler.WriteInstructionText(file);
    EXPECT_TRUE(file.empty());
}

TEST_F(CodeFile, InstructionTextKeepsTheBytesOfTheLines) {
    compiler.lines = {std::string("RD        X000.0  \xb5\xe7   1")};
    std::string file;
    compiler.WriteInstructionText(file);
    EXPECT_EQ(file, "RD        X000.0  \xb5\xe7  \r\n");
}

} // namespace
} // namespace velmora::testing
