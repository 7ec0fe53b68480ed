#pragma once

#include <QDialog>

class QLineEdit;

namespace velmora {

class FieldEdit;
class Ui;

// The layout the insert-rows and go-to-row dialogs share: "<verb> [number] 行" in a group box
// with OK and Cancel beside it.
class RowNumberDlg : public QDialog {
    Q_OBJECT
protected:
    RowNumberDlg(Ui& ui, const QString& caption, const QString& verb, int editId, QWidget* parent);

    Ui& ui;
    FieldEdit* number;
};

} // namespace velmora
