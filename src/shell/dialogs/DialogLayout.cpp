#include "shell/dialogs/DialogLayout.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

void LayOutWithButtons(QDialog& dialog, QWidget* fields, const QString& acceptText,
                       const QString& rejectText) {
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(acceptText, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(rejectText, QDialogButtonBox::RejectRole);
    buttons->setCenterButtons(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace velmora
