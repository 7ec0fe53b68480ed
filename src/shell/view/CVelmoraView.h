#pragma once

#include "editor/GridEditor.h"
#include "model/LadderCell.h"
#include "shell/CommandMap.h"
#include "shell/view/LadderPainter.h"

#include <QAbstractScrollArea>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QLineEdit;
class QMenu;
class QPrinter;
class QRubberBand;

namespace velmora {

class CVelmoraDoc;
class OutputPanes;

// The editing view of a ladder document: the grid drawn in logical units of 0.01 inch, the
// cursor and selection kept in the document, the mouse and keys, the context menu, the in-place
// row-comment editor and printing. Editing itself is reached through commands and the hooks
// below.
class CVelmoraView : public QAbstractScrollArea, public CommandSource {
    Q_OBJECT
public:
    // What the view asks of the editing code.
    struct Hooks {
        // Enter, a double click on a cell and the Delete key (kind 0): place or re-edit.
        std::function<void(ElementCode kind)> placeElement;
        // The in-place editor closed on a row with this text (GBK); without a hook the text is
        // stored as the row's comment.
        std::function<void(int row, const std::string& gbk)> storeRowComment;
    };

    // panes: where the cursor cell's symbol comment is shown (the main frame's output pane).
    CVelmoraView(CVelmoraDoc& document, OutputPanes& panes, QWidget* parent = nullptr);
    // Shows the symbol comments in the document's own panes.
    explicit CVelmoraView(CVelmoraDoc& document, QWidget* parent = nullptr);
    ~CVelmoraView() override;

    CVelmoraDoc& Document() { return document; }
    GridEditor& Editor() { return editor; }
    CommandMap& Commands() override { return commands; }
    Hooks& EditingHooks() { return hooks; }

    // Device pixels per logical unit, from the screen's logical resolution unless fixed.
    double ScaleX() const;
    double ScaleY() const;
    // Fixes the resolution (dots per inch) the grid is shown at; 0 follows the screen again.
    void SetResolution(double dpi);

    // Logical scroll position: x to the right, y 0 at the top and negative further down.
    LogicalPoint ScrollPosition() const;
    void ScrollToPosition(LogicalPoint position);
    LogicalPoint DeviceToLogical(QPoint viewportPoint) const;
    QRect LogicalToDevice(const LogicalRect& rect) const;
    // Scroll extent, page and line for the current ladder.
    void UpdateScrollSizes();

    // Carries out what the grid logic asked for: repaint, scroll, show the cursor's comment.
    void ApplyUpdate(const ViewUpdate& update);
    // Takes the grid logic's pending requests and applies them.
    void FlushEditor();
    void MarkSelection(bool on);
    void InvalidateCursorCell();
    // Redraws the whole view (after any change of the ladder).
    void OnUpdate();
    // The cursor cell's symbol comment in the output pane, or an empty pane.
    void ShowCursorComment();

    // Paints the exposed part (viewport pixels) of the ladder with the painter's device as the
    // viewport.
    void Paint(QPainter& painter, const QRect& exposed);

    // The context menu for the current cursor; null without a cursor.
    std::unique_ptr<QMenu> CreateContextMenu();
    void ShowContextMenu(QPoint globalPosition);
    // Runs a command as the main frame would: through its routing, or this view's own map.
    bool RunCommand(int id);

    // The in-place row-comment editor.
    void BeginCommentEdit(int row);
    void EndCommentEdit();
    bool CommentEditing() const { return commentEditor != nullptr; }
    QLineEdit* CommentEditor() const { return commentEditor; }

    // Printing: pages of 25 rows, all of them unless the printer names a range.
    int PageCount() const;
    bool PrintTo(QPrinter& printer);
    void OnFilePrint();
    void OnFilePrintPreview();
    // Prints without asking, on the printer named by the command line if any.
    void OnFilePrintDirect();

signals:
    // The cursor, the selection or the drawing changed; other views of the document repaint.
    void viewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ConnectCommands();
    const LadderFonts& Fonts();
    void UpdateRubberBand();
    QPrinter& Printer();

    CVelmoraDoc& document;
    OutputPanes& panes;
    GridEditor editor;
    CommandMap commands;
    Hooks hooks;
    double fixedDpi = 0;
    std::optional<LadderFonts> fonts;
    int scrollRows = -1;
    bool dragging = false;
    QRubberBand* rubberBand = nullptr;
    QLineEdit* commentEditor = nullptr;
    int commentRow = -1;
    std::unique_ptr<QPrinter> ownPrinter;
};

} // namespace velmora
