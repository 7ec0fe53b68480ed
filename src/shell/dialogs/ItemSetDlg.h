#pragma once

#include "platform/DialogData.h"

#include <QDialog>

class QGroupBox;

namespace velmora {

class FieldEdit;
class Ui;

// Asks for the operand address of the element being placed or edited. The group caption names
// the element or the box parameter, and the element's figure is drawn beside the field.
class ItemSetDlg : public QDialog {
    Q_OBJECT
public:
    ItemSetDlg(Ui& ui, QWidget* parent = nullptr);

    void Load(const ItemSetData& data);
    void Store(ItemSetData& data) const;

    // The group caption shown for an element code.
    static QString CaptionFor(std::uint16_t code);

    void accept() override;

private:
    Ui& ui;
    std::uint16_t code = 0;
    QGroupBox* group;
    FieldEdit* address;
    QWidget* figure;
};

} // namespace velmora
