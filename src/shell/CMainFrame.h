#pragma once

#include "platform/OutputPanes.h"
#include "shell/CommandMap.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class QToolButton;

namespace velmora {

class CChildFrame;
class CCoolBar;
class PaneEdit;
class ShellDocument;
class Ui;

// The main window: menus, the two toolbars, the status bar, the panes and the document windows.
// Every command of the command table has one action here; a command goes to the active view,
// its document, its window, this frame and the application, the first that handles it.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int OutputBarId = 104;
    static constexpr int InstructionBarId = 105;
    static constexpr int CommentBarId = 107;
    static constexpr int OutputEditId = 103;
    static constexpr int InstructionEditId = 106;
    static constexpr int CommentEditId = 108;

    explicit CMainFrame(Ui& ui, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The two text panes every part of the program reports through.
    OutputPanes& Panes() { return panes; }

    // The application's commands, asked after the frame's own.
    void SetAppCommands(CommandMap* commands) {
        appCommands = commands;
        UpdateCommandStates();
    }
    CommandMap& Commands() { return commands; }
    QAction* Action(int id) const;
    // Enables, disables and checks every action as its handler says.
    void UpdateCommandStates();
    // Runs a command as its menu item would; false when nothing handles it or it is disabled.
    bool RunCommand(int id);

    // Documents and their windows.
    CChildFrame* AddDocument(std::unique_ptr<ShellDocument> document);
    CChildFrame* AddWindow(ShellDocument& document);
    ShellDocument* FindDocument(const QString& path) const;
    void ActivateDocument(ShellDocument& document);
    CChildFrame* ActiveChild() const;
    std::vector<ShellDocument*> Documents() const;
    std::vector<CChildFrame*> Windows(const ShellDocument* document = nullptr) const;
    // Offers each modified document for saving and closes all; false when the user cancelled.
    bool CloseAllDocuments();
    // The "save changes?" question for one document; false when the user cancelled or the save
    // failed.
    bool SaveModified(ShellDocument& document);
    // Saves under the document's name, asking for one first when it has none or when asked to;
    // false when cancelled or failed.
    bool SaveDocument(ShellDocument& document, bool askName);

    // The entries of the recent-file list, shown in the File menu.
    void SetRecentFiles(const std::vector<std::string>& paths);

    CCoolBar* OutputBar() const { return outputBar; }
    CCoolBar* InstructionBar() const { return instructionBar; }
    CCoolBar* CommentBar() const { return commentBar; }
    PaneEdit* OutputEdit() const { return outputEdit; }
    PaneEdit* InstructionEdit() const { return instructionEdit; }
    QToolBar* StandardBar() const { return standardBar; }
    QToolBar* ElementBar() const { return elementBar; }
    QMdiArea* MdiArea() const { return mdiArea; }
    QMenu* FunctionMenu() const { return functionMenu; }
    // True while menu 129 (a document is active) is shown rather than menu 128.
    bool ShowsDocumentMenu() const { return documentMenuShown; }

signals:
    // Files dropped on the frame, to be opened as documents.
    void filesDropped(const QStringList& paths);
    // A document was saved under a new name.
    void documentRenamed(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void CreateActions();
    void CreateToolBars();
    void CreateStatusBar();
    void CreatePanes();
    void ConnectFrameCommands();
    void BuildMenus();
    void ListWindows(QMenu* menu);
    void FillMenu(QMenu* menu, std::span<const int> items, bool documentMenu);
    void ShowDocumentMenu(bool show);
    void MirrorPanes();
    void ShowPane(CCoolBar* bar, bool show);
    bool PaneVisible(const CCoolBar* bar) const;
    void OnChildCloseRequested(CChildFrame* child, bool* allowed);
    void OnChildDestroyed(CChildFrame* child, ShellDocument* document);
    void RetitleWindows(const ShellDocument& document);
    // Tells the application that a save gave the document a new name.
    void NoteRename(const ShellDocument& document, const QString& before);
    void UpdateLockIndicators();
    void OnConvert();
    void ArrangeIcons();
    const CommandMap::Entry* Route(int id) const;

    Ui& ui;
    OutputPanes panes;
    CommandMap commands;
    CommandMap* appCommands = nullptr;
    std::map<int, QAction*> actions;
    std::vector<std::unique_ptr<ShellDocument>> documents;
    std::vector<std::string> recentFiles;
    bool documentMenuShown = false;
    bool closingAll = false;

    QMdiArea* mdiArea = nullptr;
    QToolBar* standardBar = nullptr;
    QToolBar* elementBar = nullptr;
    QLabel* idleLabel = nullptr;
    std::vector<QLabel*> lockIndicators;
    CCoolBar* outputBar = nullptr;
    CCoolBar* commentBar = nullptr;
    CCoolBar* instructionBar = nullptr;
    PaneEdit* outputEdit = nullptr;
    PaneEdit* instructionEdit = nullptr;
    PaneEdit* commentEdit = nullptr;
    QMenu* functionMenu = nullptr;
    std::vector<QMenu*> noDocumentMenus;
    std::vector<QMenu*> documentMenus;
};

} // namespace velmora
