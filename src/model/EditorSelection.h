#pragma once

#include <cstdint>

namespace velmora {

struct GridPoint {
    std::int32_t column = 0;
    std::int32_t row = 0;
    bool operator==(const GridPoint&) const = default;
};

struct LogicalPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const LogicalPoint&) const = default;
};

// The editing position of a document, shared by its views. No cursor is a negative column or
// row; the editor writes (-1, -1).
struct EditorSelection {
    GridPoint anchor{0, 0};
    GridPoint cursor{-1, -1};
    LogicalPoint dragCurrent{};
    LogicalPoint dragStart{};

    bool HasCursor() const { return cursor.column >= 0 && cursor.row >= 0; }
    bool IsSingleCell() const { return anchor == cursor; }
    int FirstRow() const { return anchor.row < cursor.row ? anchor.row : cursor.row; }
    int LastRow() const { return anchor.row > cursor.row ? anchor.row : cursor.row; }
};

} // namespace velmora
