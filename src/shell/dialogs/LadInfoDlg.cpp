#include "shell/dialogs/LadInfoDlg.h"

#include "shell/dialogs/DialogLayout.h"
#include "shell/dialogs/FieldEdit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace velmora {

LadInfoDlg::LadInfoDlg(Ui& ui, QWidget* parent)
    : QDialog(parent), ui(ui), version(new FieldEdit(1017, ui, LadInfoData::VersionSize, false)),
      machine(new FieldEdit(1018, ui, LadInfoData::MachineSize, false)),
      modifier(new FieldEdit(1019, ui, LadInfoData::ModifierSize, false)) {
    setWindowTitle(QStringLiteral("梯形图信息"));
    auto* group = new QGroupBox(this);
    auto* form = new QFormLayout(group);
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("梯形梯版本号:"), version);
    form->addRow(QStringLiteral("适用机床:"), machine);
    form->addRow(QStringLiteral("最后修改人:"), modifier);
    for (FieldEdit* edit : {version, machine, modifier}) {
        edit->setMinimumWidth(220);
    }

    LayOutWithButtons(*this, group, QStringLiteral("OK"), QStringLiteral("Cancel"));
}

void LadInfoDlg::Load(const LadInfoData& data) {
    version->SetFieldText(FromGbk(data.version));
    machine->SetFieldText(FromGbk(data.machine));
    modifier->SetFieldText(FromGbk(data.modifier));
    version->setFocus();
}

void LadInfoDlg::Store(LadInfoData& data) const {
    data.version = ToGbk(version->text());
    data.machine = ToGbk(machine->text());
    data.modifier = ToGbk(modifier->text());
}

void LadInfoDlg::accept() {
    if (CheckLength(ui, version, LadInfoData::VersionSize) &&
        CheckLength(ui, machine, LadInfoData::MachineSize) &&
        CheckLength(ui, modifier, LadInfoData::ModifierSize)) {
        QDialog::accept();
    }
}

} // namespace velmora
