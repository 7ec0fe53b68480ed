#include "compiler/LadderCompiler.h"
#include "model/ElementCatalogue.h"

#include <algorithm>
#include <charconv>

namespace velmora {

namespace {

constexpr int MnemonicWidth = 10;

bool IsCoil(ElementCode code) { return code == Element::Coil || code == Element::InvertedCoil; }

// The boxes a row of bare lines may feed.
bool AcceptsLinesOnly(int kind) {
    for (int k : {Kind::SP, Kind::SPE, Kind::END1, Kind::END2, Kind::LBL, Kind::COME}) {
        if (kind == CellCode(k, 0, 0)) {
            return true;
        }
    }
    return false;
}

} // namespace

// --- line emission ------------------------------------------------------------------------

bool LadderCompiler::EmitLine(std::string_view text, int row) {
    if (lines.size() >= static_cast<std::size_t>(MaxLines) ||
        text.size() >= static_cast<std::size_t>(LineSlotSize)) {
        RecordError(0, 1004, static_cast<int>(lines.size()));
        return false;
    }
    // The suffix "  %4d" of the 1-based row, formatted by hand: this runs for every line of
    // every conversion and the formatted print dominated it.
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, row + 1);
    const auto length = static_cast<std::size_t>(written.ptr - digits);
    std::string line;
    line.reserve(text.size() + 2 + std::max<std::size_t>(length, 4));
    line.append(text);
    line.append(2 + (length < 4 ? 4 - length : 0), ' ');
    line.append(digits, length);
    lines.push_back(std::move(line));
    return true;
}

void LadderCompiler::ClearLines() { lines.clear(); }

bool LadderCompiler::EmitRelayLine(std::string_view mnemonic, const LadderCell& cell, int row) {
    const std::string_view operand = cell.OperandText();
    if (operand.empty()) {
        RecordError(0, 1001, row);
        return false;
    }
    lineBuffer.assign(mnemonic);
    if (lineBuffer.size() < MnemonicWidth) {
        lineBuffer.resize(MnemonicWidth, ' ');
    }
    lineBuffer.append(operand);
    return EmitLine(lineBuffer, row);
}

// --- predicates ---------------------------------------------------------------------------

const LadderCell& LadderCompiler::CellAt(int row, int column) const {
    static const LadderCell outside{};
    if (column < 0 || column >= ColumnsPerRow) {
        return outside;
    }
    return GetRow(row)[column];
}

bool LadderCompiler::HasLink(int row, int column) const {
    return CellAt(row, column).verticalLine != 0;
}

bool LadderCompiler::RowBlank(int row, int from, int to) const {
    if (row < 0 || row >= program->rowCount) {
        return true;
    }
    for (int c = from; c <= to; ++c) {
        const ElementCode code = CellAt(row, c).code;
        if (code != Element::Empty && code != Element::Line) {
            return false;
        }
    }
    return true;
}

int LadderCompiler::LastLinkColumn(int row, int from, int to) const {
    if (row < 0 || row >= program->rowCount) {
        return 0;
    }
    int result = 0;
    for (int c = from; c < to; ++c) {
        if (HasLink(row, c)) {
            result = c + 1;
        }
    }
    return result;
}

int LadderCompiler::FindFunctionInRow(int row, int& column) const {
    for (int c = 0; c < CoilColumn; ++c) {
        const ElementCode code = CellAt(row, c).code;
        if (IsBoxCode(code) && FindFunction(KindOf(code)) != nullptr) {
            column = c;
            return KindOf(code);
        }
    }
    return 0;
}

int LadderCompiler::NetworkExtent(int start, int& end) {
    end = start;
    bool found = false;
    int col = 0;
    while (end <= program->rowCount - 1) {
        if (FindFunctionInRow(end, col) != 0) {
            const LadderCell& head = CellAt(end, 0);
            const bool tableCell = KindOf(CellAt(end, col).code) == Kind::CODT;
            // A data-table row without its head has no height: stepping on would revisit it.
            if (tableCell && head.code != CellCode(Kind::CODT, 0, 0)) {
                RecordError(0, 1016, end);
                return -2;
            }
            // The network would be translated from its first row, not from the box's row.
            if (end > start) {
                RecordError(0, 1017, end);
                return -2;
            }
            int width = 0;
            int height = 0;
            if (head.code == CellCode(Kind::CODT, 0, 0)) {
                height = head.tableRows;
                if (height < 1) {
                    RecordError(0, 1016, end);
                    return -2;
                }
            } else {
                GetBoxSize(CellAt(end, col).code, width, height);
            }
            const int boxRow = end;
            end = boxRow + height - 1;
            found = true;
            if (height == 1 && LastLinkColumn(end, 0, col) != 0) {
                ++end;
                continue;
            }
            break;
        }
        if (LastLinkColumn(end, 0, CoilColumn) != 0) {
            ++end;
            continue;
        }
        break;
    }
    if (end > program->rowCount - 1) {
        end = program->rowCount - 1;
    }
    if (end - start >= 100) {
        RecordError(0, 1026, end);
        return -2;
    }
    return found ? col : -1;
}

// --- series -------------------------------------------------------------------------------

bool LadderCompiler::SeriesRow(int row, int from, int to, int kind) {
    bool firstContact = true;
    bool linesOnly = true;
    for (int c = from; c <= to; ++c) {
        const LadderCell& cell = CellAt(row, c);
        if (cell.code != Element::Line) {
            linesOnly = false;
        }
        if (cell.code == Element::Empty) {
            int column = 0;
            RecordError(0, FindFunctionInRow(row, column) != 0 ? 1008 : 1009, row);
            return false;
        }
        if (cell.code == Element::OpenContact) {
            if (!EmitRelayLine(firstContact ? "RD" : "AND", cell, row)) {
                return false;
            }
            firstContact = false;
        } else if (cell.code == Element::ClosedContact) {
            if (!EmitRelayLine(firstContact ? "RD.NOT" : "AND.NOT", cell, row)) {
                return false;
            }
            firstContact = false;
        }
    }
    if (linesOnly && !AcceptsLinesOnly(kind)) {
        RecordError(0, 1017, row);
        return false;
    }
    return true;
}

bool LadderCompiler::AndSeries(int row, int from, int to) {
    for (int c = from; c <= to; ++c) {
        const LadderCell& cell = CellAt(row, c);
        if (cell.code == Element::Empty) {
            RecordError(0, 1016, row);
            return false;
        }
        if (cell.code == Element::OpenContact && !EmitRelayLine("AND", cell, row)) {
            return false;
        }
        if (cell.code == Element::ClosedContact && !EmitRelayLine("AND.NOT", cell, row)) {
            return false;
        }
    }
    return true;
}

bool LadderCompiler::BranchSeries(bool isOr, int row, int from, int to) {
    for (int c = from; c <= to; ++c) {
        const LadderCell& cell = CellAt(row, c);
        if (cell.code == Element::Empty) {
            RecordError(0, 1009, row);
            return false;
        }
        if (cell.code == Element::OpenContact && !EmitRelayLine(isOr ? "OR" : "RD", cell, row)) {
            return false;
        }
        if (cell.code == Element::ClosedContact &&
            !EmitRelayLine(isOr ? "OR.NOT" : "RD.NOT", cell, row)) {
            return false;
        }
    }
    return true;
}

// --- coils --------------------------------------------------------------------------------

bool LadderCompiler::EmitCoils(int first, int last, bool fromBox) {
    for (int r = first; r <= last; ++r) {
        const LadderCell& c7 = CellAt(r, CoilColumn);
        const bool p6 = r > first && HasLink(r - 1, CoilColumn - 1);
        const bool misplaced = (r == first && !IsCoil(c7.code)) ||
                               (r > first && !IsCoil(c7.code) && c7.code != Element::Empty && p6) ||
                               (r > first && !p6 && c7.code != Element::Empty);
        if (misplaced) {
            RecordError(0, fromBox ? 1025 : 1006, r);
            return false;
        }
        if (IsCoil(c7.code) &&
            !EmitRelayLine(c7.code == Element::Coil ? "WRT" : "WRT.NOT", c7, r)) {
            return false;
        }
        if (r >= program->rowCount - 1) {
            break;
        }
    }
    return true;
}

} // namespace velmora
