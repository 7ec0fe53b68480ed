#include "shell/dialogs/SelMulRowDlg.h"

#include "shell/dialogs/FieldEdit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace velmora {

SelMulRowDlg::SelMulRowDlg(Ui& ui, QWidget* parent)
    : QDialog(parent), ui(ui), start(new FieldEdit(1033, ui, FieldEdit::NoLimit, true)),
      end(new FieldEdit(1034, ui, FieldEdit::NoLimit, true)) {
    setWindowTitle(QStringLiteral("选择多行"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("起始行:"), start);
    form->addRow(QStringLiteral("目标行:"), end);
    for (FieldEdit* edit : {start, end}) {
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) +
                            12);
    }

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(QStringLiteral("确 认"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("取 消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(16);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SelMulRowDlg::Load(const SelMulRowData& data) {
    startRow = data.startRow;
    endRow = data.endRow;
    start->SetFieldText(QString::number(data.startRow));
    end->SetFieldText(QString::number(data.endRow));
    start->selectAll();
    start->setFocus();
}

void SelMulRowDlg::Store(SelMulRowData& data) const {
    data.startRow = startRow;
    data.endRow = endRow;
}

void SelMulRowDlg::accept() {
    if (CheckSigned(ui, start, startRow) && CheckSigned(ui, end, endRow)) {
        QDialog::accept();
    }
}

} // namespace velmora
