#include "gui/view/ViewFixture.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace velmora::testing {
namespace {

class ViewPrintTest : public ViewTest {
protected:
    void Rows(int n) {
        std::vector<std::string> rows(static_cast<std::size_t>(n), "X000.0 ... (Y000.0)");
        document->program = *Ladder(rows);
        MakeView();
    }

    // Prints to a PDF file and counts its pages.
    int PrintedPages() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ladder.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        EXPECT_TRUE(view->PrintTo(printer));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "no PDF written";
            return -1;
        }
        const QString pdf = QString::fromLatin1(file.readAll());
        return static_cast<int>(
            pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
    }

    // One printed page at 100 dpi, so that logical units are pixels.
    QImage Page(int page) {
        QImage image(850, 1120, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PrintLadderPage(painter, document->program, page, 1.0, 1.0);
        return image;
    }
};

TEST_F(ViewPrintTest, TwentyFiveRowsAPage) {
    struct Case {
        int rows;
        int pages;
    };
    for (const Case c : {Case{1, 1}, Case{25, 1}, Case{26, 2}, Case{30, 2}, Case{2600, 104}}) {
        Rows(c.rows);
        EXPECT_EQ(view->PageCount(), c.pages) << c.rows;
        if (c.rows <= 30) {
            EXPECT_EQ(PrintedPages(), c.pages) << c.rows;
        }
    }
}

TEST_F(ViewPrintTest, TheTopRuleIsOnTheFirstPageOnly) {
    Rows(30);
    const QImage first = Page(1);
    const QImage second = Page(2);
    EXPECT_TRUE(Black(first, 50, 42));
    EXPECT_TRUE(Black(first, 660, 42));
    EXPECT_FALSE(Black(second, 50, 42));
    for (const QImage* page : {&first, &second}) {
        EXPECT_TRUE(Black(*page, Grid::LeftRail, 43));
        EXPECT_TRUE(Black(*page, Grid::LeftRail, 1082));
        EXPECT_TRUE(Black(*page, Grid::RightRail, 1082));
        EXPECT_FALSE(Black(*page, Grid::RightRail, 1086));
        EXPECT_TRUE(Ink(*page, QRect(345, 1091, 60, 14))) << "page number";
    }
}

TEST_F(ViewPrintTest, RowsArePlacedByTheirPositionOnThePage) {
    std::vector<std::string> rows(30, "");
    rows[26] = "X000.0";
    rows[28] = "X000.1 ; not printed";
    document->program = *Ladder(rows);
    document->program.Row(28)[0].selected = 1;
    MakeView();
    const QImage second = Page(2);
    // Row 27 stands in the page's second row position; its bars at x + 32, 26 to 38 below.
    EXPECT_TRUE(Black(second, Grid::CellLeft(0) + 32, 42 + 40 + 30));
    EXPECT_TRUE(Ink(second, QRect(22, 62 + 40, 45, 14))) << "number 0027";
    EXPECT_FALSE(Ink(second, QRect(22, 62 + 40 * 5, 45, 14))) << "no row 30 past the end";
    // Selected cells print inverted; comments are not printed.
    EXPECT_TRUE(Black(second, Grid::CellLeft(0) + 20, 42 + 40 * 3 + 20));
    EXPECT_FALSE(Ink(second, QRect(Grid::CommentX, 42, 200, 300)));
    // The first page shows rows 1 to 25 only.
    EXPECT_FALSE(Black(Page(1), Grid::CellLeft(0) + 32, 42 + 40 + 30));
}

TEST_F(ViewPrintTest, ALadderWithoutRowsPrintsAnEmptyPage) {
    Rows(0);
    document->program.rowCount = 0;
    EXPECT_EQ(view->PageCount(), 1);
    EXPECT_FALSE(Ink(Page(1), QRect(0, 0, 850, 1120)));
}

} // namespace
} // namespace velmora::testing
