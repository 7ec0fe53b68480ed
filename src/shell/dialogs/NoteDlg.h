#pragma once

#include "platform/DialogData.h"

#include <QDialog>

class QGroupBox;

namespace velmora {

class FieldEdit;
class Ui;

// Edits the comment of an address; the group caption shows the address.
class NoteDlg : public QDialog {
    Q_OBJECT
public:
    NoteDlg(Ui& ui, QWidget* parent = nullptr);

    void Load(const NoteData& data);
    void Store(NoteData& data) const;

private:
    QGroupBox* group;
    FieldEdit* comment;
};

} // namespace velmora
