#pragma once

#include <QDockWidget>
#include <QSize>

class QMainWindow;

namespace velmora {

class CoolBarGripper;

// A pane of the main frame that docks at any edge, floats in a small window of its own and
// toggles between the two on a double-click. While docked it shows a gripper band with its own
// close button; floating, the window's own frame carries the caption and the close button.
// Either close hides the pane through the frame (closeRequested), so the frame keeps its menu
// check marks in step. The pane's single child fills it.
class CCoolBar : public QDockWidget {
    Q_OBJECT
public:
    static constexpr QSize MinDockedSize{33, 32};
    static constexpr QSize MinFloatingSize{37, 32};
    static constexpr int GripperSize = 12;

    CCoolBar(const QString& caption, QSize defaultSize, int id, QMainWindow* parent);

    int Id() const { return id; }
    QSize DefaultSize() const { return defaultSize; }
    bool HasGripper() const { return !isFloating(); }

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnTopLevelChanged(bool floating);
    void OnLocationChanged(Qt::DockWidgetArea area);
    void UseGripper(bool docked);

    int id;
    QSize defaultSize;
    CoolBarGripper* gripper;
};

} // namespace velmora
