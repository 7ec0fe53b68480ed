#include "shell/view/ElementPictures.h"

#include "shell/CommandTable.h"

#include <QPainter>
#include <QPixmap>

namespace velmora {

namespace {

constexpr int Width = 17;
constexpr int Height = 15;
constexpr int Wire = 7;

void Contact(QPainter& p) {
    p.drawLine(0, Wire, 5, Wire);
    p.drawLine(11, Wire, 16, Wire);
    p.drawLine(6, 2, 6, 12);
    p.drawLine(10, 2, 10, 12);
}

void Coil(QPainter& p) {
    p.drawLine(0, Wire, 3, Wire);
    p.drawLine(13, Wire, 16, Wire);
    p.drawArc(3, 2, 5, 10, 90 * 16, 180 * 16);
    p.drawArc(8, 2, 5, 10, -90 * 16, 180 * 16);
}

void Strike(QPainter& p) {
    p.setPen(QColor(0x80, 0, 0));
    p.drawLine(3, 13, 13, 1);
    p.drawLine(3, 1, 13, 13);
}

} // namespace

QIcon ElementPicture(int commandId) {
    QPixmap picture(Width, Height);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(Qt::black);
    switch (commandId) {
    case Cmd::OpenContact:
        Contact(p);
        break;
    case Cmd::ClosedContact:
        Contact(p);
        p.drawLine(4, 12, 12, 2);
        break;
    case Cmd::HorizontalLine:
        p.drawLine(0, Wire, 16, Wire);
        break;
    case Cmd::VerticalLine:
        p.drawLine(8, 0, 8, 14);
        break;
    case Cmd::DeleteElement:
        p.drawLine(0, Wire, 16, Wire);
        Strike(p);
        break;
    case Cmd::DeleteVerticalLine:
        p.drawLine(8, 0, 8, 14);
        Strike(p);
        break;
    case Cmd::Coil:
        Coil(p);
        break;
    case Cmd::InvertedCoil:
        Coil(p);
        p.drawLine(6, 11, 10, 3);
        break;
    default:
        return {};
    }
    p.end();
    return QIcon(picture);
}

} // namespace velmora
