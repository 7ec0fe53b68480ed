#include "model/ElementCatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora {
namespace {

TEST(ElementCatalogue, KindAndIndexAreInversesOverTheWholeTable) {
    for (int i = 0; i < FunctionCount; ++i) {
        const FunctionInfo& f = FunctionTable[static_cast<std::size_t>(i)];
        EXPECT_EQ(KindFromIndex(i), f.kind) << f.mnemonic;
        EXPECT_EQ(IndexFromKind(f.kind), i) << f.mnemonic;
        EXPECT_EQ(FindFunction(f.kind), &f) << f.mnemonic;
    }
}

TEST(ElementCatalogue, KindsAreTheIndexReadAsHexadecimalExceptEnd1AndEnd2) {
    struct Case {
        int index;
        int kind;
    };
    for (const Case c :
         {Case{0, 0x10}, Case{9, 0x19}, Case{12, 0x22}, Case{13, 0x71}, Case{14, 0x72},
          Case{15, 0x25}, Case{27, 0x37}, Case{30, 0x40}, Case{36, 0x46}}) {
        EXPECT_EQ(KindFromIndex(c.index), c.kind) << c.index;
        EXPECT_EQ(IndexFromKind(c.kind), c.index) << c.index;
    }
}

TEST(ElementCatalogue, CodesOutsideTheTableAreNoInstruction) {
    for (int kind :
         {0x00, 0x01, 0x05, 0x0F, 0x1A, 0x23, 0x24, 0x2F, 0x47, 0x50, 0x70, 0x73, 0xFF}) {
        EXPECT_EQ(FindFunction(kind), nullptr) << std::hex << kind;
    }
}

TEST(ElementCatalogue, MnemonicsAndMenuCommandsAreDistinct) {
    std::set<std::string_view> mnemonics;
    std::set<int> commands;
    for (const FunctionInfo& f : FunctionTable) {
        EXPECT_TRUE(mnemonics.insert(f.mnemonic).second) << f.mnemonic;
        if (f.kind == Kind::CODT) {
            EXPECT_EQ(f.menuCommand, 0);
        } else {
            EXPECT_TRUE(commands.insert(f.menuCommand).second) << f.mnemonic;
        }
    }
}

TEST(ElementCatalogue, CellCodesCarryKindRowAndColumn) {
    struct Case {
        int kind, rowOffset, columnOffset;
        ElementCode code;
    };
    for (const Case c : {Case{Kind::TMR, 0, 0, 0x1900}, Case{Kind::TMR, 1, 0, 0x1910},
                         Case{Kind::COD, 0, 3, 0x2603}, Case{Kind::CODT, 5, 7, 0x4057},
                         Case{Kind::END2, 0, 0, 0x7200}}) {
        const ElementCode code = CellCode(c.kind, c.rowOffset, c.columnOffset);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(KindOf(code), c.kind);
        EXPECT_EQ(RowOffsetOf(code), c.rowOffset);
        EXPECT_EQ(ColumnOffsetOf(code), c.columnOffset);
        EXPECT_TRUE(IsBoxCode(code));
    }
    EXPECT_FALSE(IsBoxCode(Element::InvertedCoil));
}

// Every cell of a box answers with the geometry of the whole box; other codes leave the
// caller's values alone.
TEST(ElementCatalogue, BoxGeometryGoesByTheHighByteOnly) {
    struct Case {
        ElementCode code;
        int width, height, inputs; // -1: left as the caller set it
    };
    for (const Case c : {
             Case{0x2103, 5, 2, 2},  // SUB parameter cell
             Case{0x1900, 2, 2, 1},  // TMR name cell
             Case{0x1911, 2, 2, 1},  // TMR lower row
             Case{0x1000, 2, 4, 4},  // CTR
             Case{0x7100, 1, 1, 1},  // END1
             Case{0x4032, 10, 0, 0}, // a CODT cell: a table row, not a box
             Case{0x4601, 3, 2, 2},  // AXCTL
             Case{0x0000, -1, -1, -1},
             Case{0x0100, -1, -1, -1},
             Case{0x0300, -1, -1, -1},
             Case{0x0500, -1, -1, -1},
             Case{0x2300, -1, -1, -1},
             Case{0x2400, -1, -1, -1},
             Case{0xFF00, -1, -1, -1},
         }) {
        int width = -1;
        int height = -1;
        int inputs = -1;
        EXPECT_TRUE(GetBoxSize(c.code, width, height));
        EXPECT_TRUE(GetBoxInputs(c.code, inputs));
        EXPECT_EQ(width, c.width) << std::hex << c.code;
        EXPECT_EQ(height, c.height) << std::hex << c.code;
        EXPECT_EQ(inputs, c.inputs) << std::hex << c.code;
    }
}

TEST(ElementCatalogue, OldLayoutClassificationGoesByTheHighByte) {
    struct Case {
        ElementCode code;
        int oldClass;
        bool expands;
    };
    for (const Case c : {Case{0x4300, 2, false},    // CALLU: no old layout, single row anyway
                         Case{0x4100, 2, true},     // TMRB
                         Case{0x1234, 1, true},     // a COMP cell
                         Case{0x1901, 1, true},     // TMR
                         Case{0x3800, 1, true},     // COM
                         Case{0x1000, 0, false},    // CTR
                         Case{0x4000, 0, false},    // CODT
                         Case{0x0300, 0, false},    // a contact
                         Case{0x2300, 0, false}}) { // not a kind
        EXPECT_EQ(OldLayoutClass(c.code), c.oldClass) << std::hex << c.code;
        EXPECT_EQ(ExpandsOnLoad(c.code), c.expands) << std::hex << c.code;
    }
}

TEST(ElementCatalogue, ParameterLabelsFollowTheColumnOffset) {
    struct Case {
        ElementCode code;
        std::string_view label;
    };
    for (const Case c : {
             Case{0x1001, "计数器号"},
             Case{0x2103, "减数地址或常数"},
             Case{0x2104, "结果输出地址"},
             Case{0x1705, "结果输出地址"},   // DSCH's fifth parameter
             Case{0x2205, "表内号存储地址"}, // XMOV's fifth
             Case{0x1107, ""},               // beyond five: label 5, empty for ROT
             Case{0x4102, "定时器号"},
             Case{0x4601, "信号的组号"},
             Case{0x4000, "转换表数据"}, // every CODT cell, whatever its column
             Case{0x4037, "转换表数据"},
             Case{0x2100, ""}, // a name cell has no parameter
             Case{0x1601, ""}, // SPE has no parameters
             Case{0x0300, ""},
         }) {
        EXPECT_EQ(ParameterLabel(c.code), c.label) << std::hex << c.code;
    }
}

} // namespace
} // namespace velmora
