#include "shell/dialogs/NoteDlg.h"

#include "shell/dialogs/DialogLayout.h"
#include "shell/dialogs/FieldEdit.h"

#include <QGroupBox>
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

    LayOutWithButtons(*this, group, QStringLiteral("确 认"), QStringLiteral("取 消"));
}

void NoteDlg::Load(const NoteData& data) {
    group->setTitle(FromGbk(data.title));
    comment->SetFieldText(FromGbk(data.comment));
    comment->selectAll();
    comment->setFocus();
}

void NoteDlg::Store(NoteData& data) const { data.comment = ToGbk(comment->text()); }

} // namespace velmora
