#pragma once

#include "platform/DialogData.h"
#include "shell/dialogs/RowNumberDlg.h"

namespace velmora {

// Asks for the row to go to, 1 to 9999 as shown.
class GotoLineDlg : public RowNumberDlg {
    Q_OBJECT
public:
    GotoLineDlg(Ui& ui, QWidget* parent = nullptr);

    void Load(const GotoLineData& data);
    void Store(GotoLineData& data) const { data.row = row; }

    void accept() override;

private:
    int row = 0;
};

} // namespace velmora
