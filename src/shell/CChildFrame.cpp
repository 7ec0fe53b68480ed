#include "shell/CChildFrame.h"

#include "shell/ShellDocument.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>

namespace velmora {

CChildFrame::CChildFrame(ShellDocument& document, QWidget* view) : document(document) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    setWindowIcon(QIcon());
    // The window menu's own keys (Ctrl+W closes a window on this platform) would shadow the
    // editor's accelerators; closing stays in the menu and on the window's button.
    if (QMenu* menu = systemMenu()) {
        for (QAction* action : menu->actions()) {
            action->setShortcuts({});
        }
    }
}

std::vector<CommandMap*> CChildFrame::Route() {
    std::vector<CommandMap*> route;
    if (auto* view = dynamic_cast<CommandSource*>(widget())) {
        route.push_back(&view->Commands());
    }
    route.push_back(&document.Commands());
    route.push_back(&commands);
    return route;
}

void CChildFrame::ShowMaximized() {
    showMaximized();
    if (mdiArea()) {
        mdiArea()->setActiveSubWindow(this);
    }
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    bool allowed = true;
    emit closeRequested(this, &allowed);
    if (allowed) {
        QMdiSubWindow::closeEvent(event);
    } else {
        event->ignore();
    }
}

} // namespace velmora
