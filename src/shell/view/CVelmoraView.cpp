#include "shell/view/CVelmoraView.h"

#include "document/CVelmoraDoc.h"
#include "document/SymbolComments.h"
#include "model/ElementCatalogue.h"
#include "model/LadderProgram.h"
#include "platform/Gbk.h"
#include "platform/OutputPanes.h"
#include "platform/Ui.h"
#include "shell/CMainFrame.h"
#include "shell/CVelmoraApp.h"
#include "shell/CommandTable.h"
#include "shell/view/ElementPictures.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRubberBand>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int RepaintMargin = 5; // device pixels around a repainted cell
constexpr int CommentEditRight = 769;
constexpr int CommentEditHeight = 32;
constexpr int CommentRepaintRight = 1042;

int Round(double v) { return static_cast<int>(std::lround(v)); }

QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

CVelmoraView::CVelmoraView(CVelmoraDoc& document, OutputPanes& panes, QWidget* parent)
    : QAbstractScrollArea(parent), document(document), panes(panes), editor(document) {
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    rubberBand = new QRubberBand(QRubberBand::Rectangle, viewport());
    rubberBand->hide();
    ConnectCommands();
    UpdateScrollSizes();
}

CVelmoraView::CVelmoraView(CVelmoraDoc& document, QWidget* parent)
    : CVelmoraView(document, document.Panes(), parent) {}

CVelmoraView::~CVelmoraView() = default;

void CVelmoraView::ConnectCommands() {
    commands.Connect(Cmd::FilePrint, [this] { OnFilePrint(); });
    commands.Connect(Cmd::FilePrintPreview, [this] { OnFilePrintPreview(); });
    commands.Connect(Cmd::FilePrintDirect, [this] { OnFilePrintDirect(); });
}

double CVelmoraView::ScaleX() const { return (fixedDpi > 0 ? fixedDpi : logicalDpiX()) / 100.0; }
double CVelmoraView::ScaleY() const { return (fixedDpi > 0 ? fixedDpi : logicalDpiY()) / 100.0; }

void CVelmoraView::SetResolution(double dpi) {
    fixedDpi = dpi;
    fonts.reset();
    UpdateScrollSizes();
    viewport()->update();
}

const LadderFonts& CVelmoraView::Fonts() {
    if (!fonts || fonts->scale != ScaleY()) {
        fonts.emplace(ScaleY());
    }
    return *fonts;
}

LogicalPoint CVelmoraView::ScrollPosition() const {
    return {Round(horizontalScrollBar()->value() / ScaleX()),
            -Round(verticalScrollBar()->value() / ScaleY())};
}

void CVelmoraView::ScrollToPosition(LogicalPoint position) {
    horizontalScrollBar()->setValue(Round(position.x * ScaleX()));
    verticalScrollBar()->setValue(Round(-position.y * ScaleY()));
}

LogicalPoint CVelmoraView::DeviceToLogical(QPoint viewportPoint) const {
    return {Round((viewportPoint.x() + horizontalScrollBar()->value()) / ScaleX()),
            -Round((viewportPoint.y() + verticalScrollBar()->value()) / ScaleY())};
}

QRect CVelmoraView::LogicalToDevice(const LogicalRect& rect) const {
    const double h = horizontalScrollBar()->value();
    const double v = verticalScrollBar()->value();
    const QPoint a(Round(rect.left * ScaleX() - h), Round(-rect.top * ScaleY() - v));
    const QPoint b(Round(rect.right * ScaleX() - h), Round(-rect.bottom * ScaleY() - v));
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QSize(std::abs(b.x() - a.x()), std::abs(b.y() - a.y())));
}

void CVelmoraView::UpdateScrollSizes() {
    const int n = document.program.rowCount;
    scrollRows = n;
    const QSize area = viewport()->size();
    // A ladder without rows keeps a small provisional extent.
    const bool ladder = n > 0 && n <= LadderProgram::MaxRows;
    const double width = (ladder ? Grid::ExtentWidth : 100) * ScaleX();
    const double height = (ladder ? Grid::ExtentHeight(n) : 100) * ScaleY();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, Round(width) - area.width()));
    h->setPageStep(Round(Grid::PageWidth * ScaleX()));
    h->setSingleStep(std::max(1, Round(Grid::LineStep * ScaleX())));
    v->setRange(0, std::max(0, Round(height) - area.height()));
    v->setPageStep(Round(Grid::PageHeight * ScaleY()));
    v->setSingleStep(std::max(1, Round(Grid::LineStep * ScaleY())));
}

void CVelmoraView::ApplyUpdate(const ViewUpdate& update) {
    if (update.wholeView) {
        OnUpdate();
    } else {
        for (const CellRange& range : update.cells) {
            const LogicalRect first = CellArea(range.firstColumn, range.firstRow);
            const LogicalRect last = CellArea(range.lastColumn, range.lastRow);
            const LogicalRect area{first.left, first.top, last.right, last.bottom};
            viewport()->update(LogicalToDevice(area).adjusted(-RepaintMargin, -RepaintMargin,
                                                              RepaintMargin, RepaintMargin));
        }
    }
    if (update.scrollTo) {
        ScrollToPosition(*update.scrollTo);
    }
    if (update.showCursorComment) {
        ShowCursorComment();
    }
    if (update.wholeView || !update.cells.empty()) {
        emit viewChanged();
    }
}

void CVelmoraView::FlushEditor() { ApplyUpdate(editor.TakeUpdate()); }

void CVelmoraView::MarkSelection(bool on) {
    editor.MarkSelection(on);
    FlushEditor();
}

void CVelmoraView::InvalidateCursorCell() {
    editor.InvalidateCursorCell();
    FlushEditor();
}

void CVelmoraView::OnUpdate() {
    if (scrollRows != document.program.rowCount) {
        UpdateScrollSizes();
    }
    viewport()->update();
}

void CVelmoraView::ShowCursorComment() {
    std::string text;
    if (document.symbolComments) {
        try {
            text = GbkToUtf8(
                SymbolComment(*document.symbolComments, document.program, document.selection));
        } catch (const SymbolCommentError&) {
            // A cell without a commentable address shows an empty pane.
        }
    }
    panes.SetOutputText(text);
}

void CVelmoraView::Paint(QPainter& painter, const QRect& exposed) {
    LadderPainter ladder(painter, Fonts(), ScaleX(), ScaleY(),
                         QPointF(-horizontalScrollBar()->value(), -verticalScrollBar()->value()));
    ladder.DrawLadder(document.program, exposed.top(), exposed.bottom() + 1);
}

void CVelmoraView::paintEvent(QPaintEvent* event) {
    if (scrollRows != document.program.rowCount) {
        UpdateScrollSizes();
    }
    QPainter painter(viewport());
    painter.fillRect(event->rect(), Qt::white);
    Paint(painter, event->rect());
}

void CVelmoraView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollSizes();
}

void CVelmoraView::scrollContentsBy(int dx, int dy) {
    // Scrolling the viewport carries the in-place editor and the rubber band along.
    viewport()->scroll(dx, dy);
}

void CVelmoraView::UpdateRubberBand() {
    rubberBand->setGeometry(LogicalToDevice(editor.RubberBand()));
    rubberBand->show();
}

void CVelmoraView::mousePressEvent(QMouseEvent* event) {
    const LogicalPoint point = DeviceToLogical(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        if (CommentEditing()) {
            EndCommentEdit();
        }
        dragging = editor.LeftButtonDown(point);
        FlushEditor();
    } else if (event->button() == Qt::RightButton) {
        if (CommentEditing()) {
            EndCommentEdit();
        }
        editor.RightButtonDown(point);
        FlushEditor();
    }
    event->accept();
}

void CVelmoraView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging) {
        return;
    }
    editor.DragTo(DeviceToLogical(event->position().toPoint()));
    UpdateRubberBand();
}

void CVelmoraView::mouseReleaseEvent(QMouseEvent* event) {
    const LogicalPoint point = DeviceToLogical(event->position().toPoint());
    if (event->button() == Qt::LeftButton && dragging) {
        dragging = false;
        rubberBand->hide();
        editor.LeftButtonUp(point);
        FlushEditor();
    } else if (event->button() == Qt::RightButton) {
        if (CommentEditing()) {
            EndCommentEdit();
        }
        ShowContextMenu(event->globalPosition().toPoint());
    }
    event->accept();
}

void CVelmoraView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const GridPoint cursor = document.selection.cursor;
    switch (editor.DoubleClick(DeviceToLogical(event->position().toPoint()))) {
    case DoubleClickAction::EditCell:
        if (hooks.placeElement) {
            hooks.placeElement(document.program.Row(cursor.row)[cursor.column].code);
        }
        break;
    case DoubleClickAction::EditComment:
        BeginCommentEdit(cursor.row);
        break;
    case DoubleClickAction::None:
        break;
    }
    event->accept();
}

void CVelmoraView::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    std::optional<MoveKey> move;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (CommentEditing()) {
            EndCommentEdit();
        }
        if (editor.CursorCellEditable() && hooks.placeElement) {
            const GridPoint cursor = document.selection.cursor;
            hooks.placeElement(document.program.Row(cursor.row)[cursor.column].code);
        }
        return;
    case Qt::Key_Delete:
        if (hooks.placeElement) {
            hooks.placeElement(Element::Empty);
        }
        return;
    case Qt::Key_PageUp:
        move = MoveKey::PageUp;
        break;
    case Qt::Key_PageDown:
        move = MoveKey::PageDown;
        break;
    case Qt::Key_Home:
        move = MoveKey::Home;
        break;
    case Qt::Key_End:
        move = MoveKey::End;
        break;
    case Qt::Key_Left:
        move = MoveKey::Left;
        break;
    case Qt::Key_Right:
        move = MoveKey::Right;
        break;
    case Qt::Key_Up:
        move = MoveKey::Up;
        break;
    case Qt::Key_Down:
        move = MoveKey::Down;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    editor.MoveCursor(*move, ScrollPosition());
    FlushEditor();
}

void CVelmoraView::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's menu comes with the right button's release; the keyboard's opens at the
    // cursor cell.
    if (event->reason() == QContextMenuEvent::Keyboard && document.selection.HasCursor()) {
        const GridPoint cursor = document.selection.cursor;
        const QRect cell = LogicalToDevice(CellArea(cursor.column, cursor.row));
        ShowContextMenu(viewport()->mapToGlobal(cell.center()));
    }
    event->accept();
}

bool CVelmoraView::RunCommand(int id) {
    if (auto* frame = qobject_cast<CMainFrame*>(window())) {
        return frame->RunCommand(id);
    }
    const CommandMap::Entry* entry = commands.Find(id);
    if (!entry || (entry->enabled && !entry->enabled())) {
        return false;
    }
    const std::function<void()> handler = entry->handler;
    if (handler) {
        handler();
    }
    return true;
}

std::unique_ptr<QMenu> CVelmoraView::CreateContextMenu() {
    const EditorSelection& selection = document.selection;
    if (!selection.HasCursor() || selection.cursor.row >= document.program.rowCount ||
        selection.cursor.column >= ColumnsPerRow) {
        return nullptr;
    }
    auto* frame = qobject_cast<CMainFrame*>(window());
    if (frame) {
        frame->UpdateCommandStates();
    }
    const auto enabled = [this, frame](int id) {
        if (frame) {
            const QAction* action = frame->Action(id);
            return action && action->isEnabled();
        }
        const CommandMap::Entry* entry = commands.Find(id);
        return entry && (!entry->enabled || entry->enabled());
    };
    const auto add = [this, &enabled](QMenu* menu, int id, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QStringLiteral("cmd%1").arg(id));
        action->setEnabled(enabled(id));
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        return action;
    };

    auto menu = std::make_unique<QMenu>();
    menu->setObjectName(QStringLiteral("menu138"));
    for (const int id : ContextMenu()) {
        if (id == MenuSeparator) {
            menu->addSeparator();
        } else if (const CommandInfo* command = FindCommand(id)) {
            add(menu.get(), id, Text(command->menuText));
        }
    }
    const ElementCode code =
        document.program.Row(selection.cursor.row)[selection.cursor.column].code;
    if (code >= Element::ClosedContact && code <= Element::InvertedCoil) {
        add(menu.get(), Cmd::EditComment, Text(EditCommentMenuText));
    }
    menu->addSeparator();
    QMenu* basic = menu->addMenu(Text(BasicInstructionsMenuText));
    basic->setObjectName(QStringLiteral("menu141"));
    for (const FunctionMenuItem& item : ElementMenu()) {
        add(basic, item.id, Text(item.name))->setIcon(ElementPicture(item.id));
    }
    QMenu* functions = menu->addMenu(Text(FunctionInstructionsMenuText));
    functions->setObjectName(QStringLiteral("menu137"));
    for (const FunctionMenuItem& item : FunctionMenu()) {
        add(functions, item.id, Text(item.name));
    }
    return menu;
}

void CVelmoraView::ShowContextMenu(QPoint globalPosition) {
    if (const std::unique_ptr<QMenu> menu = CreateContextMenu()) {
        menu->exec(globalPosition);
    }
}

void CVelmoraView::BeginCommentEdit(int row) {
    if (row < 0 || row >= document.program.rowCount) {
        return;
    }
    if (CommentEditing()) {
        EndCommentEdit();
    }
    const int top = Grid::RowTop(row) - Grid::TextOffset;
    commentRow = row;
    commentEditor = new QLineEdit(viewport());
    commentEditor->setObjectName(QStringLiteral("commentEditor102"));
    commentEditor->setGeometry(
        LogicalToDevice({Grid::CommentX, top, CommentEditRight, top - CommentEditHeight}));
    commentEditor->setFont(Fonts().comment);
    commentEditor->setFrame(false);
    commentEditor->setText(ModelText(document.program.CommentText(row)));
    connect(commentEditor, &QLineEdit::returnPressed, this, [this] { EndCommentEdit(); });
    commentEditor->show();
    commentEditor->setFocus();
    commentEditor->selectAll();
}

void CVelmoraView::EndCommentEdit() {
    if (!commentEditor) {
        return;
    }
    const std::string text = Utf8ToGbk(commentEditor->text().toStdString());
    // The editor may be ending from inside one of its own signals.
    commentEditor->hide();
    commentEditor->deleteLater();
    commentEditor = nullptr;
    const int row = commentRow;
    commentRow = -1;
    setFocus();
    if (row < 0 || row >= document.program.rowCount) {
        return;
    }
    if (hooks.storeRowComment) {
        hooks.storeRowComment(row, text);
    } else {
        document.program.SetComment(row, text);
    }
    const int top = Grid::RowTop(row) - Grid::TextOffset;
    viewport()->update(
        LogicalToDevice({Grid::CommentX, top, CommentRepaintRight, top - CommentEditHeight})
            .adjusted(-RepaintMargin, -RepaintMargin, RepaintMargin, RepaintMargin));
    emit viewChanged();
}

int CVelmoraView::PageCount() const { return PrintLayout::PageCount(document.program.rowCount); }

QPrinter& CVelmoraView::Printer() {
    if (CVelmoraApp* app = CVelmoraApp::Instance()) {
        return app->Printer();
    }
    if (!ownPrinter) {
        ownPrinter = std::make_unique<QPrinter>();
    }
    return *ownPrinter;
}

bool CVelmoraView::PrintTo(QPrinter& printer) {
    const int pages = PageCount();
    int first = 1;
    int last = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(1, printer.fromPage());
        last = std::min(pages, printer.toPage() > 0 ? printer.toPage() : pages);
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        document.UserInterface().MessageBox("打印失败!");
        return false;
    }
    const double scaleX = printer.logicalDpiX() / 100.0;
    const double scaleY = printer.logicalDpiY() / 100.0;
    for (int page = first; page <= last; ++page) {
        if (page > first) {
            printer.newPage();
        }
        PrintLadderPage(painter, document.program, page, scaleX, scaleY);
    }
    painter.end();
    return true;
}

void CVelmoraView::OnFilePrint() {
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印"));
    dialog.setMinMax(1, PageCount());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() == QDialog::Accepted) {
        PrintTo(printer);
    }
}

void CVelmoraView::OnFilePrintPreview() {
    QPrinter& printer = Printer();
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印预览"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PrintTo(*target); });
    dialog.exec();
}

void CVelmoraView::OnFilePrintDirect() {
    QPrinter& printer = Printer();
    if (const CVelmoraApp* app = CVelmoraApp::Instance(); app && !app->PrintTarget().isEmpty()) {
        printer.setPrinterName(app->PrintTarget());
    }
    PrintTo(printer);
}

} // namespace velmora
