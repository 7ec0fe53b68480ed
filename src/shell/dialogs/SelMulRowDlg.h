#pragma once

#include "platform/DialogData.h"

#include <QDialog>

namespace velmora {

class FieldEdit;
class Ui;

// Asks for the first and last row of a range to select.
class SelMulRowDlg : public QDialog {
    Q_OBJECT
public:
    SelMulRowDlg(Ui& ui, QWidget* parent = nullptr);

    void Load(const SelMulRowData& data);
    void Store(SelMulRowData& data) const;

    void accept() override;

private:
    Ui& ui;
    FieldEdit* start;
    FieldEdit* end;
    int startRow = 0;
    int endRow = 0;
};

} // namespace velmora
