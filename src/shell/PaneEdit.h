#pragma once

#include "platform/OutputPanes.h"

#include <QPlainTextEdit>

#include <string>

namespace velmora {

// The read-only text of a pane: black on white, the pane font, and kept in step with a pane of
// OutputPanes. Text added at the end of the pane is appended with the caret at the end and
// scrolled into view; any other change replaces the whole text.
class PaneEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    PaneEdit(int id, bool horizontalScroll, QWidget* parent = nullptr);

    int Id() const { return id; }
    void Mirror(const OutputPanes::Pane& pane);

    QSize sizeHint() const override { return {80, 40}; }
    // Small enough for the pane's own minimum size to rule.
    QSize minimumSizeHint() const override { return {16, 16}; }

private:
    int id;
    std::string shown; // the pane text the widget shows, as OutputPanes holds it
};

// The font of the output and instruction-list panes: fixed pitch, 9.6 points at 96 pixels per
// inch, the same size in pixels at any other resolution.
QFont PaneFont();

} // namespace velmora
