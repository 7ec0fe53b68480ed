#include "shell/dialogs/FuncDlg.h"

#include "model/ElementCatalogue.h"
#include "platform/Ui.h"
#include "shell/dialogs/FieldEdit.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace velmora {

FuncDlg::FuncDlg(Ui& ui, QWidget* parent)
    : QDialog(parent), ui(ui), name(new FieldEdit(1008, ui, FieldEdit::NoLimit, true, this)),
      list(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Dialog"));
    list->setObjectName(QStringLiteral("list1007"));
    list->setSortingEnabled(true);
    for (const FunctionInfo& info : FunctionTable) {
        list->addItem(QString::fromLatin1(info.mnemonic.data(),
                                          static_cast<qsizetype>(info.mnemonic.size())));
    }
    list->sortItems();
    list->setMinimumHeight(160);
    connect(list, &QListWidget::currentTextChanged, this,
            [this](const QString& text) { name->SetFieldText(text); });

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* hint =
        new QLabel(QStringLiteral("在左边的列表框选择或直接在右边的编辑框输入功能指令"), this);
    hint->setWordWrap(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(hint, 0, 0, 1, 2);
    layout->addWidget(list, 1, 0, 2, 1);
    layout->addWidget(name, 1, 1, Qt::AlignTop);
    layout->addWidget(buttons, 2, 1, Qt::AlignBottom | Qt::AlignRight);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
}

void FuncDlg::Load(const FuncData& data) {
    name->SetFieldText(FromGbk(data.name));
    name->setFocus();
}

void FuncDlg::Store(FuncData& data) const {
    data.name = ToGbk(name->text());
    data.resultCode = resultCode;
}

void FuncDlg::accept() {
    const std::string typed = name->text().toStdString();
    for (int i = 0; i < FunctionCount; ++i) {
        if (FunctionTable[static_cast<std::size_t>(i)].mnemonic == typed) {
            resultCode = static_cast<std::uint16_t>(KindFromIndex(i) << 8);
            QDialog::accept();
            return;
        }
    }
    ui.MessageBox("功能指令输入错误!");
}

} // namespace velmora
