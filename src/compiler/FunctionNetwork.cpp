#include "compiler/LadderCompiler.h"
#include "model/ElementCatalogue.h"

namespace velmora {

namespace {

constexpr int ParameterColumn = 9; // parameters follow one blank after this column
constexpr int ValuesPerTableLine = 4;

bool IsNameCode(int code) {
    return code >= 0 && (code & 0xFF) == 0 && FindFunction(code >> 8) != nullptr;
}

} // namespace

bool LadderCompiler::NeedsCondition(int kind) {
    if (!IsNameCode(kind)) {
        return true;
    }
    switch (kind >> 8) {
    case Kind::SP:
    case Kind::SPE:
    case Kind::END1:
    case Kind::END2:
    case Kind::LBL:
    case Kind::COME:
    case Kind::CODT:
    case Kind::CALLU:
        return false;
    default:
        return true;
    }
}

bool LadderCompiler::HasOutput(int kind) {
    if (!IsNameCode(kind)) {
        return false;
    }
    switch (kind >> 8) {
    case Kind::CTR:
    case Kind::ROT:
    case Kind::COMP:
    case Kind::MOVN:
    case Kind::DSCH:
    case Kind::COIN:
    case Kind::TMR:
    case Kind::ADD:
    case Kind::SUB:
    case Kind::XMOV:
    case Kind::COD:
    case Kind::DIFU:
    case Kind::DIFD:
    case Kind::SFT:
    case Kind::TMRB:
    case Kind::TMRC:
    case Kind::MOVB:
    case Kind::MOVW:
    case Kind::AXCTL:
        return true;
    default:
        return false;
    }
}

void LadderCompiler::AppendParameter(std::string_view text) {
    if (lineBuffer.size() < ParameterColumn) {
        lineBuffer.resize(ParameterColumn, ' ');
    }
    lineBuffer += ' ';
    lineBuffer.append(text);
}

bool LadderCompiler::FunctionNetwork(int first, int last, int col) {
    const int kind = CellAt(first, col).code;
    if (kind == CellCode(Kind::END1, 0, 0)) {
        program->end1Row = static_cast<std::uint16_t>(first + 1);
    }

    int width = 0;
    int height = 0;
    int inputs = 0;
    GetBoxSize(static_cast<ElementCode>(kind), width, height);
    GetBoxInputs(static_cast<ElementCode>(kind), inputs);
    const bool out = HasOutput(kind);

    // The output column must match the box.
    const ElementCode c7 = CellAt(first, CoilColumn).code;
    const bool coil = c7 == Element::Coil || c7 == Element::InvertedCoil;
    if ((!out && c7 != Element::Line) || (out && !coil)) {
        RecordError(0, 1025, first);
        return false;
    }

    // Input conditions.
    if (NeedsCondition(kind)) {
        if (inputs == 1 && first != last && LastLinkColumn(first, 0, col) != 0) {
            if (!ParallelBlock(first, last, 0, col)) {
                return false;
            }
        } else {
            for (int r = first; r <= first + inputs - 1; ++r) {
                if (!SeriesRow(r, 0, col - 1, kind)) {
                    return false;
                }
            }
        }
    }

    // The box line: name, then each parameter after one blank. A parameter cell beyond
    // the row counts as empty.
    lineBuffer.assign(CellAt(first, col).OperandText());
    for (int c = col + 1; c <= col + width - 1; ++c) {
        const std::string_view parameter = CellAt(first, c).OperandText();
        if (parameter.empty()) {
            RecordError(0, c == col + 1 ? 1022 : 1020, first);
            return false;
        }
        AppendParameter(parameter);
    }
    if (!EmitLine(lineBuffer, first)) {
        return false;
    }

    // Right of the box: lines in the first row, nothing in the other condition rows.
    for (int c = col + width; c <= CoilColumn - 1; ++c) {
        if (CellAt(first, c).code != Element::Line) {
            RecordError(0, 1008, first);
            return false;
        }
    }
    for (int r = first + 1; r <= first + inputs - 1; ++r) {
        for (int c = col + width; c <= CoilColumn - 1; ++c) {
            if (CellAt(r, c).code != Element::Empty) {
                RecordError(0, 1008, r);
                return false;
            }
        }
    }

    return out ? EmitCoils(first, last, true) : true;
}

bool LadderCompiler::TableNetwork(int first, int last) {
    int n = 0;
    int lineRow = first; // the row whose values the line being built holds
    for (int r = first; r <= last; ++r) {
        for (int c = 0; c < ColumnsPerRow; ++c) {
            if (n % ValuesPerTableLine == 0) {
                if (n > 0 && !EmitLine(lineBuffer, lineRow)) {
                    return false;
                }
                lineBuffer.assign("CODT");
                lineRow = r;
            }
            AppendParameter(CellAt(r, c).OperandText());
            ++n;
        }
    }
    return EmitLine(lineBuffer, lineRow);
}

} // namespace velmora
