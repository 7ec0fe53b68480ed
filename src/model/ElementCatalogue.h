#pragma once

#include "model/LadderCell.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

// Codes of single elements (low byte 0). Every code of 0x1000 or more is a cell of a
// functional-instruction box: kind in the high byte, row offset in bits 4-7, column offset in
// bits 0-3.
namespace Element {
constexpr ElementCode Empty = 0x0000;
constexpr ElementCode Line = 0x0100;
constexpr ElementCode ClosedContact = 0x0200;
constexpr ElementCode OpenContact = 0x0300;
constexpr ElementCode Coil = 0x0400;
constexpr ElementCode InvertedCoil = 0x0500;
constexpr ElementCode FirstBoxCode = 0x1000;
} // namespace Element

// Instruction kinds (high byte of a box cell's code).
namespace Kind {
constexpr int CTR = 0x10, ROT = 0x11, COMP = 0x12, MOVN = 0x13, CALL = 0x14, SP = 0x15, SPE = 0x16,
              DSCH = 0x17, COIN = 0x18, TMR = 0x19, ADD = 0x20, SUB = 0x21, XMOV = 0x22,
              END1 = 0x71, END2 = 0x72, DEC = 0x25, COD = 0x26, DIFU = 0x27, DIFD = 0x28,
              EOR = 0x29, ANDF = 0x30, ORF = 0x31, NOT = 0x32, JMPB = 0x33, LBL = 0x34, RST = 0x35,
              SET = 0x36, SFT = 0x37, COM = 0x38, COME = 0x39, CODT = 0x40, TMRB = 0x41,
              TMRC = 0x42, CALLU = 0x43, MOVB = 0x44, MOVW = 0x45, AXCTL = 0x46;
} // namespace Kind

struct FunctionInfo {
    std::string_view mnemonic;
    int kind;
    int width;
    int height;
    int inputRows;
    int menuCommand; // 0: none
    int oldLayoutClass;
    bool expandsOnLoad;
    std::array<std::string_view, 5> labels;
};

constexpr int FunctionCount = 37;
extern const std::array<FunctionInfo, FunctionCount> FunctionTable;

constexpr bool IsBoxCode(ElementCode code) { return code >= Element::FirstBoxCode; }
constexpr int KindOf(ElementCode code) { return code >> 8; }
constexpr int RowOffsetOf(ElementCode code) { return (code >> 4) & 0x0F; }
constexpr int ColumnOffsetOf(ElementCode code) { return code & 0x0F; }

constexpr ElementCode CellCode(int kind, int rowOffset, int columnOffset) {
    return static_cast<ElementCode>(kind * 256 + rowOffset * 16 + columnOffset);
}

int KindFromIndex(int index);
int IndexFromKind(int kind);

// The table entry of a kind, or nullptr for a kind that is not in the table.
const FunctionInfo* FindFunction(int kind);

// Width and height of the box a code belongs to, by its high byte. Outputs are left as the caller
// set them for a code whose high byte is not in the table. Always reports success.
bool GetBoxSize(ElementCode code, int& width, int& height);
// Input rows of the box a code belongs to; same rule for codes not in the table.
bool GetBoxInputs(ElementCode code, int& inputs);

int OldLayoutClass(ElementCode code);
bool ExpandsOnLoad(ElementCode code);

// The parameter label shown for the cell at a column offset of a box's first row.
std::string_view ParameterLabel(ElementCode code);

} // namespace velmora
