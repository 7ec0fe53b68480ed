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
    const QRectF cross = QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5).translated(
        isDown() ? 0.5 : 0, isDown() ? 0.5 : 0);
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
    return vertical ? QSize(Band, CoolBarCloseButton::Size + 8)
                    : QSize(CoolBarCloseButton::Size + 8, Band);
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
    const int textRoom = caption.isEmpty() ? 0 : fm.horizontalAdvance(caption) + 8;
    const int length = vertical ? height() : width();
    const int buttonEnd = CoolBarCloseButton::Size + 4;

    // Coordinates along the band; a vertical band is drawn turned, reading upwards, so in both
    // cases the close button sits at the far end.
    int from = 2;
    int to = length - buttonEnd;
    p.save();
    if (vertical) {
        p.translate(0, height());
        p.rotate(-90);
    }
    const int thickness = vertical ? width() : height();
    if (textRoom > 0 && to - from > textRoom + 10) {
        p.setPen(pal.color(QPalette::WindowText));
        if (vertical) {
            p.drawText(QRect(to - textRoom, 0, textRoom, thickness),
                       Qt::AlignVCenter | Qt::AlignRight, caption);
            to -= textRoom + 2;
        } else {
            p.drawText(QRect(from + 2, 0, textRoom, thickness), Qt::AlignVCenter | Qt::AlignLeft,
                       caption);
            from += textRoom + 2;
        }
    }
    const int first = (thickness - 2 * LineWidth - LineGap) / 2;
    for (int i = 0; i < 2; ++i) {
        const int y = first + i * (LineWidth + LineGap);
        const QRect line(from, y, std::max(0, to - from), LineWidth);
        if (line.width() <= 0) {
            break;
        }
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(line.topLeft(), line.topRight());
        p.drawLine(line.topLeft(), line.bottomLeft());
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(line.bottomLeft(), line.bottomRight());
        p.drawLine(line.topRight(), line.bottomRight());
    }
    p.restore();
}

} // namespace velmora
