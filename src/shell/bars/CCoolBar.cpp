#include "shell/bars/CCoolBar.h"

#include "shell/bars/CoolBarGripper.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QTimer>

namespace velmora {

CCoolBar::CCoolBar(const QString& caption, QSize defaultSize, int id, QMainWindow* parent)
    : QDockWidget(caption, parent), id(id), defaultSize(defaultSize),
      gripper(new CoolBarGripper(this)) {
    setObjectName(QStringLiteral("pane%1").arg(id));
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setMinimumSize(MinDockedSize);
    setTitleBarWidget(gripper);
    connect(gripper->CloseButton(), &QAbstractButton::clicked, this, &CCoolBar::closeRequested);
    connect(this, &QDockWidget::topLevelChanged, this, &CCoolBar::OnTopLevelChanged);
    connect(this, &QDockWidget::dockLocationChanged, this, &CCoolBar::OnLocationChanged);
}

void CCoolBar::closeEvent(QCloseEvent* event) {
    // Only the frame hides a pane, so that everything showing its state follows.
    event->ignore();
    emit closeRequested();
}

void CCoolBar::OnTopLevelChanged(bool floating) {
    if (!floating) {
        UseGripper(true);
        setMinimumSize(MinDockedSize);
        return;
    }
    setMinimumSize(MinFloatingSize);
    // A floating pane takes a window frame with caption and close button. While the user is
    // still dragging it out, the frame is left alone until the button is released.
    auto* wait = new QTimer(this);
    wait->setInterval(50);
    connect(wait, &QTimer::timeout, this, [this, wait] {
        if (QGuiApplication::mouseButtons() != Qt::NoButton) {
            return;
        }
        wait->deleteLater();
        if (isFloating()) {
            UseGripper(false);
            setMinimumSize(MinFloatingSize);
        }
    });
    if (QGuiApplication::mouseButtons() == Qt::NoButton) {
        wait->deleteLater();
        UseGripper(false);
        setMinimumSize(MinFloatingSize);
    } else {
        wait->start();
    }
}

void CCoolBar::UseGripper(bool docked) {
    if (docked && titleBarWidget() != gripper) {
        setTitleBarWidget(gripper);
        gripper->show();
    } else if (!docked && titleBarWidget() == gripper) {
        setTitleBarWidget(nullptr);
        gripper->hide();
    }
}

void CCoolBar::OnLocationChanged(Qt::DockWidgetArea area) {
    const bool horizontalRow = area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
    setFeatures(horizontalRow ? features() | DockWidgetVerticalTitleBar
                              : features() & ~DockWidgetVerticalTitleBar);
    gripper->SetVertical(horizontalRow);
}

} // namespace velmora
