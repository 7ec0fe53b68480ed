#include "shell/dialogs/NoteDlg.h"

#include "shell/dialogs/FieldEdit.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

NoteDlg::NoteDlg(Ui& ui, QWidget* parent)
    : QDialog(parent), group(new QGroupBox(this)),
      comment(new FieldEdit(1014, ui, FieldEdit::NoLimit, false, group)) {
    setWindowTitle(QStringLiteral("修改注释"));
    group->setObjectName(QStringLiteral("group1013"));
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(comment);
    comment->setMinimumWidth(240);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确 认"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("取 消"), QDialogButtonBox::RejectRole);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void NoteDlg::Load(const NoteData& data) {
    group->setTitle(FromGbk(data.title));
    comment->SetFieldText(FromGbk(data.comment));
    comment->selectAll();
    comment->setFocus();
}

void NoteDlg::Store(NoteData& data) const { data.comment = ToGbk(comment->text()); }

} // namespace velmora
