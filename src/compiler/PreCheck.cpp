#include "compiler/LadderCompiler.h"
#include "compiler/Numbers.h"
#include "model/ElementCatalogue.h"

#include <array>
#include <bitset>

namespace velmora {

namespace {

struct Registry {
    std::uint8_t* flags;
    int limit; // numbers run from 0 to limit - 1
    int rangeCode;
    int duplicateCode;
};

// One flag per output bit: Y, G, R, K and A laid end to end.
struct OutputArea {
    char letter;
    int base;
    int bytes;
};
constexpr std::array<OutputArea, 5> OutputAreas = {{
    {'Y', 0, 48},
    {'G', 384, 64},
    {'R', 896, 512},
    {'K', 4992, 64},
    {'A', 5504, 32},
}};
constexpr int OutputMapSize = 5760;

constexpr std::array<ElementCode, 6> NumberedParameterCells = {0x1001, 0x1901, 0x4202,
                                                               0x4102, 0x2701, 0x2801};

// The map index of an output address, or -1 when the address is not a legal output.
int OutputIndex(std::string_view text) {
    if (text.empty()) {
        return -1;
    }
    const OutputArea* area = nullptr;
    for (const OutputArea& a : OutputAreas) {
        if (a.letter == text[0]) {
            area = &a;
        }
    }
    if (!area) {
        return -1;
    }
    const int byte = Atoi(text.substr(1));
    if (byte < 0 || byte >= area->bytes) {
        return -1;
    }
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point + 1 >= text.size()) {
        return -1;
    }
    const char bitChar = text[point + 1];
    if (bitChar < '0' || bitChar > '9') {
        return -1;
    }
    const int index = area->base + byte * 8 + (bitChar - '0');
    return index < OutputMapSize ? index : -1;
}

} // namespace

bool LadderCompiler::IsReservedOutput(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const int byte = Atoi(text.substr(1));
    switch (text[0]) {
    case 'G':
        return byte == 63 && text.back() == '7';
    case 'K':
        return byte < 6;
    case 'R':
        return byte == 255;
    default:
        return false;
    }
}

bool LadderCompiler::RegisterNumber(LadderCell& cell, int number, int row, bool rebuild) {
    Registry registry{};
    switch (KindOf(cell.code)) {
    case Kind::CTR:
        registry = {ctrUsed.data(), CounterNumbers, 1013, 1014};
        break;
    case Kind::TMR:
    case Kind::TMRC:
        registry = {tmrUsed.data(), CounterNumbers, 1013, 1019};
        break;
    case Kind::TMRB:
        registry = {tmrbUsed.data(), CounterNumbers, 1013, 1019};
        break;
    case Kind::LBL:
        registry = {lblUsed.data(), LabelNumbers, 1013, 1015};
        break;
    case Kind::SP:
        registry = {spUsed.data(), LabelNumbers, 1013, 1040};
        break;
    case Kind::DIFU:
    case Kind::DIFD:
        registry = {difUsed.data(), DifNumbers, 1034, 1034};
        break;
    default:
        return false;
    }
    if (number < 0 || number >= registry.limit) {
        RecordError(0, registry.rangeCode, row);
        return true;
    }
    if (!rebuild && number == cell.number) {
        return false;
    }
    if (registry.flags[number]) {
        RecordError(0, registry.duplicateCode, row);
        return true;
    }
    registry.flags[number] = 1;
    if (!rebuild && cell.number >= 0 && cell.number < registry.limit) {
        registry.flags[cell.number] = 0;
    }
    cell.number = static_cast<std::int16_t>(number);
    return false;
}

bool LadderCompiler::PreCheck() {
    std::bitset<OutputMapSize> outputUsed;
    ctrUsed.fill(0);
    tmrUsed.fill(0);
    tmrbUsed.fill(0);
    lblUsed.fill(0);
    spUsed.fill(0);
    difUsed.fill(0);

    bool end1Seen = false;
    bool end2Seen = false;
    for (int r = 0; r < program->rowCount; ++r) {
        LadderRow& row = program->Row(r);
        const LadderCell& coil = row[CoilColumn];
        if (KindOf(row[0].code) == Kind::CODT || coil.code == Element::Empty) {
            continue;
        }
        if (coil.code != Element::Line) {
            for (int c = 1; c < ColumnsPerRow; ++c) {
                LadderCell& cell = row[c];
                bool numbered = false;
                for (ElementCode code : NumberedParameterCells) {
                    numbered = numbered || cell.code == code;
                }
                if (numbered) {
                    if (RegisterNumber(cell, cell.number, r, true)) {
                        return false;
                    }
                    break;
                }
            }
            const std::string_view text = coil.OperandText();
            const int index = IsReservedOutput(text) ? -1 : OutputIndex(text);
            if (index < 0) {
                RecordError(0, 1006, r);
                return false;
            }
            if (outputUsed[static_cast<std::size_t>(index)]) {
                RecordError(0, 1027, r);
                return false;
            }
            outputUsed[static_cast<std::size_t>(index)] = true;
            continue;
        }
        LadderCell& box = row[4];
        const int kind = KindOf(box.code);
        if ((kind == Kind::LBL || kind == Kind::SP) && ColumnOffsetOf(box.code) == 0) {
            if (RegisterNumber(box, row[5].number, r, true)) {
                return false;
            }
        } else if (kind == Kind::END1) {
            end1Seen = true;
        } else if (kind == Kind::END2) {
            end2Seen = true;
        }
    }
    if (!end1Seen || !end2Seen) {
        RecordError(0, 1005, program->rowCount - 1);
        return false;
    }
    return true;
}

} // namespace velmora
