#include "shell/dialogs/ReplaceDlg.h"

#include "shell/dialogs/FieldEdit.h"
#include "shell/dialogs/FindDlg.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace velmora {

namespace {

constexpr std::size_t AddressSize = 6;

} // namespace

ReplaceDlg::ReplaceDlg(Ui& ui, std::function<LadderEditor*()> editor, QWidget* parent)
    : QDialog(parent), ui(ui), editor(std::move(editor)),
      findText(new FieldEdit(1021, ui, AddressSize, true)),
      replacementText(new FieldEdit(1022, ui, AddressSize, true)) {
    setWindowTitle(QStringLiteral("替换"));
    setWindowFlag(Qt::Tool);
    for (FieldEdit* field : {findText, replacementText}) {
        field->installEventFilter(this);
    }
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("查找目标:"), findText);
    form->addRow(QStringLiteral("替换为:"), replacementText);

    auto* buttons = new QDialogButtonBox(Qt::Vertical);
    const auto add = [this, buttons](int id, const QString& text, auto action) {
        auto* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
        button->setObjectName(QStringLiteral("button%1").arg(id));
        connect(button, &QPushButton::clicked, this, action);
        return button;
    };
    add(3, QStringLiteral("查找下一个(&F)"), [this] {
        if (LadderEditor* target = Prepare()) {
            logic.FindNext(*target, this->ui);
            emit searched();
        }
    })->setDefault(true);
    add(4, QStringLiteral("替换(&R)"), [this] {
        if (LadderEditor* target = Prepare()) {
            logic.Replace(*target, this->ui);
            emit searched();
        }
    });
    add(5, QStringLiteral("全部替换(&A)"), [this] {
        if (LadderEditor* target = Prepare()) {
            logic.ReplaceAll(*target, this->ui);
            emit searched();
        }
    });
    add(2, QStringLiteral("结束(&C)"), [this] { reject(); });

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool ReplaceDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == findText || watched == replacementText)) {
        NormaliseField(static_cast<FieldEdit*>(watched));
    }
    return QDialog::eventFilter(watched, event);
}

LadderEditor* ReplaceDlg::Prepare() {
    NormaliseField(findText);
    NormaliseField(replacementText);
    logic.findText = ToGbk(findText->text());
    logic.replacementText = ToGbk(replacementText->text());
    return editor ? editor() : nullptr;
}

} // namespace velmora
