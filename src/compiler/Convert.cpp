#include "compiler/LadderCompiler.h"
#include "model/ElementCatalogue.h"

namespace velmora {

int LadderCompiler::Convert() {
    if (!PreCheck()) {
        return -1;
    }
    GenerateInstructionList();
    if (errorCount == 0) {
        Assemble();
    }
    if (errorCount != 0) {
        return 0;
    }
    program->lastStep = static_cast<std::uint16_t>(stepCount - 1);
    return 1;
}

void LadderCompiler::GenerateInstructionList() {
    lineBuffer.clear();
    ClearLines();

    // Network by network.
    int row = 0;
    while (row <= program->rowCount - 1 && errorCount == 0) {
        if (RowBlank(row, 0, CoilColumn)) {
            if (LastLinkColumn(row, 0, CoilColumn) != 0) {
                RecordError(0, 1030, row);
                break;
            }
            ++row;
            continue;
        }
        int end = row;
        const int result = NetworkExtent(row, end);
        if (result == -2) {
            break;
        }
        bool generated = false;
        if (result == -1) {
            generated = CoilNetwork(row, end);
        } else if (result == 0 && KindOf(CellAt(row, 0).code) == Kind::CODT) {
            generated = TableNetwork(row, end);
        } else {
            generated = FunctionNetwork(row, end, result);
        }
        if (!generated) {
            // Some checks fail without a diagnostic of their own (a link leading out of the
            // ladder); the conversion must not pass for a success then.
            if (errorCount == 0) {
                RecordError(0, 1016, row);
            }
            break;
        }
        row = end + 1;
    }
}

bool LadderCompiler::CoilNetwork(int first, int last) {
    const bool logic =
        first < last ? ParallelBlock(first, last, 0, CoilColumn) : SeriesRow(first, 0, 6, 0);
    return logic && EmitCoils(first, last, false);
}

} // namespace velmora
