#pragma once

#include "model/EditorSelection.h"

namespace velmora {

// The scrolling of the window that shows the ladder, in the grid's logical units: y is 0 at the
// top of the ladder and negative below it. The defaults stand still, so the editing logic runs
// without a window.
class EditorView {
public:
    virtual ~EditorView() = default;

    virtual LogicalPoint ScrollPosition() const { return {}; }
    virtual void ScrollTo(LogicalPoint /*position*/) {}
};

} // namespace velmora
