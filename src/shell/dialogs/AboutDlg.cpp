#include "shell/dialogs/AboutDlg.h"

#include "shell/ToolIcons.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace velmora {

AboutDlg::AboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("关于Korvane"));
    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(QSize(32, 32)));
    auto* name = new QLabel(QStringLiteral("Korvane V1.2"), this);
    auto* purpose = new QLabel(QStringLiteral("适用于CNC梯形图编辑"), this);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(purpose, 1, 1);
    layout->setRowMinimumHeight(2, 16);
    layout->addWidget(ok, 3, 0, 1, 2, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace velmora
