#pragma once

#include "model/EditorSelection.h"

namespace velmora {

// The ladder grid in logical units of 0.01 inch with y pointing up: everything below the top of
// the page or window has a negative y. Screen drawing, printing and hit testing share these.
namespace Grid {
constexpr int CellWidth = 70;
constexpr int RowHeight = 40;
constexpr int LeftRail = 72;
constexpr int RightRail = LeftRail + 8 * CellWidth; // 632
constexpr int Top = -42;                            // top edge of row 0
constexpr int RailTop = -22;                        // the rails start a little above row 0
constexpr int WireOffset = 32;                      // a row's wire lies this far below its top
constexpr int RowNumberX = 22;
constexpr int CommentX = 642;
constexpr int TextOffset = 20; // row numbers and comments: text origin below the row's top

constexpr int ExtentWidth = 1220;
constexpr int ExtentMargin = 50;
constexpr int PageWidth = 700;
constexpr int PageHeight = 600;
constexpr int PageRows = PageHeight / RowHeight; // 15
constexpr int LineStep = 10;

constexpr int CellLeft(int column) { return LeftRail + CellWidth * column; }
constexpr int RowTop(int row) { return Top - RowHeight * row; }
constexpr int Bottom(int rowCount) { return Top - RowHeight * rowCount; }
constexpr int ExtentHeight(int rowCount) { return RowHeight * rowCount + ExtentMargin; }
} // namespace Grid

// A rectangle in logical units; top is the greater y.
struct LogicalRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const LogicalRect&) const = default;
};

// A block of cells, both ends included.
struct CellRange {
    int firstColumn = 0;
    int firstRow = 0;
    int lastColumn = 0;
    int lastRow = 0;
    bool operator==(const CellRange&) const = default;
};

// The area a cell's picture and highlight cover: the highlight starts one unit left of the cell.
constexpr LogicalRect CellArea(int column, int row) {
    return {Grid::CellLeft(column) - 1, Grid::RowTop(row), Grid::CellLeft(column) + Grid::CellWidth,
            Grid::RowTop(row) - Grid::RowHeight};
}

// The logical rectangle two points span, whichever way round they are.
LogicalRect RectBetween(LogicalPoint a, LogicalPoint b);

// The cell under a logical point, for a ladder of rowCount rows. Points outside the grid go to
// the nearest cell, so the result is always a cell of the ladder; (-1, -1) when it has no rows.
GridPoint HitTestCell(LogicalPoint point, int rowCount);

} // namespace velmora
