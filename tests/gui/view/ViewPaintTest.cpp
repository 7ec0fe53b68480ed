#include "gui/view/ViewFixture.h"

#include "model/ElementCatalogue.h"

#include <QScrollBar>

namespace velmora::testing {
namespace {

// Pixel of a logical point relative to a cell's left edge x and top edge y.
struct CellPixel {
    int column;
    int row;
    QPoint At(int dx, int dy) const {
        return {Grid::CellLeft(column) + dx, -(Grid::RowTop(row) + dy)};
    }
};

TEST_F(ViewTest, RailsRunFromAboveTheFirstRowToTheGridBottom) {
    Show({"", "", ""});
    const QImage image = Render();
    for (const int x : {Grid::LeftRail, Grid::RightRail}) {
        EXPECT_FALSE(Black(image, x, 21)) << x;
        for (int y = 22; y <= 162; ++y) {
            ASSERT_TRUE(Black(image, x, y)) << x << "," << y;
        }
        EXPECT_FALSE(Black(image, x, 164)) << x;
        EXPECT_FALSE(Black(image, x - 3, 100)) << x;
        EXPECT_FALSE(Black(image, x + 3, 100)) << x;
    }
}

TEST_F(ViewTest, AnEmptyRowShowsOnlyRailsAndItsNumber) {
    Show({""});
    const QImage image = Render();
    EXPECT_TRUE(Black(image, Grid::LeftRail, 82));
    EXPECT_FALSE(Black(image, Grid::LeftRail, 86));
    EXPECT_TRUE(Ink(image, QRect(22, 62, 45, 14))) << "row number 0001";
    EXPECT_FALSE(Ink(image, QRect(75, 43, 554, 38))) << "nothing inside the grid";
    EXPECT_FALSE(Ink(image, QRect(642, 43, 400, 38))) << "no comment";
}

TEST_F(ViewTest, ALadderWithoutRowsDrawsNothing) {
    document->program.rowCount = 0;
    MakeView();
    const QImage image = Render();
    EXPECT_FALSE(Ink(image, image.rect()));
}

TEST_F(ViewTest, ContactBarsAndWirePieces) {
    Show({"X000.0 /X000.1"});
    const QImage image = Render();
    const CellPixel open{0, 0};
    const CellPixel closed{1, 0};
    for (const CellPixel cell : {open, closed}) {
        EXPECT_TRUE(Black(image, cell.At(0, -32).x(), cell.At(0, -32).y())) << "wire in";
        EXPECT_TRUE(Black(image, cell.At(31, -32).x(), cell.At(31, -32).y()));
        EXPECT_TRUE(Black(image, cell.At(39, -32).x(), cell.At(39, -32).y())) << "wire out";
        EXPECT_TRUE(Black(image, cell.At(69, -32).x(), cell.At(69, -32).y()));
        for (const int dy : {-26, -30, -34, -38}) {
            const QPoint left = cell.At(32, dy);
            const QPoint right = cell.At(38, dy);
            EXPECT_TRUE(Black(image, left.x(), left.y())) << dy;
            EXPECT_TRUE(Black(image, right.x(), right.y())) << dy;
        }
        EXPECT_FALSE(Black(image, cell.At(32, -24).x(), cell.At(32, -24).y()));
        EXPECT_FALSE(Black(image, cell.At(32, -40).x(), cell.At(32, -40).y()));
        EXPECT_TRUE(Ink(image, QRect(cell.At(7, -5), QSize(40, 12)))) << "operand";
    }
    // Between the bars: empty in the open contact, the stroke in the closed one.
    EXPECT_FALSE(Black(image, open.At(35, -32).x(), open.At(35, -32).y()));
    EXPECT_FALSE(Black(image, open.At(35, -28).x(), open.At(35, -28).y()));
    EXPECT_TRUE(Black(image, closed.At(35, -32).x(), closed.At(35, -32).y()));
    EXPECT_FALSE(Black(image, closed.At(35, -27).x(), closed.At(35, -27).y()));
}

TEST_F(ViewTest, CoilsAreEllipsesOverTheWire) {
    Show({"... (Y000.0)", "... (/Y000.1)"});
    const QImage image = Render();
    for (const int row : {0, 1}) {
        const CellPixel coil{7, row};
        // Ellipse in (x + 34, y - 25, x + 50, y - 40): leftmost and topmost points, white inside.
        EXPECT_TRUE(Black(image, coil.At(34, -32).x(), coil.At(34, -32).y())) << row;
        EXPECT_TRUE(Black(image, coil.At(49, -32).x(), coil.At(49, -32).y())) << row;
        EXPECT_TRUE(Black(image, coil.At(42, -25).x(), coil.At(42, -25).y())) << row;
        EXPECT_TRUE(Black(image, coil.At(42, -39).x(), coil.At(42, -39).y())) << row;
        EXPECT_FALSE(Black(image, coil.At(42, -32).x(), coil.At(42, -32).y())) << row;
        EXPECT_FALSE(Black(image, coil.At(42, -23).x(), coil.At(42, -23).y())) << row;
        EXPECT_TRUE(Black(image, coil.At(60, -32).x(), coil.At(60, -32).y())) << row;
    }
    // The inverted coil's small ellipse in (x + 28, y - 30, x + 34, y - 36).
    const CellPixel inverted{7, 1};
    EXPECT_TRUE(Black(image, inverted.At(28, -33).x(), inverted.At(28, -33).y()));
    EXPECT_TRUE(Black(image, inverted.At(30, -30).x(), inverted.At(30, -30).y()));
    const CellPixel plain{7, 0};
    EXPECT_FALSE(Black(image, plain.At(30, -30).x(), plain.At(30, -30).y()));
}

TEST_F(ViewTest, AVerticalLinkOnTheLastRowReaches32UnitsBelowTheGrid) {
    Show({". . X000.0+"});
    const QImage image = Render();
    const int x = Grid::CellLeft(2) + 69;
    for (int y = 74; y <= 114; ++y) {
        ASSERT_TRUE(Black(image, x, y)) << y;
    }
    EXPECT_FALSE(Black(image, x, 116));
    EXPECT_FALSE(Black(image, x, 70));
}

TEST_F(ViewTest, BoxPiecesFrameEachCellOfTheBox) {
    Show({"X000.0 [CTR 5] # ... (R000.0)", //
          "X000.1 # #",                    //
          "X000.2 # #",                    //
          "X000.3 # #",                    //
          "X000.4 [SP 1] #"});
    const QImage image = Render();
    const auto black = [&image](CellPixel cell, int dx, int dy) {
        const QPoint p = cell.At(dx, dy);
        return Black(image, p.x(), p.y());
    };
    for (const int column : {1, 2}) {
        // Top piece: open at the bottom, its top edge 12 below the row's top.
        const CellPixel top{column, 0};
        EXPECT_TRUE(black(top, 35, -12)) << column;
        EXPECT_TRUE(black(top, 0, -20)) << column;
        EXPECT_TRUE(black(top, 0, -39)) << column;
        EXPECT_TRUE(black(top, 70, -30)) << column;
        EXPECT_FALSE(black(top, 35, -8)) << column;
        EXPECT_FALSE(black(top, 35, -39)) << column;
        // Middle pieces: two sides over the whole row, no edges across.
        for (const int row : {1, 2}) {
            const CellPixel middle{column, row};
            EXPECT_TRUE(black(middle, 0, -1)) << column << row;
            EXPECT_TRUE(black(middle, 0, -39)) << column << row;
            EXPECT_TRUE(black(middle, 70, -20)) << column << row;
            EXPECT_FALSE(black(middle, 35, -12)) << column << row;
            EXPECT_FALSE(black(middle, 35, -38)) << column << row;
        }
        // Bottom piece: closed 38 below the row's top.
        const CellPixel bottom{column, 3};
        EXPECT_TRUE(black(bottom, 0, -1)) << column;
        EXPECT_TRUE(black(bottom, 35, -38)) << column;
        EXPECT_TRUE(black(bottom, 70, -20)) << column;
        EXPECT_FALSE(black(bottom, 35, -12)) << column;
    }
    // Name and parameter texts in the top row only.
    EXPECT_TRUE(Ink(image, QRect(CellPixel{1, 0}.At(7, -15), QSize(40, 10))));
    EXPECT_TRUE(Ink(image, QRect(CellPixel{2, 0}.At(7, -15), QSize(40, 10))));
    EXPECT_FALSE(Ink(image, QRect(CellPixel{1, 1}.At(3, -3), QSize(60, 34))));
    // A one-row box is a closed frame.
    for (const int column : {1, 2}) {
        const CellPixel sp{column, 4};
        EXPECT_TRUE(black(sp, 35, -12)) << column;
        EXPECT_TRUE(black(sp, 35, -38)) << column;
        EXPECT_TRUE(black(sp, 0, -25)) << column;
        EXPECT_FALSE(black(sp, 0, -5)) << column;
        EXPECT_FALSE(black(sp, 0, -39)) << column;
    }
}

TEST_F(ViewTest, AThreeRowDataTableShowsEntriesEverywhereAndOneComment) {
    Show({"CODT 1 2 3 4 5 6 7 8 ; first", //
          "CODT 9 10 11 12 13 14 15 16 ; second",
          "CODT 17 18 19 20 21 22 23 24 ; third", //
          "X000.0 ... (Y000.0) ; after"});
    const QImage image = Render();
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < ColumnsPerRow; ++column) {
            EXPECT_TRUE(Ink(image, QRect(CellPixel{column, row}.At(7, -15), QSize(30, 10))))
                << column << "," << row;
        }
        EXPECT_TRUE(Ink(image, QRect(22, 62 + 40 * row, 45, 14))) << "number of row " << row;
    }
    const auto comment = [&image](int row) {
        return Ink(image, QRect(Grid::CommentX, 62 + 40 * row, 300, 14));
    };
    EXPECT_FALSE(comment(0));
    EXPECT_FALSE(comment(1));
    EXPECT_TRUE(comment(2));
    EXPECT_TRUE(comment(3));
}

TEST_F(ViewTest, ADataTableClaimingMoreRowsThanTheLadderStopsAtTheLastRow) {
    Show({"CODT 1 2 3 4 5 6 7 8 ; one", "CODT 9 ; two"});
    for (int c = 0; c < ColumnsPerRow; ++c) {
        document->program.Row(0)[c].tableRows = 30000;
        document->program.Row(1)[c].tableRows = 30000;
    }
    const QImage image = Render();
    EXPECT_TRUE(Ink(image, QRect(Grid::CommentX, 102, 300, 14)));
}

TEST_F(ViewTest, ASelectedCellIsInverted) {
    Show({"X000.0 . --"});
    document->program.Row(0)[0].selected = 1;
    document->program.Row(0)[1].selected = 1;
    const QImage image = Render();
    const CellPixel contact{0, 0};
    const CellPixel empty{1, 0};
    // The highlight covers (x - 1, y) to (x + 69, y - 40), right and bottom edges excluded.
    EXPECT_TRUE(Black(image, empty.At(-1, 0).x(), empty.At(-1, 0).y()));
    EXPECT_TRUE(Black(image, empty.At(68, -39).x(), empty.At(68, -39).y()));
    EXPECT_TRUE(Black(image, empty.At(35, -20).x(), empty.At(35, -20).y()));
    EXPECT_FALSE(Black(image, empty.At(69, -20).x(), empty.At(69, -20).y()));
    EXPECT_FALSE(Black(image, empty.At(35, -40).x(), empty.At(35, -40).y()));
    // Inverted picture: the contact's bars turn white on black.
    EXPECT_FALSE(Black(image, contact.At(32, -30).x(), contact.At(32, -30).y()));
    EXPECT_TRUE(Black(image, contact.At(35, -30).x(), contact.At(35, -30).y()));
    // An unselected line beside it stays as drawn.
    const CellPixel line{2, 0};
    EXPECT_TRUE(Black(image, line.At(35, -32).x(), line.At(35, -32).y()));
    EXPECT_FALSE(Black(image, line.At(35, -20).x(), line.At(35, -20).y()));
}

TEST_F(ViewTest, PaintingAScrolledWindowDrawsTheRowsInView) {
    std::vector<std::string> rows(200, "X000.0 ... (Y000.0)");
    document->program = *Ladder(rows);
    MakeView();
    view->ScrollToPosition({0, -4000});
    EXPECT_EQ(view->ScrollPosition().y, -4000);
    const QImage image = Render();
    // Row 100's top edge is at -4042: 42 pixels into the window.
    EXPECT_TRUE(Black(image, Grid::CellLeft(0) + 32, 42 + 30));
    EXPECT_FALSE(Black(image, Grid::CellLeft(0) + 35, 42 + 30));
}

TEST_F(ViewTest, TheWidgetPaintsThroughItsPaintEvent) {
    Show({"X000.0 ... (Y000.0)"});
    view->show();
    QImage image(view->viewport()->size(), QImage::Format_RGB32);
    view->viewport()->render(&image);
    EXPECT_TRUE(Black(image, CellPixel{0, 0}.At(32, -30).x(), CellPixel{0, 0}.At(32, -30).y()));
    EXPECT_TRUE(Black(image, Grid::LeftRail, 50));
}

TEST_F(ViewTest, ScrollSizesFollowTheLadder) {
    std::vector<std::string> rows(100, "");
    document->program = *Ladder(rows);
    MakeView();
    view->UpdateScrollSizes();
    const QScrollBar* v = view->verticalScrollBar();
    EXPECT_EQ(v->maximum(), 40 * 100 + 50 - view->viewport()->height());
    EXPECT_EQ(v->pageStep(), 600);
    EXPECT_EQ(v->singleStep(), 10);
    EXPECT_EQ(view->horizontalScrollBar()->pageStep(), 700);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(),
              std::max(0, 1220 - view->viewport()->width()));
}

TEST_F(ViewTest, TheScaleFollowsTheResolution) {
    Show({""});
    const LogicalRect cell{Grid::CellLeft(0), Grid::RowTop(0), Grid::CellLeft(1), Grid::RowTop(1)};
    view->SetResolution(96);
    EXPECT_NEAR(view->LogicalToDevice(cell).width(), 67, 1);
    EXPECT_NEAR(view->LogicalToDevice(cell).height(), 38, 1);
    view->SetResolution(192);
    EXPECT_NEAR(view->LogicalToDevice(cell).width(), 134, 1);
    EXPECT_NEAR(view->LogicalToDevice(cell).height(), 77, 1);
}

} // namespace
} // namespace velmora::testing
