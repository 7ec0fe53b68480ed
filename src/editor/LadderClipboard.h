#pragma once

#include "model/LadderCell.h"
#include "model/LadderProgram.h"

#include <cstdint>
#include <vector>

namespace velmora {

// The editor's own clipboard, one for the whole application, so rows copied from one ladder
// can be pasted into another. It never reaches the platform's clipboard.
struct LadderClipboard {
    // -1: nothing copied; 0: one cell; n: n whole rows.
    std::int32_t rowCount = -1;
    std::vector<LadderProgram::Comment> comments; // one per row
    std::vector<LadderCell> cells;                // the cell, or the rows' cells in row order

    bool Empty() const { return rowCount < 0 || cells.empty(); }
    void Clear() {
        rowCount = -1;
        comments.clear();
        cells.clear();
    }
};

} // namespace velmora
