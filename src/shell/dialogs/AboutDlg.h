#pragma once

#include <QDialog>

namespace velmora {

// The About box.
class AboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit AboutDlg(QWidget* parent = nullptr);
};

} // namespace velmora
