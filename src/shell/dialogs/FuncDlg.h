#pragma once

#include "platform/DialogData.h"

#include <QDialog>

class QListWidget;

namespace velmora {

class FieldEdit;
class Ui;

// Picks a functional instruction by name, typed or chosen from the alphabetical list.
class FuncDlg : public QDialog {
    Q_OBJECT
public:
    FuncDlg(Ui& ui, QWidget* parent = nullptr);

    void Load(const FuncData& data);
    void Store(FuncData& data) const;

    void accept() override;

private:
    Ui& ui;
    FieldEdit* name;
    QListWidget* list;
    std::uint16_t resultCode = 0;
};

} // namespace velmora
