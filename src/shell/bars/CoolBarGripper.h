#pragma once

#include <QAbstractButton>
#include <QWidget>

namespace velmora {

// The close button of a docked pane: flat, raised under the mouse, sunken while pressed.
class CoolBarCloseButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int Size = 13;

    explicit CoolBarCloseButton(QWidget* parent);
    QSize sizeHint() const override { return {Size, Size}; }

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override { update(); }
    void leaveEvent(QEvent*) override { update(); }
};

// The band along a docked pane's left side (docked at the top or bottom) or top (docked at the
// left or right): the close button at its start, then the caption and two raised grip lines.
// Mouse presses elsewhere on it go on to the dock widget, which drags or toggles the pane.
class CoolBarGripper : public QWidget {
    Q_OBJECT
public:
    explicit CoolBarGripper(QWidget* parent);

    void SetVertical(bool vertical);
    bool IsVertical() const { return vertical; }
    CoolBarCloseButton* CloseButton() const { return closeButton; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void PlaceButton();

    bool vertical = true;
    CoolBarCloseButton* closeButton;
};

} // namespace velmora
