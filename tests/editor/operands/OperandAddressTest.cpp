#include "editor/OperandAddress.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct BitCase {
    std::string typed;
    int byte;           // -1: refused
    std::string stored; // the text afterwards
};

class ParseBitAddressTest : public ::testing::TestWithParam<BitCase> {};

TEST_P(ParseBitAddressTest, NormalisesOrRefuses) {
    std::string text = GetParam().typed;
    EXPECT_EQ(ParseBitAddress(text), GetParam().byte);
    EXPECT_EQ(text, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseBitAddressTest,
    ::testing::Values(BitCase{"X1.2", 1, "X001.2"}, BitCase{"X5.3", 5, "X005.3"},
                      BitCase{"R.1", 0, "R000.1"}, BitCase{"R511.7", 511, "R511.7"},
                      BitCase{"Y47.7", 47, "Y047.7"}, BitCase{"Y48.0", -1, "Y48.0"},
                      BitCase{"X64.0", -1, "X64.0"}, BitCase{"X63.0", 63, "X063.0"},
                      BitCase{"A31.0", 31, "A031.0"}, BitCase{"A32.0", -1, "A32.0"},
                      BitCase{"C255.0", 255, "C255.0"}, BitCase{"R5.8", -1, "R5.8"},
                      BitCase{"R5.", -1, "R5."}, BitCase{"R5", -1, "R5"},
                      BitCase{"R5.12", -1, "R5.12"}, BitCase{"R", -1, "R"},
                      BitCase{"R1A.2", -1, "R1A.2"}, BitCase{"Q1.2", -1, "Q1.2"},
                      BitCase{"x1.2", -1, "x1.2"}, BitCase{"X1234.5", -1, "X1234.5"},
                      BitCase{"X-1.2", -1, "X-1.2"}));

TEST(CheckByteRange, BitAddressRangesOfEachLetter) {
    const struct {
        char letter;
        int highest;
    } ranges[] = {{'A', 31}, {'C', 255}, {'D', 255}, {'F', 63}, {'G', 63},
                  {'K', 63}, {'R', 511}, {'T', 255}, {'X', 63}, {'Y', 47}};
    for (const auto& range : ranges) {
        EXPECT_TRUE(CheckByteRange(range.letter, 0)) << range.letter;
        EXPECT_TRUE(CheckByteRange(range.letter, range.highest)) << range.letter;
        EXPECT_FALSE(CheckByteRange(range.letter, range.highest + 1)) << range.letter;
        EXPECT_FALSE(CheckByteRange(range.letter, -1)) << range.letter;
    }
    EXPECT_FALSE(CheckByteRange('B', 0));
    EXPECT_FALSE(CheckByteRange('x', 0));
}

TEST(IsProtectedOutput, ReservedBitsOfTheControl) {
    for (const char* text :
         {"K000.0", "K005.7", "R510.0", "R511.3", "G063.7", "R255.0", "R255.7"}) {
        EXPECT_TRUE(IsProtectedOutput(text)) << text;
    }
    for (const char* text : {"K006.0", "R509.7", "G063.6", "G062.7", "R254.7", "Y000.0", ""}) {
        EXPECT_FALSE(IsProtectedOutput(text)) << text;
    }
}

} // namespace
} // namespace velmora
