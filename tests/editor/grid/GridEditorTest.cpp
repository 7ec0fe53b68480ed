#include "editor/GridEditor.h"

#include "model/LadderProgram.h"
#include "support/LadderPicture.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

using testing::Ladder;

// A ladder of empty rows.
std::unique_ptr<LadderProgram> EmptyRows(int n) {
    return Ladder(std::vector<std::string>(static_cast<std::size_t>(n), std::string{}));
}

// The middle of a cell, in logical units.
LogicalPoint Middle(int column, int row) {
    return {Grid::CellLeft(column) + 35, Grid::RowTop(row) - 20};
}

std::vector<GridPoint> SelectedCells(const LadderProgram& p) {
    std::vector<GridPoint> cells;
    for (int r = 0; r < p.rowCount; ++r) {
        for (int c = 0; c < ColumnsPerRow; ++c) {
            if (p.Row(r)[c].selected != 0) {
                cells.push_back({c, r});
            }
        }
    }
    return cells;
}

std::vector<GridPoint> RowsSelected(int first, int last) {
    std::vector<GridPoint> cells;
    for (int r = first; r <= last; ++r) {
        for (int c = 0; c < ColumnsPerRow; ++c) {
            cells.push_back({c, r});
        }
    }
    return cells;
}

TEST(HitTestCell, PointsOnAndAroundTheGridGoToTheNearestCell) {
    struct Case {
        LogicalPoint point;
        GridPoint cell;
        const char* what;
    };
    // Three rows: the grid spans x 72..632 and y -42..-162.
    const Case cases[] = {
        {{72, -50}, {0, 0}, "on the left rail"},
        {{0, -50}, {0, 0}, "left of the left rail"},
        {{632, -50}, {7, 0}, "on the right rail"},
        {{631, -50}, {7, 0}, "just inside the right rail"},
        {{900, -130}, {7, 2}, "right of the right rail, in the comments"},
        {{142, -50}, {1, 0}, "on the edge between columns 0 and 1"},
        {{141, -50}, {0, 0}, "just left of that edge"},
        {{100, 0}, {0, 0}, "above the grid"},
        {{100, -42}, {0, 0}, "on the grid's top edge"},
        {{100, -82}, {0, 1}, "on the edge between rows 0 and 1"},
        {{100, -162}, {0, 2}, "on the grid's bottom edge"},
        {{100, -5000}, {0, 2}, "far below the grid"},
        {{-300, 300}, {0, 0}, "above left, outside both ways"},
        {{5000, -5000}, {7, 2}, "below right, outside both ways"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HitTestCell(c.point, 3), c.cell) << c.what;
    }
}

TEST(HitTestCell, ALadderWithoutRowsHasNoCell) {
    EXPECT_EQ(HitTestCell({100, -50}, 0), (GridPoint{-1, -1}));
}

class GridEditorTest : public ::testing::Test {
protected:
    void Use(std::unique_ptr<LadderProgram> ladder) {
        program = std::move(ladder);
        editor = std::make_unique<GridEditor>(*program, selection);
    }
    void Click(GridPoint from, GridPoint to) {
        editor->LeftButtonDown(Middle(from.column, from.row));
        editor->DragTo(Middle(to.column, to.row));
        editor->LeftButtonUp(Middle(to.column, to.row));
    }

    std::unique_ptr<LadderProgram> program = EmptyRows(20);
    EditorSelection selection;
    std::unique_ptr<GridEditor> editor = std::make_unique<GridEditor>(*program, selection);
};

TEST_F(GridEditorTest, MarkingASingleCellFlagsItAndAsksForItsComment) {
    selection.anchor = selection.cursor = {3, 4};
    editor->MarkSelection(true);
    EXPECT_EQ(SelectedCells(*program), (std::vector<GridPoint>{{3, 4}}));
    const ViewUpdate update = editor->TakeUpdate();
    EXPECT_EQ(update.cells, (std::vector<CellRange>{{3, 4, 3, 4}}));
    EXPECT_TRUE(update.showCursorComment);
    EXPECT_TRUE(editor->PendingUpdate().Empty());
}

TEST_F(GridEditorTest, MarkingARowRangeFlagsEveryColumnWhateverTheTwoColumns) {
    selection.anchor = {3, 5};
    selection.cursor = {6, 2};
    editor->MarkSelection(true);
    EXPECT_EQ(SelectedCells(*program), RowsSelected(2, 5));
    EXPECT_EQ(editor->TakeUpdate().cells, (std::vector<CellRange>{{0, 2, 7, 5}}));
}

TEST_F(GridEditorTest, RemovingClearsTheFlagsAndTheCursorButKeepsTheAnchor) {
    selection.anchor = {3, 5};
    selection.cursor = {3, 2};
    editor->MarkSelection(true);
    editor->TakeUpdate();
    editor->MarkSelection(false);
    EXPECT_TRUE(SelectedCells(*program).empty());
    EXPECT_EQ(selection.cursor, (GridPoint{-1, -1}));
    EXPECT_EQ(selection.anchor, (GridPoint{3, 5}));
    const ViewUpdate update = editor->TakeUpdate();
    EXPECT_EQ(update.cells, (std::vector<CellRange>{{0, 2, 7, 5}}));
    EXPECT_FALSE(update.showCursorComment);
}

TEST_F(GridEditorTest, OnlyCellsWhoseStateChangesAreRepainted) {
    selection.anchor = selection.cursor = {1, 1};
    editor->MarkSelection(true);
    editor->TakeUpdate();
    editor->MarkSelection(true);
    EXPECT_TRUE(editor->TakeUpdate().cells.empty());
}

TEST_F(GridEditorTest, NoCursorMarksNothing) {
    for (const bool on : {true, false}) {
        selection.anchor = {0, 0};
        selection.cursor = {-1, -1};
        editor->MarkSelection(on);
        EXPECT_TRUE(SelectedCells(*program).empty());
        EXPECT_TRUE(editor->TakeUpdate().Empty()) << on;
    }
}

TEST_F(GridEditorTest, ASelectionBeyondTheLastRowMarksOnlyRowsThatExist) {
    Use(EmptyRows(4));
    selection.anchor = {0, 2};
    selection.cursor = {0, 9};
    editor->MarkSelection(true);
    EXPECT_EQ(SelectedCells(*program), RowsSelected(2, 3));
    selection.anchor = selection.cursor = {2, 7};
    editor->MarkSelection(true);
    EXPECT_EQ(SelectedCells(*program), RowsSelected(2, 3));
}

TEST_F(GridEditorTest, DraggingSelectsTheRowsBetweenTheEndsInBothDirections) {
    struct Case {
        GridPoint from;
        GridPoint to;
        std::vector<GridPoint> selected;
    };
    const Case cases[] = {
        {{3, 5}, {3, 2}, RowsSelected(2, 5)}, {{3, 2}, {3, 5}, RowsSelected(2, 5)},
        {{0, 7}, {7, 9}, RowsSelected(7, 9)}, {{4, 6}, {4, 6}, {{4, 6}}},
        {{2, 6}, {5, 6}, RowsSelected(6, 6)}, // two cells of one row make that row the range
    };
    for (const Case& c : cases) {
        Click(c.from, c.to);
        EXPECT_EQ(SelectedCells(*program), c.selected) << c.from.row << " to " << c.to.row;
        EXPECT_EQ(selection.anchor, c.from);
        EXPECT_EQ(selection.cursor, c.to);
    }
}

TEST_F(GridEditorTest, ButtonDownRemovesTheOldSelectionAndHighlightsNothingYet) {
    Click({0, 1}, {0, 4});
    editor->TakeUpdate();
    editor->LeftButtonDown(Middle(5, 8));
    EXPECT_TRUE(SelectedCells(*program).empty());
    EXPECT_EQ(selection.cursor, (GridPoint{5, 8}));
    EXPECT_EQ(selection.anchor, (GridPoint{5, 8}));
    EXPECT_EQ(selection.dragStart, Middle(5, 8));
    EXPECT_EQ(editor->TakeUpdate().cells, (std::vector<CellRange>{{0, 1, 7, 4}}));
}

TEST_F(GridEditorTest, TheRubberBandSpansTheDragWhicheverWayItGoes) {
    editor->LeftButtonDown({300, -200});
    editor->DragTo({100, -50});
    EXPECT_EQ(editor->RubberBand(), (LogicalRect{100, -50, 300, -200}));
    EXPECT_EQ(selection.dragCurrent, (LogicalPoint{100, -50}));
}

TEST_F(GridEditorTest, MouseOnALadderWithoutRowsDoesNothing) {
    Use(EmptyRows(0));
    EXPECT_FALSE(editor->LeftButtonDown(Middle(1, 1)));
    EXPECT_FALSE(editor->LeftButtonUp(Middle(1, 1)));
    EXPECT_FALSE(editor->RightButtonDown(Middle(1, 1)));
    EXPECT_FALSE(editor->MoveCursor(MoveKey::Down, {0, 0}));
    EXPECT_EQ(selection.cursor, (GridPoint{-1, -1}));
    EXPECT_TRUE(editor->TakeUpdate().Empty());
}

TEST_F(GridEditorTest, RightClickInsideTheSelectionKeepsItOutsideSelectsTheCell) {
    Click({3, 2}, {3, 5});
    EXPECT_FALSE(editor->RightButtonDown(Middle(6, 4)));
    EXPECT_EQ(SelectedCells(*program), RowsSelected(2, 5));
    EXPECT_EQ(selection.cursor, (GridPoint{3, 5}));

    EXPECT_TRUE(editor->RightButtonDown(Middle(6, 9)));
    EXPECT_EQ(SelectedCells(*program), (std::vector<GridPoint>{{6, 9}}));
    EXPECT_EQ(selection.cursor, (GridPoint{6, 9}));
    EXPECT_EQ(selection.anchor, (GridPoint{6, 9}));
}

TEST_F(GridEditorTest, RightClickOutsideTheGridLeavesTheSelection) {
    Click({1, 1}, {1, 1});
    for (const LogicalPoint p : {LogicalPoint{700, -50}, LogicalPoint{50, -50},
                                 LogicalPoint{100, -41}, LogicalPoint{100, -900}}) {
        EXPECT_FALSE(editor->RightButtonDown(p)) << p.x << "," << p.y;
        EXPECT_EQ(SelectedCells(*program), (std::vector<GridPoint>{{1, 1}}));
    }
    // The right rail and the bottom edge count as the grid, as in hit testing.
    EXPECT_TRUE(editor->RightButtonDown({632, -50}));
    EXPECT_EQ(selection.cursor, (GridPoint{7, 0}));
    EXPECT_TRUE(editor->RightButtonDown({100, Grid::Bottom(20)}));
    EXPECT_EQ(selection.cursor, (GridPoint{0, 19}));
}

TEST_F(GridEditorTest, DoubleClickEditsOnlyCellsThatTakeAnOperand) {
    Use(Ladder({"X000.0 [TMR 5] # ... (Y000.0)", //
                ". # #",                         //
                "CODT 1 2 3",                    //
                ". . . . . . . ."}));
    struct Case {
        GridPoint cell;
        LogicalPoint point;
        DoubleClickAction action;
        const char* what;
    };
    const LogicalPoint rightOfGrid{700, -50};
    const Case cases[] = {
        {{0, 0}, Middle(0, 0), DoubleClickAction::EditCell, "contact"},
        {{7, 0}, Middle(7, 0), DoubleClickAction::EditCell, "coil"},
        {{1, 0}, Middle(1, 0), DoubleClickAction::None, "box name cell"},
        {{2, 0}, Middle(2, 0), DoubleClickAction::EditCell, "box parameter"},
        {{2, 1}, Middle(2, 1), DoubleClickAction::None, "second row of a box"},
        {{1, 1}, Middle(1, 1), DoubleClickAction::None, "second row of a box, first column"},
        {{3, 2}, Middle(3, 2), DoubleClickAction::EditCell, "data-table entry"},
        {{0, 2}, Middle(0, 2), DoubleClickAction::EditCell, "data-table first cell"},
        {{4, 3}, Middle(4, 3), DoubleClickAction::None, "empty cell"},
        {{7, 0}, rightOfGrid, DoubleClickAction::EditComment, "right of the grid"},
        {{0, 0}, {50, -50}, DoubleClickAction::None, "left of the grid"},
        {{7, 0}, {632, -50}, DoubleClickAction::None, "on the right rail"},
        {{-1, -1}, Middle(0, 0), DoubleClickAction::None, "no cursor"},
    };
    for (const Case& c : cases) {
        selection.cursor = selection.anchor = c.cell;
        EXPECT_EQ(editor->DoubleClick(c.point), c.action) << c.what;
    }
}

struct MoveCase {
    const char* what;
    int rows;
    GridPoint from;
    MoveKey key;
    int scrollY;
    GridPoint to;
    std::optional<int> scrollTo;
};

class KeyMoveTest : public GridEditorTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(KeyMoveTest, MovesTheCursorAndScrolls) {
    const MoveCase& c = GetParam();
    Use(EmptyRows(c.rows));
    selection.anchor = selection.cursor = c.from;
    editor->MarkSelection(true);
    editor->TakeUpdate();

    EXPECT_TRUE(editor->MoveCursor(c.key, {0, c.scrollY}));
    EXPECT_EQ(selection.cursor, c.to);
    EXPECT_EQ(selection.anchor, c.to);
    EXPECT_EQ(SelectedCells(*program), (std::vector<GridPoint>{c.to}));
    const ViewUpdate update = editor->TakeUpdate();
    EXPECT_TRUE(update.showCursorComment);
    if (c.scrollTo) {
        ASSERT_TRUE(update.scrollTo.has_value());
        EXPECT_EQ(update.scrollTo->y, *c.scrollTo);
    } else {
        EXPECT_FALSE(update.scrollTo.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMoveTest,
    ::testing::Values(
        MoveCase{"left wraps from column 0", 20, {0, 4}, MoveKey::Left, 0, {7, 4}, {}},
        MoveCase{"right wraps from column 7", 20, {7, 4}, MoveKey::Right, 0, {0, 4}, {}},
        MoveCase{"right", 20, {2, 4}, MoveKey::Right, 0, {3, 4}, {}},
        MoveCase{"home", 20, {5, 4}, MoveKey::Home, 0, {0, 4}, {}},
        MoveCase{"end", 20, {2, 4}, MoveKey::End, 0, {7, 4}, {}},
        MoveCase{"down", 20, {2, 4}, MoveKey::Down, 0, {2, 5}, {}},
        MoveCase{"up", 20, {2, 4}, MoveKey::Up, 0, {2, 3}, {}},
        MoveCase{"down stops on the last row", 20, {2, 19}, MoveKey::Down, -400, {2, 19}, {}},
        MoveCase{"up stops on row 0", 20, {2, 0}, MoveKey::Up, 0, {2, 0}, {}},
        MoveCase{"down to the window's last row", 40, {1, 14}, MoveKey::Down, 0, {1, 15}, {}},
        MoveCase{
            "down below the window scrolls a row", 40, {1, 15}, MoveKey::Down, 0, {1, 16}, -40},
        MoveCase{"up above the window scrolls a row", 40, {1, 10}, MoveKey::Up, -400, {1, 9}, -360},
        MoveCase{"page down", 100, {3, 0}, MoveKey::PageDown, 0, {3, 15}, -600},
        MoveCase{"page up", 100, {3, 40}, MoveKey::PageUp, -1200, {3, 25}, -600},
        MoveCase{"page down near the end", 100, {3, 90}, MoveKey::PageDown, -3400, {3, 99}, -3400},
        MoveCase{"page up near the top", 100, {3, 10}, MoveKey::PageUp, -300, {3, 0}, 0},
        MoveCase{"page up at the top", 100, {3, 0}, MoveKey::PageUp, 0, {3, 0}, 0},
        MoveCase{"page down on a short ladder", 5, {3, 1}, MoveKey::PageDown, 0, {3, 4}, 400},
        MoveCase{
            "down from a cursor left past the end", 10, {3, 30}, MoveKey::Down, 0, {3, 9}, {}}),
    [](const ::testing::TestParamInfo<MoveCase>& info) {
        std::string name = info.param.what;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return name;
    });

TEST_F(GridEditorTest, TheFirstKeyOnlyPlacesTheCursorOnTheFirstCell) {
    for (const MoveKey key : {MoveKey::Down, MoveKey::Right, MoveKey::PageDown, MoveKey::End}) {
        Use(EmptyRows(30));
        selection = EditorSelection{};
        EXPECT_TRUE(editor->MoveCursor(key, {0, -200}));
        EXPECT_EQ(selection.cursor, (GridPoint{0, 0}));
        EXPECT_EQ(selection.anchor, (GridPoint{0, 0}));
        EXPECT_EQ(SelectedCells(*program), (std::vector<GridPoint>{{0, 0}}));
        EXPECT_FALSE(editor->TakeUpdate().scrollTo.has_value());
    }
}

TEST_F(GridEditorTest, AKeyMoveEndsARowRangeAtTheCursor) {
    Click({3, 2}, {3, 5});
    editor->MoveCursor(MoveKey::Right, {0, 0});
    EXPECT_EQ(SelectedCells(*program), (std::vector<GridPoint>{{4, 5}}));
}

} // namespace
} // namespace velmora
