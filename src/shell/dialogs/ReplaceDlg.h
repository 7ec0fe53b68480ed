#pragma once

#include "editor/FindReplace.h"

#include <QDialog>

#include <functional>

namespace velmora {

class FieldEdit;
class LadderEditor;
class Ui;

// The replace dialog: a text to find and its replacement, and buttons that find, replace and
// replace everything in the ladder of the active window while the dialog stays open. Leaving a
// field rewrites an address in its stored form, and so does pressing a button.
class ReplaceDlg : public QDialog {
    Q_OBJECT
public:
    ReplaceDlg(Ui& ui, std::function<LadderEditor*()> editor, QWidget* parent = nullptr);

    FieldEdit* FindField() const { return findText; }
    FieldEdit* ReplacementField() const { return replacementText; }

signals:
    // A button searched (and perhaps changed) the ladder.
    void searched();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The fields as shown, in their stored form; the editor to act on, or null.
    LadderEditor* Prepare();

    Ui& ui;
    std::function<LadderEditor*()> editor;
    FieldEdit* findText;
    FieldEdit* replacementText;
    ReplaceDialogLogic logic;
};

} // namespace velmora
