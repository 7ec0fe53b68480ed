#pragma once

#include "platform/DialogData.h"

#include <QDialog>

namespace velmora {

class FieldEdit;
class Ui;

// The ladder information: version, machine and last modifier, each limited to the bytes its
// field in the file holds.
class LadInfoDlg : public QDialog {
    Q_OBJECT
public:
    LadInfoDlg(Ui& ui, QWidget* parent = nullptr);

    void Load(const LadInfoData& data);
    void Store(LadInfoData& data) const;

    void accept() override;

private:
    Ui& ui;
    FieldEdit* version;
    FieldEdit* machine;
    FieldEdit* modifier;
};

} // namespace velmora
