#include "shell/dialogs/InsertLineDlg.h"

#include "shell/dialogs/FieldEdit.h"

namespace velmora {

InsertLineDlg::InsertLineDlg(Ui& ui, QWidget* parent)
    : RowNumberDlg(ui, QStringLiteral("插入行"), QStringLiteral("插入"), 1015, parent) {}

void InsertLineDlg::Load(const InsertLineData& data) {
    count = data.count;
    number->SetFieldText(QString::number(data.count));
    number->selectAll();
    number->setFocus();
}

void InsertLineDlg::accept() {
    if (CheckUnsignedRange(ui, number, InsertLineData::MinCount, InsertLineData::MaxCount, count)) {
        QDialog::accept();
    }
}

} // namespace velmora
