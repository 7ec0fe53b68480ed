#pragma once

#include "editor/GridGeometry.h"

#include <optional>
#include <vector>

namespace velmora {

class CVelmoraDoc;
class LadderProgram;

// What a view must do after the grid logic ran: which cells to repaint, whether to redraw
// everything, whether the cursor cell's symbol comment is to be shown and where to scroll.
// The logic never paints; it only collects these requests until the view takes them.
struct ViewUpdate {
    std::vector<CellRange> cells;
    bool wholeView = false;
    bool showCursorComment = false;
    // The scroll position asked for, logical (y is 0 at the top, negative further down).
    std::optional<LogicalPoint> scrollTo;

    bool Empty() const { return cells.empty() && !wholeView && !showCursorComment && !scrollTo; }
};

enum class MoveKey { PageUp, PageDown, Home, End, Left, Right, Up, Down };

// What a double click asks for, once the button-down before it has placed the cursor.
enum class DoubleClickAction { None, EditCell, EditComment };

// The cursor, the selection and the mouse and key handling of a ladder view, over a document's
// ladder and editing position. Every view of a document can keep one: the state lives in the
// document, so they agree.
class GridEditor {
public:
    GridEditor(LadderProgram& program, EditorSelection& selection);
    explicit GridEditor(CVelmoraDoc& document);

    LadderProgram& Program() { return program; }
    EditorSelection& Selection() { return selection; }
    int RowCount() const;

    GridPoint HitTestCell(LogicalPoint point) const;

    // Shows (on) or removes (off) the highlight of the current selection, keeping each cell's
    // selected flag and the screen in step; showing asks for the cursor cell's symbol comment,
    // removing leaves the editor without a cursor.
    void MarkSelection(bool on);
    void InvalidateCursorCell();

    // Mouse flows; points are logical. Each returns false when it did nothing.
    bool LeftButtonDown(LogicalPoint point);
    // Records the drag's current point; the rubber band is RubberBand() afterwards.
    void DragTo(LogicalPoint point);
    LogicalRect RubberBand() const;
    bool LeftButtonUp(LogicalPoint point);
    DoubleClickAction DoubleClick(LogicalPoint point) const;
    // Whether the cursor cell takes an operand by Enter or a double click: a cell that is not
    // empty and, of a box, only a parameter of its first row.
    bool CursorCellEditable() const;
    bool RightButtonDown(LogicalPoint point);

    // A cursor key, with the view's scroll position (logical, y 0 at the top and negative
    // further down). The first key on a ladder without a cursor only places it on the first cell.
    bool MoveCursor(MoveKey key, LogicalPoint scroll);

    // The requests collected since the last call, handed over and forgotten.
    ViewUpdate TakeUpdate();
    const ViewUpdate& PendingUpdate() const { return pending; }
    void RequestWholeView() { pending.wholeView = true; }

private:
    bool InsideGrid(LogicalPoint point) const;
    void SetCursor(GridPoint cell);
    void SetSelected(int column, int row, bool on);

    LadderProgram& program;
    EditorSelection& selection;
    ViewUpdate pending;
};

} // namespace velmora
