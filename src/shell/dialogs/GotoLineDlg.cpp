#include "shell/dialogs/GotoLineDlg.h"

#include "shell/dialogs/FieldEdit.h"

namespace velmora {

GotoLineDlg::GotoLineDlg(Ui& ui, QWidget* parent)
    : RowNumberDlg(ui, QStringLiteral("转到行"), QStringLiteral("转到"), 1035, parent) {}

void GotoLineDlg::Load(const GotoLineData& data) {
    row = data.row;
    number->SetFieldText(QString::number(data.row));
    number->selectAll();
    number->setFocus();
}

void GotoLineDlg::accept() {
    if (CheckSignedRange(ui, number, GotoLineData::MinRow, GotoLineData::MaxRow, row)) {
        QDialog::accept();
    }
}

} // namespace velmora
