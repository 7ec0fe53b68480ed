#pragma once

#include "shell/CommandMap.h"

#include <QMdiSubWindow>

namespace velmora {

class ShellDocument;

// A window on a document inside the main frame. It is shown maximized whenever it is created
// or activated again by opening its document; commands go to its view, then to its document,
// then to the window itself.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(ShellDocument& document, QWidget* view);

    ShellDocument& Document() const { return document; }
    CommandMap& Commands() { return commands; }
    // The maps a command is offered to before the main frame's, in order.
    std::vector<CommandMap*> Route();

    void ShowMaximized();

signals:
    // Emitted from closeEvent: the main frame decides whether the window may close.
    void closeRequested(CChildFrame* frame, bool* allowed);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ShellDocument& document;
    CommandMap commands;
};

} // namespace velmora
