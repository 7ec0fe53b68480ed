#include "shell/bars/CoolBarGripper.h"

#include "shell/bars/CCoolBar.h"

#include <QPainter>
#include <QStyleOption>

namespace velmora {

namespace {
constexpr int Band = CCoolBar::GripperSize + 3;
constexpr int LineWidth = 3;
constexpr int LineGap = 3;
} // namespace

CoolBarCloseButton::CoolBarCloseButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setToolTip(QStringLiteral("关闭"));
    setFixedSize(Size, Size);
}

void CoolBarCloseButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (isDown() || underMouse()) {
        const bool sunken = isDown();
        p.fillRect(rect(), pal.color(QPalette::Button).lighter(sunken ? 95 : 108));
        p.setPen(sunken ? pal.color(QPalette::Dark) : pal.color(QPalette::Light));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(sunken ? pal.color(QPalette::Light) : pal.color(QPalette::Dark));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(pal.color(QPalette::ButtonText), 1.3));
    const QRectF cross = QRectF(rect())
                             .adjusted(3.5, 3.5, -3.5, -3.5)
                             .translated(isDown() ? 0.5 : 0, isDown() ? 0.5 : 0);
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.topRight(), cross.bottomLeft());
}

CoolBarGripper::CoolBarGripper(QWidget* parent)
    : QWidget(parent), closeButton(new CoolBarCloseButton(this)) {
    setCursor(Qt::SizeAllCursor);
}

void CoolBarGripper::SetVertical(bool value) {
    vertical = value;
    updateGeometry();
    PlaceButton();
    update();
}

QSize CoolBarGripper::sizeHint() const {
    const int band = std::max(Band, fontMetrics().height() + 3);
    return vertical ? QSize(band, CoolBarCloseButton::Size + 8)
                    : QSize(CoolBarCloseButton::Size + 8, band);
}

void CoolBarGripper::resizeEvent(QResizeEvent*) { PlaceButton(); }

void CoolBarGripper::PlaceButton() {
    // At the band's top when it runs down the left side, at its right end when it runs along
    // the top.
    const int s = CoolBarCloseButton::Size;
    if (vertical) {
        closeButton->move((width() - s) / 2, 2);
    } else {
        closeButton->move(width() - s - 2, (height() - s) / 2);
    }
}

void CoolBarGripper::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Window));

    const QString caption = parentWidget() ? parentWidget()->windowTitle() : QString();
    const QFontMetrics fm(font());
    const int length = vertical ? height() : width();
    const int thickness = vertical ? width() : height();
    const int buttonEnd = CoolBarCloseButton::Size + 4;

    // The caption comes next to the close button, upright: down the band under the button when
    // the band is vertical, from the left when it runs along the top. The grip lines take the
    // rest of the band.
    int from = vertical ? buttonEnd : 2;
    int to = vertical ? length - 2 : length - buttonEnd;
    p.setPen(pal.color(QPalette::WindowText));
    if (vertical) {
        const int step = fm.height();
        if (!caption.isEmpty() && to - from > step * caption.size() + 10) {
            for (const QChar c : caption) {
                p.drawText(QRect(0, from, thickness, step), Qt::AlignCenter, QString(c));
                from += step;
            }
            from += 3;
        }
    } else {
        const int textRoom = fm.horizontalAdvance(caption) + 6;
        if (!caption.isEmpty() && to - from > textRoom + 10) {
            p.drawText(QRect(from + 2, 0, textRoom, thickness), Qt::AlignVCenter | Qt::AlignLeft,
                       caption);
            from += textRoom + 2;
        }
    }
    const int first = (thickness - 2 * LineWidth - LineGap) / 2;
    for (int i = 0; i < 2 && to - from > 0; ++i) {
        const int across = first + i * (LineWidth + LineGap);
        const QRect line = vertical ? QRect(across, from, LineWidth, to - from)
                                    : QRect(from, across, to - from, LineWidth);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(line.topLeft(), line.topRight());
        p.drawLine(line.topLeft(), line.bottomLeft());
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(line.bottomLeft(), line.bottomRight());
        p.drawLine(line.topRight(), line.bottomRight());
    }
}

} // namespace velmora
