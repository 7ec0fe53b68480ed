#include "shell/dialogs/FindDlg.h"

#include "shell/dialogs/FieldEdit.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr std::size_t AddressSize = 6;

} // namespace

void NormaliseField(FieldEdit* field) {
    const std::string typed = ToGbk(field->text());
    const std::string normalised = NormaliseAddress(typed);
    if (normalised != typed) {
        field->SetFieldText(FromGbk(normalised));
    }
}

FindDlg::FindDlg(Ui& ui, std::function<LadderEditor*()> editor, QWidget* parent)
    : QDialog(parent), ui(ui), editor(std::move(editor)),
      findText(new FieldEdit(1009, ui, AddressSize, true)),
      down(new QRadioButton(QStringLiteral("向下(&D)"))),
      up(new QRadioButton(QStringLiteral("向上(&U)"))) {
    setWindowTitle(QStringLiteral("查找对话框"));
    down->setObjectName(QStringLiteral("radio1010"));
    up->setObjectName(QStringLiteral("radio1011"));
    down->setChecked(true);
    findText->installEventFilter(this);

    auto* direction = new QGroupBox(QStringLiteral("查找"));
    auto* radios = new QVBoxLayout(direction);
    radios->addWidget(up);
    radios->addWidget(down);

    auto* find = new QPushButton(QStringLiteral("查找(&F)"));
    find->setObjectName(QStringLiteral("button1012"));
    find->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"));
    cancel->setObjectName(QStringLiteral("button2"));
    connect(find, &QPushButton::clicked, this, &FindDlg::OnFind);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("查找目标:")), 0, 0);
    layout->addWidget(findText, 0, 1);
    layout->addWidget(direction, 1, 0, 2, 1);
    layout->addWidget(find, 1, 1, Qt::AlignBottom);
    layout->addWidget(cancel, 2, 1, Qt::AlignBottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FindDlg::Load(const FindDialogData& data) {
    findText->SetFieldText(FromGbk(data.text));
    (data.direction == 1 ? up : down)->setChecked(true);
    findText->selectAll();
    findText->setFocus();
}

void FindDlg::Store(FindDialogData& data) const {
    data.text = ToGbk(findText->text());
    data.direction = up->isChecked() ? 1 : 0;
}

bool FindDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == findText && event->type() == QEvent::FocusOut) {
        NormaliseField(findText);
    }
    return QDialog::eventFilter(watched, event);
}

void FindDlg::OnFind() {
    FindDialogData data;
    Store(data);
    if (LadderEditor* target = editor ? editor() : nullptr) {
        FindOperand(*target, data, ui);
        emit searched();
    }
}

} // namespace velmora
