#include "shell/dialogs/RowNumberDlg.h"

#include "shell/dialogs/FieldEdit.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace velmora {

RowNumberDlg::RowNumberDlg(Ui& ui, const QString& caption, const QString& verb, int editId,
                           QWidget* parent)
    : QDialog(parent), ui(ui), number(new FieldEdit(editId, ui, FieldEdit::NoLimit, false)) {
    setWindowTitle(caption);
    auto* group = new QGroupBox(this);
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel(verb, group));
    row->addWidget(number);
    row->addWidget(new QLabel(QStringLiteral("行"), group));
    number->setFixedWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace velmora
