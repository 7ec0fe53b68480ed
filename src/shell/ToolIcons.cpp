#include "shell/ToolIcons.h"

#include "shell/CommandTable.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace velmora {

namespace {

// Colours of one picture: the main ink and its accent, replaced by greys when disabled.
struct Inks {
    QColor ink;
    QColor accent;
    QColor paper;
    QColor fill;
};

using Painter = std::function<void(QPainter&, const Inks&)>;

// Paints a picture drawn on a 16 x 16 grid into whatever size and scale is asked for.
class PaintedIconEngine : public QIconEngine {
public:
    PaintedIconEngine(Painter painter, QSizeF grid) : draw(std::move(painter)), grid(grid) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        Inks inks{QColor(0x26, 0x32, 0x38), QColor(0x1e, 0x6f, 0xd9), Qt::white,
                  QColor(0xff, 0xd5, 0x4f)};
        if (mode == QIcon::Disabled) {
            inks = {QColor(0xa0, 0xa0, 0xa0), QColor(0xb4, 0xb4, 0xb4), QColor(0xf4, 0xf4, 0xf4),
                    QColor(0xdc, 0xdc, 0xdc)};
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal scale = std::min(rect.width() / grid.width(), rect.height() / grid.height());
        painter->translate(rect.x() + (rect.width() - grid.width() * scale) / 2,
                           rect.y() + (rect.height() - grid.height() * scale) / 2);
        painter->scale(scale, scale);
        draw(*painter, inks);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap pm = pixmap(size * scale, mode, state);
        pm.setDevicePixelRatio(scale);
        return pm;
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(draw, grid); }

private:
    Painter draw;
    QSizeF grid;
};

QIcon Painted(Painter painter, QSizeF grid = QSizeF(16, 16)) {
    return QIcon(new PaintedIconEngine(std::move(painter), grid));
}

QPen Pen(const QColor& c, qreal w = 1.2) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Page(QPainter& p, const Inks& k, qreal x, qreal y, qreal w, qreal h) {
    QPainterPath path;
    path.moveTo(x, y);
    path.lineTo(x + w - 3.5, y);
    path.lineTo(x + w, y + 3.5);
    path.lineTo(x + w, y + h);
    path.lineTo(x, y + h);
    path.closeSubpath();
    p.setPen(Pen(k.ink, 1));
    p.setBrush(k.paper);
    p.drawPath(path);
    p.drawPolyline(QPolygonF{{x + w - 3.5, y}, {x + w - 3.5, y + 3.5}, {x + w, y + 3.5}});
}

void DrawNew(QPainter& p, const Inks& k) {
    Page(p, k, 3, 1.5, 10, 13);
    p.setPen(Pen(k.accent, 1.4));
    p.drawLine(QPointF(11.5, 10), QPointF(11.5, 15));
    p.drawLine(QPointF(9, 12.5), QPointF(14, 12.5));
}

void DrawOpen(QPainter& p, const Inks& k) {
    p.setPen(Pen(k.ink, 1));
    p.setBrush(k.fill.darker(115));
    p.drawPolygon(QPolygonF{{1.5, 3}, {6, 3}, {7.5, 4.5}, {13, 4.5}, {13, 13.5}, {1.5, 13.5}});
    p.setBrush(k.fill);
    p.drawPolygon(QPolygonF{{1.5, 13.5}, {4, 7}, {15, 7}, {13, 13.5}});
}

void DrawSave(QPainter& p, const Inks& k) {
    p.setPen(Pen(k.ink, 1));
    p.setBrush(k.accent);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setBrush(k.paper);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(k.paper);
    p.drawRect(QRectF(3.5, 9, 9, 5.5));
    p.setPen(Pen(k.ink, 1));
    p.drawLine(QPointF(9.5, 2.5), QPointF(9.5, 5.5));
}

void DrawCut(QPainter& p, const Inks& k) {
    p.setPen(Pen(k.ink, 1.3));
    p.drawLine(QPointF(4, 1.5), QPointF(10.5, 10.5));
    p.drawLine(QPointF(12, 1.5), QPointF(5.5, 10.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(k.accent, 1.4));
    p.drawEllipse(QPointF(4.2, 12.3), 2.3, 2.3);
    p.drawEllipse(QPointF(11.8, 12.3), 2.3, 2.3);
}

void DrawCopy(QPainter& p, const Inks& k) {
    Page(p, k, 1.5, 1.5, 8.5, 10);
    Page(p, k, 6, 4.5, 8.5, 10);
    p.setPen(Pen(k.accent, 1));
    for (qreal y : {8.5, 10.5, 12.5}) {
        p.drawLine(QPointF(8, y), QPointF(12.5, y));
    }
}

void DrawPaste(QPainter& p, const Inks& k) {
    p.setPen(Pen(k.ink, 1));
    p.setBrush(k.fill.darker(120));
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
    p.setBrush(k.paper);
    p.drawRect(QRectF(4, 1.5, 5, 2.5));
    Page(p, k, 7, 6, 7.5, 8.5);
}

void DrawUndo(QPainter& p, const Inks& k) {
    QPainterPath path;
    path.moveTo(3, 7);
    path.cubicTo(6, 2.5, 14, 3.5, 13.5, 10);
    path.cubicTo(13.2, 12.5, 11.5, 13.5, 10, 13.5);
    p.setPen(Pen(k.accent, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Pen(k.accent, 1));
    p.setBrush(k.accent);
    p.drawPolygon(QPolygonF{{1.5, 3}, {2, 9}, {7.5, 7.5}});
}

void DrawConvert(QPainter& p, const Inks& k) {
    // A ladder rung turning into instruction lines.
    p.setPen(Pen(k.ink, 1.2));
    p.drawLine(QPointF(1.5, 2), QPointF(1.5, 14));
    p.drawLine(QPointF(1.5, 5), QPointF(6.5, 5));
    p.drawLine(QPointF(1.5, 11), QPointF(6.5, 11));
    p.setPen(Pen(k.accent, 1.6));
    p.drawLine(QPointF(5, 8), QPointF(10, 8));
    p.setBrush(k.accent);
    p.setPen(Pen(k.accent, 1));
    p.drawPolygon(QPolygonF{{9, 5.5}, {12, 8}, {9, 10.5}});
    p.setPen(Pen(k.ink, 1.2));
    for (qreal y : {3.0, 6.0, 10.0, 13.0}) {
        p.drawLine(QPointF(12.5, y), QPointF(15, y));
    }
}

void DrawFind(QPainter& p, const Inks& k) {
    p.setPen(Pen(k.ink, 1.4));
    p.setBrush(k.paper);
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(Pen(k.accent, 2.4));
    p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
}

void DrawPrint(QPainter& p, const Inks& k) {
    p.setPen(Pen(k.ink, 1));
    p.setBrush(k.paper);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(k.ink.lighter(250));
    p.drawRoundedRect(QRectF(1.5, 6, 13, 6), 1.2, 1.2);
    p.setBrush(k.paper);
    p.drawRect(QRectF(4, 10, 8, 4.5));
    p.setPen(Pen(k.accent, 1.4));
    p.drawPoint(QPointF(12.5, 8));
}

void DrawAbout(QPainter& p, const Inks& k) {
    p.setPen(Pen(k.accent, 1));
    p.setBrush(k.accent);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    QFont f;
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(k.paper);
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
}

// Element pictures on a 16 x 15 grid, the wire at y = 7.5.
constexpr qreal Wire = 7.5;

void Contact(QPainter& p, const Inks& k, bool closed) {
    p.setPen(Pen(k.ink, 1.3));
    p.drawLine(QPointF(0.5, Wire), QPointF(5.5, Wire));
    p.drawLine(QPointF(10.5, Wire), QPointF(15.5, Wire));
    p.drawLine(QPointF(5.5, 2.5), QPointF(5.5, 12.5));
    p.drawLine(QPointF(10.5, 2.5), QPointF(10.5, 12.5));
    if (closed) {
        p.setPen(Pen(k.accent, 1.3));
        p.drawLine(QPointF(4, 13), QPointF(12, 2));
    }
}

void Coil(QPainter& p, const Inks& k, bool inverted) {
    p.setPen(Pen(k.ink, 1.3));
    p.drawLine(QPointF(0.5, Wire), QPointF(3.5, Wire));
    p.drawLine(QPointF(12.5, Wire), QPointF(15.5, Wire));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3.5, 2, 6, 11), 100 * 16, 160 * 16);
    p.drawArc(QRectF(6.5, 2, 6, 11), -80 * 16, 160 * 16);
    if (inverted) {
        p.setPen(Pen(k.accent, 1.3));
        p.drawLine(QPointF(5.5, 12), QPointF(10.5, 3));
    }
}

void HLine(QPainter& p, const Inks& k) {
    p.setPen(Pen(k.ink, 1.5));
    p.drawLine(QPointF(0.5, Wire), QPointF(15.5, Wire));
}

void VLine(QPainter& p, const Inks& k) {
    p.setPen(Pen(k.ink, 1.5));
    p.drawLine(QPointF(8, 0.5), QPointF(8, 14.5));
}

void Strike(QPainter& p, const Inks&) {
    p.setPen(Pen(QColor(0xd3, 0x2f, 0x2f), 1.6));
    p.drawLine(QPointF(4, 3), QPointF(12, 12));
    p.drawLine(QPointF(12, 3), QPointF(4, 12));
}

void FunctionBox(QPainter& p, const Inks& k) {
    p.setPen(Pen(k.ink, 1.2));
    p.setBrush(k.paper);
    p.drawLine(QPointF(0.5, Wire), QPointF(3, Wire));
    p.drawRect(QRectF(3, 2, 10, 11));
    p.drawLine(QPointF(13, Wire), QPointF(15.5, Wire));
    QFont f;
    f.setPixelSize(8);
    f.setBold(true);
    p.setFont(f);
    p.setPen(k.accent);
    p.drawText(QRectF(3, 2, 10, 11), Qt::AlignCenter, QStringLiteral("F"));
}

} // namespace

QIcon CommandIcon(int id) {
    const QSizeF element(16, 15);
    switch (id) {
    case Cmd::FileNew:
        return Painted(DrawNew);
    case Cmd::FileOpen:
        return Painted(DrawOpen);
    case Cmd::FileSave:
        return Painted(DrawSave);
    case Cmd::EditCut:
        return Painted(DrawCut);
    case Cmd::EditCopy:
        return Painted(DrawCopy);
    case Cmd::EditPaste:
        return Painted(DrawPaste);
    case Cmd::EditUndo:
        return Painted(DrawUndo);
    case Cmd::Convert:
        return Painted(DrawConvert);
    case Cmd::Find:
        return Painted(DrawFind);
    case Cmd::FilePrint:
        return Painted(DrawPrint);
    case Cmd::AppAbout:
        return Painted(DrawAbout);
    case Cmd::OpenContact:
        return Painted([](QPainter& p, const Inks& k) { Contact(p, k, false); }, element);
    case Cmd::ClosedContact:
        return Painted([](QPainter& p, const Inks& k) { Contact(p, k, true); }, element);
    case Cmd::HorizontalLine:
        return Painted(HLine, element);
    case Cmd::VerticalLine:
        return Painted(VLine, element);
    case Cmd::DeleteElement:
        return Painted(
            [](QPainter& p, const Inks& k) {
                HLine(p, k);
                Strike(p, k);
            },
            element);
    case Cmd::DeleteVerticalLine:
        return Painted(
            [](QPainter& p, const Inks& k) {
                VLine(p, k);
                Strike(p, k);
            },
            element);
    case Cmd::Coil:
        return Painted([](QPainter& p, const Inks& k) { Coil(p, k, false); }, element);
    case Cmd::InvertedCoil:
        return Painted([](QPainter& p, const Inks& k) { Coil(p, k, true); }, element);
    case Cmd::FunctionPicker:
        return Painted(FunctionBox, element);
    default:
        return {};
    }
}

QIcon AppIcon() {
    return Painted([](QPainter& p, const Inks& k) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1e, 0x5f, 0xb4));
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
        p.setPen(Pen(Qt::white, 1.1));
        p.drawLine(QPointF(3, 3), QPointF(3, 13));
        p.drawLine(QPointF(13, 3), QPointF(13, 13));
        for (qreal y : {5.5, 10.5}) {
            p.drawLine(QPointF(3, y), QPointF(5.5, y));
            p.drawLine(QPointF(5.5, y - 2), QPointF(5.5, y + 2));
            p.drawLine(QPointF(7.5, y - 2), QPointF(7.5, y + 2));
            p.drawLine(QPointF(7.5, y), QPointF(13, y));
        }
        p.setBrush(k.fill);
        p.setPen(Pen(k.fill, 1));
        p.drawEllipse(QPointF(10.3, 5.5), 1.5, 1.5);
        p.drawEllipse(QPointF(10.3, 10.5), 1.5, 1.5);
    });
}

} // namespace velmora
