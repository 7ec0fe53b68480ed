#pragma once

#include "editor/GridGeometry.h"
#include "model/LadderCell.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

#include <string_view>

class QPainter;

namespace velmora {

class LadderProgram;

// The fonts of the ladder pictures at one scale: operand and number texts, and the fixed-pitch
// font of the row comments. Sizes are in logical units, so a printed page looks like the screen.
struct LadderFonts {
    static constexpr double TextHeight = 12;
    static constexpr double CommentHeight = 14;

    explicit LadderFonts(double scale);

    double scale;
    QFont text;
    QFont comment;
    double textAscent;
    double commentAscent;
};

// Draws ladder pictures given in logical units (0.01 inch, y up) on any paint device: device
// point = origin + (x·scaleX, −y·scaleY). The screen view and the printed pages share it.
class LadderPainter {
public:
    LadderPainter(QPainter& painter, const LadderFonts& fonts, double scaleX, double scaleY,
                  QPointF origin);

    QPointF Map(double x, double y) const;
    QRectF MapRect(const LogicalRect& rect) const;

    void Line(int x1, int y1, int x2, int y2);
    // A line in the 2-unit pen of the rails and the page's top rule.
    void ThickLine(int x1, int y1, int x2, int y2);
    // Text with its top-left corner at the logical point, as the original text origin.
    void Text(int x, int y, const QString& text);
    void CommentText(int x, int y, const QString& text);

    // One cell's picture at the grid position; printing places row modulo 25 on the page.
    void DrawCell(const LadderCell& cell, int column, int row, bool printing);
    void DrawRowNumber(int positionRow, int number);

    // Paints the rows of a ladder that touch the device's rows firstY…lastY (device pixels),
    // with rails, row numbers and comments, as the view shows it.
    void DrawLadder(const LadderProgram& program, double firstDeviceY, double lastDeviceY);

private:
    void DrawPicture(const LadderCell& cell, int x, int y, const QColor& ink, const QColor& paper);
    void DrawBoxPiece(const LadderCell& cell, int x, int y, const QColor& ink);
    void Polyline(std::initializer_list<LogicalPoint> points);
    void Ellipse(int left, int top, int right, int bottom, const QColor& paper);
    void Invert(const LogicalRect& area);

    QPainter& painter;
    const LadderFonts& fonts;
    double scaleX;
    double scaleY;
    QPointF origin;
    double lineWidth;
    bool rasterOps;
};

// The page layout of printed ladders: rows per page and the positions of the page furniture.
namespace PrintLayout {
constexpr int RowsPerPage = 25;
constexpr int RuleLeft = 42;
constexpr int RuleRight = 662;
constexpr int RailBottom = -1082;
constexpr int PageNumberX = 345;
constexpr int PageNumberY = -1091;
// Pages needed for a ladder; a ladder without rows still prints one (empty) page.
constexpr int PageCount(int rows) { return rows <= 0 ? 1 : (rows + RowsPerPage - 1) / RowsPerPage; }
} // namespace PrintLayout

// Paints one printed page (1-based) of a ladder at the painter's top-left corner.
void PrintLadderPage(QPainter& painter, const LadderProgram& program, int page, double scaleX,
                     double scaleY);

// A model text (GBK bytes) for the screen.
QString ModelText(std::string_view gbk);

} // namespace velmora
