#include "shell/CMainFrame.h"

#include "platform/Ui.h"
#include "shell/CChildFrame.h"
#include "shell/CommandTable.h"
#include "shell/PaneEdit.h"
#include "shell/ShellDocument.h"
#include "shell/ToolIcons.h"
#include "shell/bars/CCoolBar.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace velmora {

namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Whether a keyboard lock is on, from the keyboard LEDs the kernel exposes; off where none are.
bool LockIsOn(const QString& name) {
    const QDir leds(QStringLiteral("/sys/class/leds"));
    const QStringList entries =
        leds.entryList({QStringLiteral("*::") + name}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        QFile brightness(leds.filePath(entry + QStringLiteral("/brightness")));
        if (brightness.open(QIODevice::ReadOnly) && brightness.read(16).trimmed().toInt() > 0) {
            return true;
        }
    }
    return false;
}

} // namespace

CMainFrame::CMainFrame(Ui& ui, QWidget* parent) : QMainWindow(parent), ui(ui) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(Text(AppText::FrameTitle));
    setWindowIcon(AppIcon());
    setAcceptDrops(true);
    setDockOptions(AnimatedDocks | AllowNestedDocks);
    setCorner(Qt::TopLeftCorner, Qt::TopDockWidgetArea);
    setCorner(Qt::TopRightCorner, Qt::TopDockWidgetArea);
    setCorner(Qt::BottomLeftCorner, Qt::BottomDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::BottomDockWidgetArea);

    mdiArea = new QMdiArea(this);
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);

    CreateActions();
    CreateToolBars();
    CreateStatusBar();
    CreatePanes();
    ConnectFrameCommands();
    BuildMenus();
    ShowDocumentMenu(false);

    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
        ShowDocumentMenu(!Windows().empty());
        UpdateCommandStates();
    });

    auto* idle = new QTimer(this);
    connect(idle, &QTimer::timeout, this, [this] {
        UpdateCommandStates();
        UpdateLockIndicators();
    });
    idle->start(250);
    UpdateCommandStates();
    UpdateLockIndicators();
}

CMainFrame::~CMainFrame() {
    panes.onChange = nullptr;
    // The windows go first: their views may refer to their documents. Windows already closed but
    // not yet deleted count too; left to the base class they would report to a half-gone frame.
    closingAll = true;
    for (CChildFrame* child : findChildren<CChildFrame*>()) {
        delete child;
    }
}

void CMainFrame::CreateActions() {
    for (const CommandInfo& command : CommandTable()) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("cmd%1").arg(command.id));
        const QString text =
            command.menuText.empty() ? Text(TooltipOf(command)) : Text(command.menuText);
        action->setText(text);
        action->setIconText(Text(TooltipOf(command)));
        action->setStatusTip(Text(PromptOf(command)));
        if (!TooltipOf(command).empty()) {
            action->setToolTip(Text(TooltipOf(command)));
        }
        QList<QKeySequence> keys;
        for (const QString& key : Text(command.keys).split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            keys.append(QKeySequence(key.trimmed()));
        }
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setIcon(CommandIcon(command.id));
        action->setIconVisibleInMenu(false);
        addAction(action);
        const int id = command.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        actions[id] = action;
    }

    functionMenu = new QMenu(this);
    functionMenu->setObjectName(QStringLiteral("menu137"));
    for (const FunctionMenuItem& item : velmora::FunctionMenu()) {
        auto* action = functionMenu->addAction(Text(item.name));
        action->setObjectName(QStringLiteral("cmd%1").arg(item.id));
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        actions[id] = action;
    }
    connect(functionMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::CreateToolBars() {
    const auto fill = [this](QToolBar* bar, std::span<const int> ids) {
        for (int id : ids) {
            if (id == MenuSeparator) {
                bar->addSeparator();
            } else {
                bar->addAction(Action(id));
            }
        }
    };
    standardBar = addToolBar(QStringLiteral("标准"));
    standardBar->setObjectName(QStringLiteral("toolbar128"));
    standardBar->setIconSize(QSize(16, 16));
    fill(standardBar, StandardToolbar());

    elementBar = addToolBar(QStringLiteral("元件"));
    elementBar->setObjectName(QStringLiteral("toolbar134"));
    elementBar->setIconSize(QSize(16, 15));
    fill(elementBar, ElementToolbar());

    // The functional-instruction button carries a drop-down arrow with the instruction menu.
    if (auto* button =
            qobject_cast<QToolButton*>(elementBar->widgetForAction(Action(Cmd::FunctionPicker)))) {
        button->setPopupMode(QToolButton::MenuButtonPopup);
        button->setMenu(functionMenu);
    }
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    idleLabel = new QLabel(Text(AppText::Idle), bar);
    idleLabel->setObjectName(QStringLiteral("idle"));
    idleLabel->setIndent(3);
    bar->addWidget(idleLabel, 1);
    const std::pair<int, const char*> indicators[] = {
        {59137, "大写"}, {59138, "数字"}, {59139, "滚动"}};
    for (const auto& [id, text] : indicators) {
        auto* label = new QLabel(QString::fromUtf8(text), bar);
        label->setObjectName(QStringLiteral("indicator%1").arg(id));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()) + 12);
        bar->addPermanentWidget(label);
        lockIndicators.push_back(label);
    }
}

void CMainFrame::UpdateLockIndicators() {
    const char* leds[] = {"capslock", "numlock", "scrolllock"};
    for (std::size_t i = 0; i < lockIndicators.size(); ++i) {
        lockIndicators[i]->setEnabled(LockIsOn(QString::fromLatin1(leds[i])));
    }
}

void CMainFrame::CreatePanes() {
    const QFont paneFont = PaneFont();

    outputBar = new CCoolBar(QStringLiteral("输出窗口"), QSize(120, 120), OutputBarId, this);
    outputEdit = new PaneEdit(OutputEditId, false, outputBar);
    outputEdit->setFont(paneFont);
    outputBar->setWidget(outputEdit);
    addDockWidget(Qt::BottomDockWidgetArea, outputBar);

    commentBar = new CCoolBar(QStringLiteral("注释窗口"), QSize(200, 100), CommentBarId, this);
    commentEdit = new PaneEdit(CommentEditId, false, commentBar);
    commentBar->setWidget(commentEdit);
    addDockWidget(Qt::BottomDockWidgetArea, commentBar);
    splitDockWidget(outputBar, commentBar, Qt::Horizontal);
    commentBar->hide();

    instructionBar =
        new CCoolBar(QStringLiteral("指令表输出窗口"), QSize(250, 400), InstructionBarId, this);
    instructionEdit = new PaneEdit(InstructionEditId, true, instructionBar);
    instructionEdit->setFont(paneFont);
    instructionBar->setWidget(instructionEdit);
    addDockWidget(Qt::RightDockWidgetArea, instructionBar);
    instructionBar->hide();

    resizeDocks({outputBar}, {outputBar->DefaultSize().height()}, Qt::Vertical);
    resizeDocks({instructionBar}, {instructionBar->DefaultSize().width()}, Qt::Horizontal);

    for (CCoolBar* bar : {outputBar, commentBar, instructionBar}) {
        connect(bar, &CCoolBar::closeRequested, this, [this, bar] { ShowPane(bar, false); });
    }
    panes.onChange = [this] { MirrorPanes(); };
    MirrorPanes();
}

void CMainFrame::MirrorPanes() {
    outputEdit->Mirror(panes.Output());
    instructionEdit->Mirror(panes.InstructionList());
    if (outputBar->isHidden() == panes.Output().visible) {
        outputBar->setVisible(panes.Output().visible);
    }
    if (instructionBar->isHidden() == panes.InstructionList().visible) {
        instructionBar->setVisible(panes.InstructionList().visible);
    }
}

void CMainFrame::ShowPane(CCoolBar* bar, bool show) {
    if (bar == outputBar) {
        panes.SetOutputVisible(show);
    } else if (bar == instructionBar) {
        panes.SetInstructionVisible(show);
    } else {
        bar->setVisible(show);
    }
    UpdateCommandStates();
}

bool CMainFrame::PaneVisible(const CCoolBar* bar) const {
    if (bar == outputBar) {
        return panes.Output().visible;
    }
    if (bar == instructionBar) {
        return panes.InstructionList().visible;
    }
    return !bar->isHidden();
}

void CMainFrame::ConnectFrameCommands() {
    const auto hasChild = [this] { return ActiveChild() != nullptr; };
    commands.Connect(
        Cmd::ViewToolbar, [this] { standardBar->setVisible(standardBar->isHidden()); }, {},
        [this] { return !standardBar->isHidden(); });
    commands.Connect(
        Cmd::ViewStatusBar, [this] { statusBar()->setVisible(statusBar()->isHidden()); }, {},
        [this] { return !statusBar()->isHidden(); });
    commands.Connect(
        Cmd::ViewOutput, [this] { ShowPane(outputBar, !PaneVisible(outputBar)); }, {},
        [this] { return PaneVisible(outputBar); });
    commands.Connect(
        Cmd::ViewInstructionList,
        [this] { ShowPane(instructionBar, !PaneVisible(instructionBar)); }, {},
        [this] { return PaneVisible(instructionBar); });
    commands.Connect(Cmd::Convert, [this] { OnConvert(); });
    commands.Connect(Cmd::AppExit, [this] { close(); });
    commands.Connect(
        Cmd::FileClose,
        [this] {
            ShellDocument& document = ActiveChild()->Document();
            if (!SaveModified(document)) {
                return;
            }
            closingAll = true;
            for (CChildFrame* child : Windows(&document)) {
                child->close();
            }
            closingAll = false;
        },
        hasChild);
    commands.Connect(
        Cmd::FileSave, [this] { SaveDocument(ActiveChild()->Document(), false); }, hasChild);
    commands.Connect(
        Cmd::FileSaveAs, [this] { SaveDocument(ActiveChild()->Document(), true); }, hasChild);
    commands.Connect(
        Cmd::WindowNew, [this] { AddWindow(ActiveChild()->Document()); }, hasChild);
    commands.Connect(
        Cmd::WindowCascade, [this] { mdiArea->cascadeSubWindows(); }, hasChild);
    commands.Connect(
        Cmd::WindowTile, [this] { mdiArea->tileSubWindows(); }, hasChild);
    commands.Connect(
        Cmd::WindowArrange, [this] { ArrangeIcons(); }, hasChild);
}

void CMainFrame::OnConvert() {
    // With a document active, its own handler of the command comes first on the route; the
    // frame's only case is the one without a document, which changes nothing.
    if (!ActiveChild()) {
        return;
    }
}

void CMainFrame::ArrangeIcons() {
    // Minimized windows in a row along the bottom of the client area.
    int x = 0;
    for (QMdiSubWindow* window : mdiArea->subWindowList()) {
        if (window->isMinimized()) {
            const QSize size = window->size();
            window->move(x, mdiArea->viewport()->height() - size.height());
            x += size.width();
        }
    }
}

void CMainFrame::BuildMenus() {
    // The list may change from a command of one of these menus, so they go once it returns.
    menuBar()->clear();
    for (QMenu* menu : noDocumentMenus) {
        menu->deleteLater();
    }
    for (QMenu* menu : documentMenus) {
        menu->deleteLater();
    }
    noDocumentMenus.clear();
    documentMenus.clear();
    const auto build = [this](std::span<const MenuPopup> popups, std::vector<QMenu*>& menus,
                              bool documentMenu) {
        for (const MenuPopup& popup : popups) {
            auto* menu = new QMenu(Text(popup.title), this);
            FillMenu(menu, popup.items, documentMenu);
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
            menus.push_back(menu);
        }
    };
    build(NoDocumentMenu(), noDocumentMenus, false);
    build(DocumentMenu(), documentMenus, true);
    for (QMenu* menu : documentMenus) {
        if (menu->title() == QStringLiteral("窗口(&W)")) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { ListWindows(menu); });
        }
    }
    menuBar()->clear();
    for (QMenu* menu : documentMenuShown ? documentMenus : noDocumentMenus) {
        menuBar()->addMenu(menu);
    }
}

void CMainFrame::ListWindows(QMenu* menu) {
    // The open windows follow the Window menu's commands, numbered, the active one checked.
    for (QAction* action : menu->actions()) {
        if (action->property("windowEntry").toBool()) {
            menu->removeAction(action);
            action->deleteLater();
        }
    }
    const std::vector<CChildFrame*> windows = Windows();
    if (windows.empty()) {
        return;
    }
    menu->addSeparator()->setProperty("windowEntry", true);
    int number = 1;
    for (CChildFrame* child : windows) {
        const QString text = number < 10
                                 ? QStringLiteral("&%1 %2").arg(number).arg(child->windowTitle())
                                 : QStringLiteral("%1 %2").arg(number).arg(child->windowTitle());
        QAction* entry = menu->addAction(text);
        entry->setProperty("windowEntry", true);
        entry->setCheckable(true);
        entry->setChecked(child == ActiveChild());
        connect(entry, &QAction::triggered, this, [this, window = QPointer<CChildFrame>(child)] {
            if (window) {
                mdiArea->setActiveSubWindow(window);
                window->ShowMaximized();
            }
        });
        ++number;
    }
}

void CMainFrame::FillMenu(QMenu* menu, std::span<const int> items, bool documentMenu) {
    for (int id : items) {
        if (id == MenuSeparator) {
            menu->addSeparator();
        } else if (id == RecentFilesPlaceholder) {
            if (recentFiles.empty()) {
                QAction* placeholder = menu->addAction(Text(RecentFilesPlaceholderText));
                placeholder->setEnabled(false);
            }
            for (std::size_t i = 0; i < recentFiles.size(); ++i) {
                QAction* action = Action(Cmd::RecentFile1 + static_cast<int>(i));
                const QString path = QString::fromUtf8(recentFiles[i].c_str());
                action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
                    QFontMetrics(menu->font()).elidedText(path, Qt::ElideMiddle, 400)));
                menu->addAction(action);
            }
        } else if (id == Cmd::AppAbout && !documentMenu) {
            // Menu 128 names the About item differently; a twin action keeps both texts.
            QAction* about = menu->addAction(Text(NoDocumentAboutText));
            about->setStatusTip(Action(id)->statusTip());
            connect(about, &QAction::triggered, this, [this] { RunCommand(Cmd::AppAbout); });
            connect(Action(id), &QAction::changed, about,
                    [about, source = Action(id)] { about->setEnabled(source->isEnabled()); });
        } else {
            menu->addAction(Action(id));
        }
    }
}

void CMainFrame::ShowDocumentMenu(bool show) {
    if (show == documentMenuShown && !menuBar()->actions().isEmpty()) {
        return;
    }
    documentMenuShown = show;
    menuBar()->clear();
    for (QMenu* menu : show ? documentMenus : noDocumentMenus) {
        menuBar()->addMenu(menu);
    }
}

void CMainFrame::SetRecentFiles(const std::vector<std::string>& paths) {
    recentFiles = paths;
    BuildMenus();
}

QAction* CMainFrame::Action(int id) const {
    const auto it = actions.find(id);
    return it == actions.end() ? nullptr : it->second;
}

const CommandMap::Entry* CMainFrame::Route(int id) const {
    if (CChildFrame* child = ActiveChild()) {
        for (CommandMap* map : child->Route()) {
            if (const CommandMap::Entry* entry = map->Find(id)) {
                return entry;
            }
        }
    }
    if (const CommandMap::Entry* entry = commands.Find(id)) {
        return entry;
    }
    return appCommands ? appCommands->Find(id) : nullptr;
}

void CMainFrame::UpdateCommandStates() {
    for (const auto& [id, action] : actions) {
        const CommandMap::Entry* entry = Route(id);
        action->setEnabled(entry && (!entry->enabled || entry->enabled()));
        const bool checkable = entry && entry->checked;
        action->setCheckable(checkable);
        if (checkable) {
            action->setChecked(entry->checked());
        }
    }
}

bool CMainFrame::RunCommand(int id) {
    const CommandMap::Entry* entry = Route(id);
    if (!entry || (entry->enabled && !entry->enabled())) {
        UpdateCommandStates();
        return false;
    }
    // The handler may replace the map the entry lives in; run a copy.
    const std::function<void()> handler = entry->handler;
    if (handler) {
        handler();
    }
    UpdateCommandStates();
    return true;
}

CChildFrame* CMainFrame::AddDocument(std::unique_ptr<ShellDocument> document) {
    ShellDocument& doc = *document;
    documents.push_back(std::move(document));
    connect(&doc, &ShellDocument::TitleChanged, this, [this, &doc] { RetitleWindows(doc); });
    return AddWindow(doc);
}

CChildFrame* CMainFrame::AddWindow(ShellDocument& document) {
    auto* child = new CChildFrame(document, document.CreateView());
    mdiArea->addSubWindow(child);
    connect(child, &CChildFrame::closeRequested, this, &CMainFrame::OnChildCloseRequested);
    ShellDocument* doc = &document;
    connect(child, &QObject::destroyed, this, [this, child, doc] { OnChildDestroyed(child, doc); });
    RetitleWindows(document);
    child->ShowMaximized();
    ShowDocumentMenu(true);
    UpdateCommandStates();
    return child;
}

void CMainFrame::RetitleWindows(const ShellDocument& document) {
    const std::vector<CChildFrame*> windows = Windows(&document);
    int n = 0;
    for (CChildFrame* child : windows) {
        ++n;
        child->setWindowTitle(windows.size() > 1
                                  ? QStringLiteral("%1:%2").arg(document.Title()).arg(n)
                                  : document.Title());
    }
}

ShellDocument* CMainFrame::FindDocument(const QString& path) const {
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (const auto& document : documents) {
        if (!document->PathName().isEmpty() &&
            QFileInfo(document->PathName()).absoluteFilePath() == wanted) {
            return document.get();
        }
    }
    return nullptr;
}

void CMainFrame::ActivateDocument(ShellDocument& document) {
    const std::vector<CChildFrame*> windows = Windows(&document);
    if (!windows.empty()) {
        CChildFrame* child = windows.front();
        if (ActiveChild() && &ActiveChild()->Document() == &document) {
            child = ActiveChild();
        }
        child->ShowMaximized();
    }
}

CChildFrame* CMainFrame::ActiveChild() const {
    return qobject_cast<CChildFrame*>(mdiArea->currentSubWindow());
}

std::vector<ShellDocument*> CMainFrame::Documents() const {
    std::vector<ShellDocument*> result;
    for (const auto& document : documents) {
        result.push_back(document.get());
    }
    return result;
}

std::vector<CChildFrame*> CMainFrame::Windows(const ShellDocument* document) const {
    std::vector<CChildFrame*> result;
    for (QMdiSubWindow* window : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        auto* child = qobject_cast<CChildFrame*>(window);
        if (child && (!document || &child->Document() == document)) {
            result.push_back(child);
        }
    }
    return result;
}

bool CMainFrame::SaveModified(ShellDocument& document) {
    const QString before = document.PathName();
    const bool saved = document.SaveModified();
    NoteRename(document, before);
    return saved;
}

bool CMainFrame::SaveDocument(ShellDocument& document, bool askName) {
    const QString before = document.PathName();
    const bool saved = document.Save(askName);
    NoteRename(document, before);
    return saved;
}

void CMainFrame::NoteRename(const ShellDocument& document, const QString& before) {
    if (document.PathName() != before && !document.PathName().isEmpty()) {
        emit documentRenamed(document.PathName());
    }
}

bool CMainFrame::CloseAllDocuments() {
    for (ShellDocument* document : Documents()) {
        if (!SaveModified(*document)) {
            return false;
        }
    }
    closingAll = true;
    for (CChildFrame* child : Windows()) {
        child->close();
    }
    closingAll = false;
    return true;
}

void CMainFrame::OnChildCloseRequested(CChildFrame* child, bool* allowed) {
    if (closingAll) {
        return;
    }
    if (Windows(&child->Document()).size() == 1) {
        *allowed = SaveModified(child->Document());
    }
}

void CMainFrame::OnChildDestroyed(CChildFrame* child, ShellDocument* document) {
    bool othersRemain = false;
    for (QMdiSubWindow* window : mdiArea->subWindowList()) {
        auto* other = qobject_cast<CChildFrame*>(window);
        if (other && other != child && &other->Document() == document) {
            othersRemain = true;
        }
    }
    if (!othersRemain) {
        const auto it = std::find_if(documents.begin(), documents.end(),
                                     [document](const auto& d) { return d.get() == document; });
        if (it != documents.end()) {
            std::unique_ptr<ShellDocument> closing = std::move(*it);
            documents.erase(it);
            closing->OnCloseDocument();
        }
    } else {
        RetitleWindows(*document);
    }
    ShowDocumentMenu(!documents.empty());
    UpdateCommandStates();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!CloseAllDocuments()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths.append(url.toLocalFile());
        }
    }
    if (!paths.isEmpty()) {
        event->acceptProposedAction();
        activateWindow();
        emit filesDropped(paths);
    }
}

} // namespace velmora
