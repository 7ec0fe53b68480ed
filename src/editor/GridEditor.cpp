#include "editor/GridEditor.h"

#include "document/CVelmoraDoc.h"
#include "model/ElementCatalogue.h"
#include "model/LadderProgram.h"

#include <algorithm>

namespace velmora {

LogicalRect RectBetween(LogicalPoint a, LogicalPoint b) {
    return {std::min(a.x, b.x), std::max(a.y, b.y), std::max(a.x, b.x), std::min(a.y, b.y)};
}

GridPoint HitTestCell(LogicalPoint point, int rowCount) {
    if (rowCount <= 0) {
        return {-1, -1};
    }
    int x = point.x;
    int y = point.y;
    if (x < Grid::LeftRail) {
        x = Grid::LeftRail + 1;
    } else if (x > Grid::RightRail) {
        x = Grid::RightRail - 1;
    }
    if (y > Grid::Top) {
        y = Grid::Top - 1;
    } else if (y < Grid::Bottom(rowCount)) {
        y = Grid::Bottom(rowCount) + 1;
    }
    // The right rail and the bottom edge would give the column and row just outside the grid.
    const int column = std::min((x - Grid::LeftRail) / Grid::CellWidth, CoilColumn);
    const int row = std::min((y - Grid::Top) / -Grid::RowHeight, rowCount - 1);
    return {column, row};
}

GridEditor::GridEditor(LadderProgram& program, EditorSelection& selection)
    : program(program), selection(selection) {}

GridEditor::GridEditor(CVelmoraDoc& document) : GridEditor(document.program, document.selection) {}

int GridEditor::RowCount() const {
    return std::clamp<int>(program.rowCount, 0, LadderProgram::MaxRows);
}

GridPoint GridEditor::HitTestCell(LogicalPoint point) const {
    return velmora::HitTestCell(point, RowCount());
}

void GridEditor::SetSelected(int column, int row, bool on) {
    LadderCell& cell = program.Row(row)[column];
    cell.selected = on ? 1 : 0;
}

void GridEditor::MarkSelection(bool on) {
    const GridPoint anchor = selection.anchor;
    const GridPoint cursor = selection.cursor;
    const int c0 = std::min(anchor.column, cursor.column);
    const int r0 = std::min(anchor.row, cursor.row);
    const int r1 = std::max(anchor.row, cursor.row);
    if (c0 < 0 || r0 < 0) {
        return;
    }
    const int rows = RowCount();
    CellRange range =
        anchor == cursor ? CellRange{c0, r0, c0, r0} : CellRange{0, r0, ColumnsPerRow - 1, r1};
    // A selection left over from rows that no longer exist changes only what is still there.
    range.lastRow = std::min(range.lastRow, rows - 1);
    range.lastColumn = std::min(range.lastColumn, ColumnsPerRow - 1);
    bool changed = false;
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
            if ((program.Row(r)[c].selected != 0) != on) {
                SetSelected(c, r, on);
                changed = true;
            }
        }
    }
    if (changed) {
        pending.cells.push_back(range);
    }
    if (on) {
        pending.showCursorComment = true;
    } else {
        selection.cursor = {-1, -1};
    }
}

void GridEditor::InvalidateCursorCell() {
    const GridPoint cursor = selection.cursor;
    if (cursor.column < 0 || cursor.row < 0) {
        return;
    }
    pending.cells.push_back({cursor.column, cursor.row, cursor.column, cursor.row});
}

void GridEditor::SetCursor(GridPoint cell) {
    selection.cursor = cell;
    selection.anchor = cell;
}

bool GridEditor::LeftButtonDown(LogicalPoint point) {
    if (RowCount() == 0) {
        return false;
    }
    MarkSelection(false);
    selection.dragStart = point;
    selection.dragCurrent = point;
    SetCursor(HitTestCell(point));
    return true;
}

void GridEditor::DragTo(LogicalPoint point) { selection.dragCurrent = point; }

LogicalRect GridEditor::RubberBand() const {
    return RectBetween(selection.dragStart, selection.dragCurrent);
}

bool GridEditor::LeftButtonUp(LogicalPoint point) {
    if (RowCount() == 0) {
        return false;
    }
    selection.dragCurrent = point;
    selection.cursor = HitTestCell(point);
    MarkSelection(true);
    return true;
}

bool GridEditor::InsideGrid(LogicalPoint point) const {
    return point.x >= Grid::LeftRail && point.x < Grid::RightRail &&
           point.y >= Grid::Bottom(RowCount()) && point.y <= Grid::Top;
}

bool GridEditor::CursorCellEditable() const {
    const GridPoint cursor = selection.cursor;
    if (cursor.column < 0 || cursor.row < 0 || cursor.row >= RowCount() ||
        cursor.column >= ColumnsPerRow) {
        return false;
    }
    const ElementCode code = program.Row(cursor.row)[cursor.column].code;
    if (code == Element::Empty) {
        return false;
    }
    // Of a box only the parameters of its first row are typed in; a data table is all entries.
    return !IsBoxCode(code) || KindOf(code) == Kind::CODT ||
           (ColumnOffsetOf(code) != 0 && RowOffsetOf(code) == 0);
}

DoubleClickAction GridEditor::DoubleClick(LogicalPoint point) const {
    if (!CursorCellEditable()) {
        return DoubleClickAction::None;
    }
    if (InsideGrid(point)) {
        return DoubleClickAction::EditCell;
    }
    if (point.x > Grid::RightRail && point.y >= Grid::Bottom(RowCount()) && point.y <= Grid::Top) {
        return DoubleClickAction::EditComment;
    }
    return DoubleClickAction::None;
}

bool GridEditor::RightButtonDown(LogicalPoint point) {
    const int rows = RowCount();
    if (rows == 0 || point.x < Grid::LeftRail || point.x > Grid::RightRail ||
        point.y < Grid::Bottom(rows) || point.y >= Grid::Top + 1) {
        return false;
    }
    const GridPoint cell = HitTestCell(point);
    if (program.Row(cell.row)[cell.column].selected != 0) {
        // The context menu is to act on the selection the click landed in.
        return false;
    }
    MarkSelection(false);
    SetCursor(cell);
    MarkSelection(true);
    return true;
}

bool GridEditor::MoveCursor(MoveKey key, LogicalPoint scroll) {
    const int rows = RowCount();
    if (rows == 0) {
        return false;
    }
    if (!selection.HasCursor()) {
        SetCursor({0, 0});
    } else {
        const int dir =
            (key == MoveKey::Left || key == MoveKey::Up || key == MoveKey::PageDown) ? -1 : 1;
        int c = std::clamp(selection.cursor.column, 0, ColumnsPerRow - 1);
        int r = std::clamp(selection.cursor.row, 0, rows - 1);
        MarkSelection(false);
        switch (key) {
        case MoveKey::PageUp:
        case MoveKey::PageDown: {
            int y = scroll.y + Grid::PageHeight * dir;
            if (y > 0) {
                y = 0;
                r = 0;
            } else if (y < Grid::PageHeight - Grid::RowHeight * rows) {
                y = Grid::PageHeight - Grid::RowHeight * rows;
                r = rows - 1;
            } else {
                r = std::clamp(r - Grid::PageRows * dir, 0, rows - 1);
            }
            pending.scrollTo = LogicalPoint{scroll.x, y};
            break;
        }
        case MoveKey::Home:
            c = 0;
            break;
        case MoveKey::End:
            c = CoilColumn;
            break;
        case MoveKey::Left:
        case MoveKey::Right:
            c = (c + dir + ColumnsPerRow) % ColumnsPerRow;
            break;
        case MoveKey::Up:
        case MoveKey::Down: {
            r = std::clamp(r + dir, 0, rows - 1);
            const int rowY = -Grid::RowHeight * r;
            if (rowY > scroll.y || rowY < scroll.y - Grid::PageHeight) {
                pending.scrollTo = LogicalPoint{scroll.x, scroll.y - Grid::RowHeight * dir};
            }
            break;
        }
        }
        SetCursor({c, r});
    }
    MarkSelection(true);
    InvalidateCursorCell();
    return true;
}

ViewUpdate GridEditor::TakeUpdate() {
    ViewUpdate update = std::move(pending);
    pending = ViewUpdate{};
    return update;
}

} // namespace velmora
