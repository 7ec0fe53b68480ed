#include "shell/dialogs/ItemSetDlg.h"

#include "model/ElementCatalogue.h"
#include "shell/dialogs/DialogLayout.h"
#include "shell/dialogs/FieldEdit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace velmora {

namespace {

const FunctionInfo* InstructionOf(std::uint16_t code) {
    const int index = IndexFromKind(code >> 8);
    return index >= 0 && index < FunctionCount ? &FunctionTable[static_cast<std::size_t>(index)]
                                               : nullptr;
}

// The element's figure, drawn in the coordinates the dialog has always used: the wire at
// y = 40 from x = 25 to x = 65.
class ElementFigure : public QWidget {
public:
    explicit ElementFigure(QWidget* parent) : QWidget(parent) { setFixedSize(70, 30); }
    void SetCode(std::uint16_t value) {
        code = value;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-20, -25);
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::NoBrush);
        const auto line = [&p](int x1, int y1, int x2, int y2) {
            p.drawLine(QPoint(x1, y1), QPoint(x2, y2));
        };
        switch (code) {
        case Element::OpenContact:
            line(25, 40, 40, 40);
            line(40, 30, 40, 50);
            line(50, 30, 50, 50);
            line(50, 40, 65, 40);
            break;
        case Element::ClosedContact:
            line(25, 40, 40, 40);
            p.drawPolyline(QPolygon{{40, 30}, {40, 50}, {50, 30}, {50, 50}});
            line(50, 40, 65, 40);
            break;
        case Element::Coil:
            line(25, 40, 38, 40);
            p.drawEllipse(QRect(QPoint(38, 30), QPoint(53, 50)));
            line(53, 40, 65, 40);
            break;
        case Element::InvertedCoil:
            line(25, 40, 32, 40);
            p.drawEllipse(QRect(QPoint(32, 36), QPoint(40, 44)));
            p.drawEllipse(QRect(QPoint(40, 30), QPoint(55, 50)));
            line(55, 40, 65, 40);
            break;
        case Element::Empty:
        case Element::Line:
            break;
        default:
            if (const FunctionInfo* info = InstructionOf(code)) {
                p.setPen(Qt::black);
                p.drawText(QPoint(28, 31 + p.fontMetrics().ascent()),
                           QString::fromLatin1(info->mnemonic.data(),
                                               static_cast<qsizetype>(info->mnemonic.size())));
            }
            break;
        }
    }

private:
    std::uint16_t code = 0;
};

} // namespace

ItemSetDlg::ItemSetDlg(Ui& ui, QWidget* parent)
    : QDialog(parent), ui(ui), group(new QGroupBox(this)),
      address(new FieldEdit(1002, ui, ItemSetData::AddressSize, true, group)),
      figure(new ElementFigure(group)) {
    setWindowTitle(QStringLiteral("元件设置"));
    group->setObjectName(QStringLiteral("group1000"));
    auto* row = new QHBoxLayout(group);
    row->addWidget(figure);
    row->addWidget(address, 1);
    address->setMinimumWidth(120);

    LayOutWithButtons(*this, group, QStringLiteral("确 认"), QStringLiteral("取 消"));
}

QString ItemSetDlg::CaptionFor(std::uint16_t code) {
    switch (code) {
    case Element::OpenContact:
        return QStringLiteral("常开触点");
    case Element::ClosedContact:
        return QStringLiteral("常闭触点");
    case Element::Coil:
        return QStringLiteral("输出线圈");
    case Element::InvertedCoil:
        return QStringLiteral("输出线圈取反");
    case Element::Empty:
    case Element::Line:
        return {};
    default:
        break;
    }
    const int low = code & 0xFF;
    if ((code >> 8) != Kind::CODT && (low < 1 || low > 15)) {
        return {};
    }
    const FunctionInfo* info = InstructionOf(code);
    if (!info) {
        return {};
    }
    const int p = std::clamp(low - 1, 0, 4);
    const std::string_view label = info->labels[static_cast<std::size_t>(p)];
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

void ItemSetDlg::Load(const ItemSetData& data) {
    code = data.elementCode;
    group->setTitle(CaptionFor(code));
    static_cast<ElementFigure*>(figure)->SetCode(code);
    address->SetFieldText(FromGbk(data.address));
    address->selectAll();
    address->setFocus();
}

void ItemSetDlg::Store(ItemSetData& data) const { data.address = ToGbk(address->text()); }

void ItemSetDlg::accept() {
    if (CheckLength(ui, address, ItemSetData::AddressSize)) {
        QDialog::accept();
    }
}

} // namespace velmora
