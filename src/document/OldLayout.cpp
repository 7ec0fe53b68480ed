#include "document/OldLayout.h"

#include "document/LadderFile.h"
#include "model/ElementCatalogue.h"
#include "model/LadderProgram.h"
#include "platform/OutputPanes.h"
#include "platform/Ui.h"

#include <algorithm>

namespace velmora {

bool ConvertToOldLayout(const LadderProgram& program, LadderProgram& oldProgram, OutputPanes& panes,
                        Ui& ui) {
    oldProgram.Clear();
    const int rows = std::clamp<int>(program.rowCount, 0, LadderProgram::MaxRows);
    oldProgram.rowCount = static_cast<std::int16_t>(rows);
    oldProgram.end1Row = program.end1Row;
    oldProgram.lastStep = program.lastStep;
    oldProgram.level1End = program.level1End;
    std::copy_n(program.rows.begin(), rows, oldProgram.rows.begin());
    oldProgram.rowComments = program.rowComments;

    // end1Row is 1-based; rows removed above it move the END1 box up.
    const int end1Index = program.end1Row - 1;
    int removed = 0;
    int removedAboveEnd1 = 0;
    int r = 0;
    while (r <= oldProgram.rowCount - 1) {
        const LadderRow& row = oldProgram.Row(r);
        const auto box = std::find_if(row.cells.begin(), row.cells.end(),
                                      [](const LadderCell& cell) { return IsBoxCode(cell.code); });
        if (box == row.cells.end()) {
            ++r;
            continue;
        }
        const int layoutClass = OldLayoutClass(box->code);
        if (layoutClass == 2) {
            ui.MessageBox("存在不支持的功能指令!");
            panes.AppendOutputLine("无法输出梯形图文件!");
            return false;
        }
        if (layoutClass == 1 && RowOffsetOf(box->code) >= 1) {
            if (r + removed < end1Index) {
                ++removedAboveEnd1;
            }
            ++removed;
            oldProgram.DeleteRows(r, 1);
            continue;
        }
        ++r;
    }
    oldProgram.end1Row = static_cast<std::uint16_t>(oldProgram.end1Row - removedAboveEnd1);
    return true;
}

std::string WriteOldLadder(const LadderProgram& oldProgram, LadderInfo& info, OutputPanes& panes,
                           std::time_t now) {
    return WriteLadder(oldProgram, info, panes, now);
}

} // namespace velmora
