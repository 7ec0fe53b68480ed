#pragma once

#include "platform/DialogData.h"
#include "shell/dialogs/RowNumberDlg.h"

namespace velmora {

// Asks how many rows to insert, 1 to 1000.
class InsertLineDlg : public RowNumberDlg {
    Q_OBJECT
public:
    InsertLineDlg(Ui& ui, QWidget* parent = nullptr);

    void Load(const InsertLineData& data);
    void Store(InsertLineData& data) const { data.count = count; }

    void accept() override;

private:
    unsigned count = 1;
};

} // namespace velmora
