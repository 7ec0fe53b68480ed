#pragma once

#include "editor/FindReplace.h"

#include <QDialog>

#include <functional>

class QRadioButton;

namespace velmora {

class FieldEdit;
class LadderEditor;
class Ui;

// The find dialog: a text and a direction, and a button that searches the ladder of the active
// window while the dialog stays open. Leaving the field rewrites an address in its stored form;
// Enter searches for the text as typed.
class FindDlg : public QDialog {
    Q_OBJECT
public:
    // editor: the editor the search runs in, asked at each press.
    FindDlg(Ui& ui, std::function<LadderEditor*()> editor, QWidget* parent = nullptr);

    void Load(const FindDialogData& data);
    void Store(FindDialogData& data) const;

    FieldEdit* FindField() const { return findText; }

signals:
    // A button searched (and perhaps changed) the ladder.
    void searched();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnFind();

    Ui& ui;
    std::function<LadderEditor*()> editor;
    FieldEdit* findText;
    QRadioButton* down;
    QRadioButton* up;
};

// Rewrites the address in a find or replace field as it loses the focus.
void NormaliseField(FieldEdit* field);

} // namespace velmora
