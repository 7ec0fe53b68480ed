#include "editor/FunctionParameters.h"
#include "model/ElementCatalogue.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace velmora {
namespace {

constexpr int BoxColumn = 1;

// The top row of a box of the kind standing at column 1, with its parameters as given.
LadderRow BoxRow(int kind, std::initializer_list<std::pair<std::string, int>> parameters = {}) {
    LadderRow row;
    int width = 1;
    int height = 1;
    GetBoxSize(CellCode(kind, 0, 0), width, height);
    for (int j = 0; j < width && BoxColumn + j < ColumnsPerRow; ++j) {
        row[BoxColumn + j].code = CellCode(kind, 0, j);
    }
    int j = 1;
    for (const auto& [text, number] : parameters) {
        row[BoxColumn + j].SetOperand(text);
        row[BoxColumn + j].number = static_cast<std::int16_t>(number);
        ++j;
    }
    return row;
}

struct Case {
    int kind;
    int parameter;
    std::string typed;
    int value; // -1: error 1012, -2: error 1011
    std::string stored;
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
    return out << std::hex << c.kind << std::dec << " parameter " << c.parameter << " '" << c.typed
               << "'";
}

class ParameterRule : public ::testing::TestWithParam<Case> {};

TEST_P(ParameterRule, ValueAndStoredText) {
    const Case& c = GetParam();
    const LadderRow row = BoxRow(c.kind);
    std::string text = c.typed;
    const ParameterCheck check = CheckFunctionParameter(row, CellCode(c.kind, 0, c.parameter),
                                                        BoxColumn + c.parameter, text);
    EXPECT_EQ(check.value, c.value);
    if (c.value >= 0) {
        EXPECT_EQ(text, c.stored);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ParameterRule,
    ::testing::Values(Case{Kind::CTR, 1, "128", -1, ""}, Case{Kind::CTR, 1, "12", 12, "0012"},
                      Case{Kind::CTR, 1, "1.5", -2, ""}, Case{Kind::CTR, 1, "A1", -1, ""},
                      Case{Kind::CTR, 1, "", -2, ""}, Case{Kind::TMR, 1, "127", 127, "0127"},
                      Case{Kind::TMRB, 1, "6", -1, ""}, Case{Kind::TMRB, 1, "5", 5, "0005"},
                      Case{Kind::TMRB, 3, "10000", -1, ""},
                      Case{Kind::TMRB, 3, "9999", 9999, "9999"}, Case{Kind::TMRC, 2, "128", -1, ""},
                      Case{Kind::CALL, 1, "100", -1, ""}, Case{Kind::LBL, 1, "99", 99, "0099"},
                      Case{Kind::DIFD, 1, "255", 255, "0255"}, Case{Kind::DIFU, 1, "256", -1, ""},
                      Case{Kind::DSCH, 1, "3", -1, ""}, Case{Kind::NOT, 1, "2", 2, "0002"},
                      Case{Kind::AXCTL, 1, "4", -1, ""}, Case{Kind::AXCTL, 1, "5", 5, "0005"},
                      Case{Kind::MOVN, 1, "0", -1, ""}, Case{Kind::MOVN, 1, "256", 256, "0256"},
                      Case{Kind::DEC, 3, "9999", 9999, "9999"}, Case{Kind::COD, 2, "0", -1, ""},
                      Case{Kind::COD, 2, "81", -1, ""}, Case{Kind::COD, 2, "80", 80, "0080"}));

INSTANTIATE_TEST_SUITE_P(
    Formats, ParameterRule,
    ::testing::Values(Case{Kind::ADD, 1, "5", -2, ""}, Case{Kind::ADD, 1, "1000", -2, ""},
                      Case{Kind::ADD, 1, "3", -2, ""}, Case{Kind::ADD, 1, "0", -1, ""},
                      Case{Kind::ADD, 1, "1003", -1, ""}, Case{Kind::SUB, 1, "1001", 1001, "1001"},
                      Case{Kind::ORF, 1, "2", 2, "0002"}, Case{Kind::COIN, 1, "1002", 1002, "1002"},
                      Case{Kind::SFT, 2, "8", 8, "0008"}, Case{Kind::SFT, 2, "9", -1, ""},
                      Case{Kind::SFT, 2, "999", -1, ""}, Case{Kind::SFT, 2, "1000", 1000, "1000"},
                      Case{Kind::SFT, 2, "1009", -1, ""}, Case{Kind::SFT, 2, "R1", -1, ""}));

INSTANTIATE_TEST_SUITE_P(
    Addresses, ParameterRule,
    ::testing::Values(Case{Kind::COMP, 3, "r100", -1, ""}, Case{Kind::COMP, 3, "R100", 100, "R100"},
                      Case{Kind::COMP, 3, "R1", 1, "R001"}, Case{Kind::COMP, 3, "R", 0, "R000"},
                      Case{Kind::COMP, 3, "F63", 63, "F063"}, Case{Kind::COMP, 3, "F64", -1, ""},
                      Case{Kind::COMP, 3, "A32", -1, ""}, Case{Kind::COMP, 3, "Q1", -1, ""},
                      Case{Kind::COMP, 3, "C128", -1, ""}, Case{Kind::COMP, 3, "D255", 255, "D255"},
                      Case{Kind::COMP, 3, "DC7", 7, "DC007"},
                      Case{Kind::COMP, 3, "DT127", 127, "DT127"},
                      Case{Kind::COMP, 3, "DT128", -1, ""}, Case{Kind::COMP, 3, "RC1", -2, ""},
                      Case{Kind::COMP, 3, "R1.5", -2, ""}, Case{Kind::COMP, 3, "R1A", -1, ""},
                      Case{Kind::COMP, 3, "R00001", -1, ""}));

INSTANTIATE_TEST_SUITE_P(
    Destinations, ParameterRule,
    ::testing::Values(Case{Kind::MOVN, 3, "X010", -2, ""}, Case{Kind::MOVN, 3, "F1", -2, ""},
                      Case{Kind::MOVN, 3, "R510", -1, ""}, Case{Kind::MOVN, 3, "R509", 509, "R509"},
                      Case{Kind::ADD, 4, "G63", -1, ""}, Case{Kind::ADD, 4, "G62", 62, "G062"},
                      Case{Kind::SFT, 1, "DC5", -1, ""}, Case{Kind::NOT, 3, "T5", 5, "T005"},
                      Case{Kind::ROT, 1, "R5", -2, ""}, Case{Kind::ROT, 1, "D5", 5, "D005"},
                      Case{Kind::ROT, 1, "DC5", -2, ""}, Case{Kind::ROT, 1, "D", -2, ""},
                      Case{Kind::XMOV, 5, "D256", -1, ""}, Case{Kind::AXCTL, 2, "D12", 12, "D012"},
                      Case{Kind::MOVN, 2, "65535", -1, ""},
                      Case{Kind::MOVN, 2, "9999", 9999, "9999"},
                      Case{Kind::MOVN, 2, "R1", 1, "R001"}, Case{Kind::MOVB, 1, "256", -1, ""},
                      Case{Kind::MOVB, 1, "X1", 1, "X001"}, Case{Kind::MOVW, 1, "12", 12, "0012"},
                      Case{Kind::RST, 1, "R5.1", 5, "R005.1"}, Case{Kind::SET, 1, "X1.1", -2, ""},
                      Case{Kind::RST, 1, "R510.0", -1, ""}, Case{Kind::SET, 1, "G63.0", -1, ""},
                      Case{Kind::RST, 1, "R5", -2, ""}, Case{Kind::SET, 1, "Y1.8", -2, ""}));

INSTANTIATE_TEST_SUITE_P(DataTable, ParameterRule,
                         ::testing::Values(Case{Kind::CODT, 0, "65535", 65535, "65535"},
                                           Case{Kind::CODT, 3, "7", 7, "00007"},
                                           Case{Kind::CODT, 5, "65536", -1, ""},
                                           Case{Kind::CODT, 1, "A", -1, ""}));

struct DependentCase {
    int kind;
    int parameter;
    int format; // number of parameter 1
    std::string typed;
    int value;
    std::string stored;
};

class DependentParameter : public ::testing::TestWithParam<DependentCase> {};

// Formats 1 and 2 take a constant, 1001 and 1002 a byte address, as the controller reads them.
TEST_P(DependentParameter, FormOfParameterOneDecides) {
    const DependentCase& c = GetParam();
    const LadderRow row = BoxRow(c.kind, {{"", c.format}});
    std::string text = c.typed;
    EXPECT_EQ(
        CheckFunctionParameter(row, CellCode(c.kind, 0, c.parameter), BoxColumn + c.parameter, text)
            .value,
        c.value);
    if (c.value >= 0) {
        EXPECT_EQ(text, c.stored);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DependentParameter,
                         ::testing::Values(DependentCase{Kind::COMP, 2, -1, "R1", -2, ""},
                                           DependentCase{Kind::COMP, 2, 0, "5", -2, ""},
                                           DependentCase{Kind::COMP, 2, 1, "100", 100, "0100"},
                                           DependentCase{Kind::COMP, 2, 2, "R1", -1, ""},
                                           DependentCase{Kind::COIN, 2, 1001, "R1", 1, "R001"},
                                           DependentCase{Kind::COIN, 2, 1002, "5", -1, ""},
                                           DependentCase{Kind::ADD, 3, 1, "65535", -1, ""},
                                           DependentCase{Kind::ADD, 3, 1, "1234", 1234, "1234"},
                                           DependentCase{Kind::EOR, 3, 1001, "D12", 12, "D012"},
                                           DependentCase{Kind::ANDF, 3, -1, "12", -2, ""}));

TEST(FormatChange, EmptiesTheDependentParameterWhenTheSideOf1000Changes) {
    const struct {
        int kind;
        std::string old;
        std::string typed;
        int clearColumn;
    } cases[] = {
        {Kind::ADD, "0002", "1001", BoxColumn + 3},
        {Kind::ADD, "", "1001", BoxColumn + 3},
        {Kind::ADD, "0002", "0001", -1},
        {Kind::SUB, "1001", "1002", -1},
        {Kind::COMP, "1001", "2", BoxColumn + 2},
        {Kind::COIN, "", "2", -1},
        {Kind::ADD, "0002", "1003", -1}, // refused: nothing is emptied
    };
    for (const auto& c : cases) {
        const LadderRow row = BoxRow(c.kind, {{c.old, 0}});
        std::string text = c.typed;
        EXPECT_EQ(
            CheckFunctionParameter(row, CellCode(c.kind, 0, 1), BoxColumn + 1, text).clearColumn,
            c.clearColumn)
            << c.old << " -> " << c.typed;
    }
}

TEST(CodSize, AsksForOneTableRowPerEightValues) {
    const LadderRow row = BoxRow(Kind::COD);
    for (const auto& [typed, rows] :
         {std::pair{"20", 3}, {"9", 2}, {"8", 1}, {"1", 1}, {"80", 10}}) {
        std::string text = typed;
        EXPECT_EQ(
            CheckFunctionParameter(row, CellCode(Kind::COD, 0, 2), BoxColumn + 2, text).tableRows,
            rows)
            << typed;
    }
}

} // namespace
} // namespace velmora
