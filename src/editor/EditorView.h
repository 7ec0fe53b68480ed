#pragma once

#include "model/EditorSelection.h"

namespace velmora {

// What the editing logic asks of the window that shows the ladder: repaints, scrolling and the
// cursor's symbol comment. Positions are in the grid's logical units, y being 0 at the top of
// the ladder and negative below it. The defaults do nothing, so the logic runs without a window.
class EditorView {
public:
    virtual ~EditorView() = default;

    virtual void InvalidateCursorCell() {}
    virtual void InvalidateRowComment(int /*row*/) {}
    virtual void RedrawAll() {}

    virtual LogicalPoint ScrollPosition() const { return {}; }
    virtual void ScrollTo(LogicalPoint /*position*/) {}

    // Shows the symbol comment of the cursor cell in the output pane.
    virtual void ShowCursorComment() {}
};

} // namespace velmora
