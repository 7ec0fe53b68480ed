#include "editor/LadderStructure.h"

#include "compiler/LadderCompiler.h"
#include "editor/FunctionParameters.h"
#include "model/ElementCatalogue.h"
#include "model/LadderProgram.h"

#include <algorithm>

namespace velmora {

namespace {

bool IsTableRow(const LadderRow& row) { return KindOf(row[0].code) == Kind::CODT; }

bool HoldsKind(const LadderRow& row, int kind) {
    for (const LadderCell& cell : row.cells) {
        if (IsBoxCode(cell.code) && KindOf(cell.code) == kind) {
            return true;
        }
    }
    return false;
}

template <std::size_t N> void Claim(std::array<std::uint8_t, N>& registry, int number) {
    if (number >= 0 && static_cast<std::size_t>(number) < N) {
        registry[static_cast<std::size_t>(number)] = 1;
    }
}

} // namespace

int FindFunctionColumn(const LadderRow& row) {
    for (int c = 0; c < ColumnsPerRow; ++c) {
        if (IsBoxCode(row[c].code)) {
            return c;
        }
    }
    return -1;
}

int BlockRows(const LadderProgram& program, int column, int row, int& top) {
    top = row;
    if (column < 0 || column >= ColumnsPerRow || row < 0 || row >= program.rowCount) {
        return 0;
    }
    const LadderCell& cell = program.Row(row)[column];
    if (!IsBoxCode(cell.code)) {
        return 0;
    }
    const int kind = KindOf(cell.code);
    int width = 1;
    int height = 1;
    GetBoxSize(cell.code, width, height);
    if (kind == Kind::CODT) {
        height = cell.tableRows;
    }
    top = std::max(row - RowOffsetOf(cell.code), 0);
    int rows = std::clamp(height, 1, program.rowCount - top);
    if (kind == Kind::COD) {
        while (top + rows < program.rowCount &&
               KindOf(program.Row(top + rows)[column].code) == Kind::CODT) {
            ++rows;
        }
    }
    return rows;
}

bool SplitsBlock(const LadderProgram& program, int at) {
    if (at <= 0 || at >= program.rowCount) {
        return false;
    }
    const LadderRow& row = program.Row(at);
    const int f = FindFunctionColumn(row);
    if (f < 0) {
        return false;
    }
    const ElementCode code = row[f].code;
    if (RowOffsetOf(code) > 0) {
        return true;
    }
    return KindOf(code) == Kind::CODT && HoldsKind(program.Row(at - 1), Kind::COD);
}

void RecountTables(LadderProgram& program) {
    for (int r = 0; r < program.rowCount;) {
        if (!IsTableRow(program.Row(r))) {
            ++r;
            continue;
        }
        int end = r;
        while (end < program.rowCount && IsTableRow(program.Row(end))) {
            ++end;
        }
        for (int i = r; i < end; ++i) {
            for (LadderCell& cell : program.Row(i).cells) {
                cell.tableRows = end - r;
            }
        }
        r = end;
    }
}

void RebuildNumberRegistries(const LadderProgram& program, LadderCompiler& compiler) {
    compiler.ctrUsed.fill(0);
    compiler.tmrUsed.fill(0);
    compiler.tmrbUsed.fill(0);
    compiler.lblUsed.fill(0);
    compiler.spUsed.fill(0);
    compiler.difUsed.fill(0);
    for (int r = 0; r < program.rowCount; ++r) {
        for (const LadderCell& cell : program.Row(r).cells) {
            if (!IsNumberedParameter(cell.code)) {
                continue;
            }
            switch (KindOf(cell.code)) {
            case Kind::CTR:
                Claim(compiler.ctrUsed, cell.number);
                break;
            case Kind::TMR:
            case Kind::TMRC:
                Claim(compiler.tmrUsed, cell.number);
                break;
            case Kind::TMRB:
                Claim(compiler.tmrbUsed, cell.number);
                break;
            case Kind::LBL:
                Claim(compiler.lblUsed, cell.number);
                break;
            case Kind::SP:
                Claim(compiler.spUsed, cell.number);
                break;
            default:
                Claim(compiler.difUsed, cell.number);
                break;
            }
        }
    }
}

} // namespace velmora
