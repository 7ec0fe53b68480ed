#include "shell/view/LadderPainter.h"

#include "model/ElementCatalogue.h"
#include "model/LadderProgram.h"
#include "platform/Gbk.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

QFont MakeFont(const char* family, QFont::StyleHint hint, double pixels) {
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(hint);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    return font;
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

} // namespace

QString ModelText(std::string_view gbk) {
    if (std::all_of(gbk.begin(), gbk.end(), [](char c) { return (c & 0x80) == 0; })) {
        return QString::fromLatin1(gbk.data(), static_cast<qsizetype>(gbk.size()));
    }
    return QString::fromStdString(GbkToUtf8(gbk));
}

LadderFonts::LadderFonts(double scale)
    : scale(scale), text(MakeFont("DejaVu Sans", QFont::SansSerif, TextHeight * scale)),
      comment(MakeFont("DejaVu Sans Mono", QFont::Monospace, CommentHeight * scale)),
      textAscent(QFontMetricsF(text).ascent()), commentAscent(QFontMetricsF(comment).ascent()) {}

LadderPainter::LadderPainter(QPainter& painter, const LadderFonts& fonts, double scaleX,
                             double scaleY, QPointF origin)
    : painter(painter), fonts(fonts), scaleX(scaleX), scaleY(scaleY), origin(origin),
      lineWidth(std::max(1.0, std::round(std::min(scaleX, scaleY)))),
      rasterOps(painter.paintEngine() &&
                painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes)) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
}

QPointF LadderPainter::Map(double x, double y) const {
    return {origin.x() + x * scaleX, origin.y() - y * scaleY};
}

QRectF LadderPainter::MapRect(const LogicalRect& rect) const {
    return QRectF(Map(rect.left, rect.top), Map(rect.right, rect.bottom)).normalized();
}

void LadderPainter::Line(int x1, int y1, int x2, int y2) {
    painter.drawLine(Map(x1, y1), Map(x2, y2));
}

void LadderPainter::ThickLine(int x1, int y1, int x2, int y2) {
    // Rails and rules run along an axis; filled as a band they end exactly on their end
    // points, both included, which a wide pen's caps would not.
    const double width = std::max(1.0, std::round(2 * std::min(scaleX, scaleY)));
    const QPointF a = Map(std::min(x1, x2), std::max(y1, y2));
    const QPointF b = Map(std::max(x1, x2), std::min(y1, y2));
    QRectF band(a, b);
    if (x1 == x2) {
        band.adjust(-width / 2, 0, width / 2, 1);
    } else {
        band.adjust(0, -width / 2, 1, width / 2);
    }
    painter.fillRect(band, Qt::black);
}

void LadderPainter::Polyline(std::initializer_list<LogicalPoint> points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const LogicalPoint p : points) {
        polygon.append(Map(p.x, p.y));
    }
    painter.drawPolyline(polygon);
}

void LadderPainter::Ellipse(int left, int top, int right, int bottom, const QColor& paper) {
    // The box excludes its right and bottom edges, as the grid's cells do.
    const QPointF a = Map(left, top);
    const QPointF b = Map(right, bottom);
    painter.setBrush(paper);
    painter.drawEllipse(QRectF(a.x(), a.y(), b.x() - a.x() - 1, b.y() - a.y() - 1));
}

void LadderPainter::Text(int x, int y, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    painter.setFont(fonts.text);
    painter.drawText(Map(x, y) + QPointF(0, fonts.textAscent), text);
}

void LadderPainter::CommentText(int x, int y, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    painter.setFont(fonts.comment);
    painter.drawText(Map(x, y) + QPointF(0, fonts.commentAscent), text);
}

void LadderPainter::Invert(const LogicalRect& area) {
    // Rounded edges so the areas of neighbouring cells tile without a gap or a doubly inverted
    // seam.
    const QPointF a = Map(area.left, area.top);
    const QPointF b = Map(area.right, area.bottom);
    const QRect device(QPoint(Round(a.x()), Round(a.y())),
                       QPoint(Round(b.x()) - 1, Round(b.y()) - 1));
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillRect(device, Qt::black);
    painter.setCompositionMode(previous);
}

void LadderPainter::DrawBoxPiece(const LadderCell& cell, int x, int y, const QColor& ink) {
    const bool table = KindOf(cell.code) == Kind::CODT;
    int width = 1;
    int height = 1;
    if (table) {
        height = cell.tableRows;
    } else {
        GetBoxSize(cell.code, width, height);
    }
    const int offset = RowOffsetOf(cell.code);
    bool text = true;
    if (height == 1) {
        Polyline({{x, y - 12}, {x, y - 38}, {x + 70, y - 38}, {x + 70, y - 12}, {x, y - 12}});
    } else if (offset == 0) {
        Polyline({{x, y - 40}, {x, y - 12}, {x + 70, y - 12}, {x + 70, y - 40}});
    } else if (offset == height - 1) {
        Polyline({{x, y}, {x, y - 38}, {x + 70, y - 38}, {x + 70, y + 1}});
    } else {
        Line(x, y, x, y - 40);
        Line(x + 70, y, x + 70, y - 40);
        text = table;
    }
    if (text) {
        painter.setPen(ink);
        Text(x + 7, y - 15, ModelText(cell.OperandText()));
    }
}

void LadderPainter::DrawPicture(const LadderCell& cell, int x, int y, const QColor& ink,
                                const QColor& paper) {
    const int wire = y - Grid::WireOffset;
    painter.setPen(QPen(ink, lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    switch (cell.code >> 8) {
    case 0:
        return;
    case Element::Line >> 8:
        Line(x, wire, x + 70, wire);
        return;
    case Element::ClosedContact >> 8:
        Line(x, wire, x + 32, wire);
        Line(x + 38, wire, x + 70, wire);
        Polyline({{x + 32, y - 26}, {x + 32, y - 38}, {x + 38, y - 26}, {x + 38, y - 38}});
        break;
    case Element::OpenContact >> 8:
        Line(x, wire, x + 32, wire);
        Line(x + 38, wire, x + 70, wire);
        Line(x + 32, y - 26, x + 32, y - 38);
        Line(x + 38, y - 26, x + 38, y - 38);
        break;
    case Element::Coil >> 8:
        Line(x, wire, x + 70, wire);
        Ellipse(x + 34, y - 25, x + 50, y - 40, paper);
        break;
    case Element::InvertedCoil >> 8:
        Line(x, wire, x + 70, wire);
        Ellipse(x + 28, y - 30, x + 34, y - 36, paper);
        Ellipse(x + 34, y - 25, x + 50, y - 40, paper);
        break;
    default:
        DrawBoxPiece(cell, x, y, ink);
        return;
    }
    painter.setPen(ink);
    Text(x + 7, y - 5, ModelText(cell.OperandText()));
}

void LadderPainter::DrawCell(const LadderCell& cell, int column, int row, bool printing) {
    if (printing) {
        row %= PrintLayout::RowsPerPage;
    }
    const int x = Grid::CellLeft(column);
    const int y = Grid::RowTop(row);
    if (cell.verticalLine != 0) {
        painter.setPen(QPen(Qt::black, lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        Line(x + 69, y - 32, x + 69, y - 72);
    }
    DrawPicture(cell, x, y, Qt::black, Qt::white);
    if (cell.selected != 0) {
        const LogicalRect area{x - 1, y, x + 69, y - 40};
        if (rasterOps) {
            Invert(area);
        } else {
            // Devices without raster operations (PDF, for one) get the inverted picture drawn.
            painter.fillRect(MapRect(area), Qt::black);
            DrawPicture(cell, x, y, Qt::white, Qt::black);
        }
    }
    painter.setPen(QPen(Qt::black, lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

void LadderPainter::DrawRowNumber(int positionRow, int number) {
    painter.setPen(Qt::black);
    Text(Grid::RowNumberX, Grid::RowTop(positionRow) - Grid::TextOffset,
         QString::asprintf("%04d", number));
}

void LadderPainter::DrawLadder(const LadderProgram& program, double firstDeviceY,
                               double lastDeviceY) {
    const int n = program.rowCount;
    if (n <= 0 || n > LadderProgram::MaxRows) {
        return;
    }
    ThickLine(Grid::LeftRail, Grid::RailTop, Grid::LeftRail, Grid::Bottom(n));
    ThickLine(Grid::RightRail, Grid::RailTop, Grid::RightRail, Grid::Bottom(n));

    // Rows whose area meets the device range, with a row more above: a vertical link reaches
    // down into the next row.
    const auto rowAt = [this](double deviceY) {
        return (-(deviceY - origin.y()) / scaleY - Grid::Top) / -Grid::RowHeight;
    };
    const int first = std::max(0, static_cast<int>(std::floor(rowAt(firstDeviceY))) - 1);
    const int last = std::min(n - 1, static_cast<int>(std::floor(rowAt(lastDeviceY))) + 1);
    const auto visible = [first, last](int r) { return r >= first && r <= last; };

    for (int r = 0; r < n && r <= last; ++r) {
        const LadderRow& row = program.Row(r);
        // A data table is drawn as one block; only its last row shows the comment. It never
        // reaches past the last row, whatever its cells claim.
        int blockEnd = r;
        if (row[0].code == CellCode(Kind::CODT, 0, 0) && row[0].tableRows > 1) {
            blockEnd = std::min(n - 1, r + std::min(row[0].tableRows, n) - 1);
        }
        if (blockEnd < first) {
            r = blockEnd;
            continue;
        }
        for (int k = r; k <= blockEnd; ++k) {
            if (!visible(k)) {
                continue;
            }
            const LadderRow& cells = program.Row(k);
            for (int c = 0; c < ColumnsPerRow; ++c) {
                DrawCell(cells[c], c, k, false);
            }
            DrawRowNumber(k, k + 1);
        }
        if (visible(blockEnd)) {
            painter.setPen(Qt::black);
            CommentText(Grid::CommentX, Grid::RowTop(blockEnd) - Grid::TextOffset,
                        ModelText(program.CommentText(blockEnd)));
        }
        r = blockEnd;
    }
}

void PrintLadderPage(QPainter& painter, const LadderProgram& program, int page, double scaleX,
                     double scaleY) {
    const int n = program.rowCount;
    if (n <= 0 || n > LadderProgram::MaxRows || page < 1) {
        return;
    }
    const LadderFonts fonts(scaleY);
    LadderPainter ladder(painter, fonts, scaleX, scaleY, QPointF(0, 0));
    if (page == 1) {
        ladder.ThickLine(PrintLayout::RuleLeft, Grid::Top, PrintLayout::RuleRight, Grid::Top);
    }
    ladder.ThickLine(Grid::LeftRail, Grid::Top, Grid::LeftRail, PrintLayout::RailBottom);
    ladder.ThickLine(Grid::RightRail, Grid::Top, Grid::RightRail, PrintLayout::RailBottom);
    const int first = (page - 1) * PrintLayout::RowsPerPage;
    for (int i = first; i < first + PrintLayout::RowsPerPage && i < n; ++i) {
        const LadderRow& row = program.Row(i);
        for (int c = 0; c < ColumnsPerRow; ++c) {
            ladder.DrawCell(row[c], c, i, true);
        }
        ladder.DrawRowNumber(i - first, i + 1);
    }
    painter.setPen(Qt::black);
    ladder.Text(PrintLayout::PageNumberX, PrintLayout::PageNumberY,
                QStringLiteral("第 %1 页").arg(page));
}

} // namespace velmora
