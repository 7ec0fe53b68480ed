#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace velmora {

// Lays out a dialog as its group of fields above a centred pair of buttons, the first the
// default, and fixes the dialog's size to its contents.
void LayOutWithButtons(QDialog& dialog, QWidget* fields, const QString& acceptText,
                       const QString& rejectText);

} // namespace velmora
