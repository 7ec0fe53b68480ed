#include "gui/FakeDocument.h"
#include "gui/GuiTest.h"
#include "platform/Profile.h"
#include "shell/CChildFrame.h"
#include "shell/CMainFrame.h"
#include "shell/CVelmoraApp.h"
#include "shell/CommandLine.h"
#include "shell/CommandTable.h"
#include "shell/PaneEdit.h"
#include "shell/QtUi.h"
#include "shell/ShellDocument.h"
#include "shell/bars/CCoolBar.h"
#include "shell/bars/CoolBarGripper.h"
#include "support/FakeUi.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace velmora::testing {
namespace {

class MainFrameTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        velmora = std::make_unique<CVelmoraApp>(ui, profile);
        velmora->SetChannelName(
            QStringLiteral("velmora-test-%1").arg(QCoreApplication::applicationPid()));
    }
    void TearDown() override { velmora.reset(); }

    CMainFrame& Start(const QStringList& arguments = {}) {
        EXPECT_TRUE(velmora->InitInstance(arguments));
        CMainFrame& frame = *velmora->MainFrame();
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        return frame;
    }

    // Documents made by the application, the file name each was opened with ("" for new ones).
    void UseFakeDocuments() {
        velmora->SetDocumentFactory([this](const QString* path) {
            opened.push_back(path ? *path : QString());
            auto document = std::make_unique<FakeDocument>(ui);
            if (path) {
                document->SetPathName(*path);
            }
            made.push_back(document.get());
            return document;
        });
    }

    QStringList MenuTitles() const {
        QStringList titles;
        for (QAction* menu : velmora->MainFrame()->menuBar()->actions()) {
            titles.append(menu->text());
        }
        return titles;
    }

    QStringList FileMenuItems() const {
        QStringList items;
        for (QAction* item :
             velmora->MainFrame()->menuBar()->actions().first()->menu()->actions()) {
            items.append(item->isSeparator() ? QStringLiteral("-") : item->text());
        }
        return items;
    }

    FakeUi ui;
    MemoryProfile profile;
    std::unique_ptr<CVelmoraApp> velmora;
    std::vector<QString> opened;
    std::vector<FakeDocument*> made;
};

TEST_F(MainFrameTest, StartsMaximizedWithMenu128TheOutputPaneAndNoDocument) {
    CMainFrame& frame = Start();
    EXPECT_TRUE(frame.isMaximized());
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("梯图编辑器"));
    EXPECT_EQ(MenuTitles(), (QStringList{"文件(&F)", "查看(&V)", "帮助(&H)"}));
    EXPECT_EQ(FileMenuItems(), (QStringList{"新建(&N)\tCtrl+N", "打开(&O)...\tCtrl+O", "-",
                                            "打印设置(&R)...", "-", "最近文件", "-", "退出(&X)"}));
    EXPECT_TRUE(frame.MdiArea()->subWindowList().isEmpty());
    EXPECT_FALSE(frame.OutputBar()->isHidden());
    EXPECT_TRUE(frame.InstructionBar()->isHidden());
    EXPECT_TRUE(frame.CommentBar()->isHidden());
    EXPECT_FALSE(frame.ShowsDocumentMenu());
}

TEST_F(MainFrameTest, CommandsOfDocumentsAndViewsStayDisabledUntilAHandlerIsConnected) {
    CMainFrame& frame = Start();
    EXPECT_FALSE(frame.Action(Cmd::FileSave)->isEnabled());
    EXPECT_FALSE(frame.Action(Cmd::OpenContact)->isEnabled());
    EXPECT_FALSE(frame.Action(Cmd::FileNew)->isEnabled()) << "no document type yet";
    EXPECT_TRUE(frame.Action(Cmd::FileOpen)->isEnabled());
    EXPECT_TRUE(frame.Action(Cmd::Convert)->isEnabled());
    EXPECT_FALSE(frame.Action(Cmd::NextPane)->isEnabled());

    UseFakeDocuments();
    frame.UpdateCommandStates();
    EXPECT_TRUE(frame.Action(Cmd::FileNew)->isEnabled());
    ASSERT_TRUE(velmora->NewDocument());
    int placed = 0;
    made.front()->Commands().Connect(Cmd::OpenContact, [&placed] { ++placed; });
    frame.UpdateCommandStates();
    ASSERT_TRUE(frame.Action(Cmd::OpenContact)->isEnabled());
    QTest::keyClick(&frame, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(placed, 1);
}

TEST_F(MainFrameTest, F7WithoutADocumentChangesNothing) {
    CMainFrame& frame = Start();
    frame.Panes().AppendOutputLine("earlier");
    const OutputPanes::Pane output = frame.Panes().Output();
    QTest::keyClick(&frame, Qt::Key_F7);
    EXPECT_EQ(frame.Panes().Output().text, output.text);
    EXPECT_FALSE(frame.Panes().InstructionList().visible);
    EXPECT_EQ(frame.OutputEdit()->toPlainText(), QStringLiteral("earlier\n"));
}

TEST_F(MainFrameTest, ANewDocumentSwitchesToMenu129InAMaximizedWindow) {
    CMainFrame& frame = Start();
    UseFakeDocuments();
    frame.UpdateCommandStates();
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(MenuTitles(),
              (QStringList{"文件(&F)", "编辑(&E)", "查看(&V)", "窗口(&W)", "帮助(&H)"}));
    ASSERT_NE(frame.ActiveChild(), nullptr);
    EXPECT_TRUE(frame.ActiveChild()->isMaximized());
    EXPECT_EQ(frame.ActiveChild()->windowTitle(), QStringLiteral("PLCLad1"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("梯图编辑器 - [PLCLad1]"));

    // A window restored by the user comes back maximized with the next document.
    frame.ActiveChild()->showNormal();
    velmora->NewDocument();
    EXPECT_TRUE(frame.ActiveChild()->isMaximized());
    EXPECT_EQ(frame.ActiveChild()->windowTitle(), QStringLiteral("PLCLad2"));

    frame.RunCommand(Cmd::FileClose);
    frame.RunCommand(Cmd::FileClose);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.Documents().empty());
    EXPECT_EQ(MenuTitles(), (QStringList{"文件(&F)", "查看(&V)", "帮助(&H)"}));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("梯图编辑器"));
}

TEST_F(MainFrameTest, OpeningAnOpenFileAgainActivatesItsWindow) {
    CMainFrame& frame = Start();
    UseFakeDocuments();
    velmora->OpenDocumentFile(QStringLiteral("/tmp/a.plf"));
    velmora->OpenDocumentFile(QStringLiteral("/tmp/b.plf"));
    ASSERT_EQ(frame.ActiveChild()->windowTitle(), QStringLiteral("b.plf"));
    ShellDocument* again = velmora->OpenDocumentFile(QStringLiteral("/tmp/./a.plf"));
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_EQ(again, made.front());
    EXPECT_EQ(&frame.ActiveChild()->Document(), made.front());
    EXPECT_TRUE(frame.ActiveChild()->isMaximized());
    EXPECT_EQ(velmora->RecentFiles().Entries(),
              (std::vector<std::string>{"/tmp/a.plf", "/tmp/b.plf"}));
}

TEST_F(MainFrameTest, ClosingAModifiedDocumentAsksToSaveIt) {
    CMainFrame& frame = Start();
    UseFakeDocuments();
    velmora->OpenDocumentFile(QStringLiteral("/tmp/m.plf"));
    made.front()->Document().SetModifiedFlag();

    ui.Script(Ui::Answer::Cancel);
    frame.RunCommand(Cmd::FileClose);
    EXPECT_EQ(ui.calls.back(), "Ask: 将改动保存到 /tmp/m.plf？");
    EXPECT_EQ(frame.Documents().size(), 1u);

    made.front()->Core().saveSucceeds = false;
    ui.Script(Ui::Answer::Yes);
    EXPECT_FALSE(frame.close()) << "a failed save keeps the program open";
    EXPECT_EQ(made.front()->Core().savedTo, (std::vector<std::string>{"/tmp/m.plf"}));

    ui.Script(Ui::Answer::No);
    EXPECT_TRUE(frame.close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.Documents().empty());
}

TEST_F(MainFrameTest, SavingANewLadderAsksForAPlfNameAndRetitlesIt) {
    CMainFrame& frame = Start();
    UseFakeDocuments();
    velmora->NewDocument();
    FakeDocument& document = *made.front();

    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileDialogRequest& request = ui.fileRequests[0];
    EXPECT_TRUE(request.save);
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_EQ(request.defaultExtension, "plf");
    EXPECT_EQ(request.initialFileName, "PLCLad1.plf");
    EXPECT_EQ(request.filter, "PLCLad 文件 (*.grp)|*.plf|所有文件 (*.*)|*.*||");
    EXPECT_TRUE(document.Core().savedTo.empty()) << "cancelled";

    ui.fileAnswers.push_back("/tmp/saved.plf");
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(document.Core().savedTo, (std::vector<std::string>{"/tmp/saved.plf"}));
    EXPECT_EQ(frame.ActiveChild()->windowTitle(), QStringLiteral("saved.plf"));
    EXPECT_EQ(velmora->RecentFiles().Entries(), (std::vector<std::string>{"/tmp/saved.plf"}));

    // Now it has a name: Save writes without asking, Save As asks again.
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_EQ(document.Core().savedTo.size(), 2u);
    frame.RunCommand(Cmd::FileSaveAs);
    ASSERT_EQ(ui.fileRequests.size(), 3u);
    EXPECT_EQ(ui.fileRequests[2].initialFileName, "/tmp/saved.plf");
}

TEST_F(MainFrameTest, ANewWindowShowsTheSameDocumentUnderANumberedTitle) {
    CMainFrame& frame = Start();
    UseFakeDocuments();
    velmora->NewDocument();
    frame.RunCommand(Cmd::WindowNew);
    ASSERT_EQ(frame.Windows().size(), 2u);
    EXPECT_EQ(frame.Documents().size(), 1u);
    EXPECT_EQ(frame.Windows()[0]->windowTitle(), QStringLiteral("PLCLad1:1"));
    EXPECT_EQ(frame.Windows()[1]->windowTitle(), QStringLiteral("PLCLad1:2"));
    made.front()->Document().SetModifiedFlag();
    frame.Windows()[1]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ui.calls.empty()) << "other windows remain, nothing to ask";
    EXPECT_EQ(frame.Windows()[0]->windowTitle(), QStringLiteral("PLCLad1"));
}

TEST_F(MainFrameTest, TheWindowMenuListsTheOpenWindowsAndActivatesOne) {
    CMainFrame& frame = Start();
    UseFakeDocuments();
    velmora->NewDocument();
    velmora->NewDocument();
    QMenu* windowMenu = nullptr;
    for (QAction* menu : frame.menuBar()->actions()) {
        if (menu->text() == QStringLiteral("窗口(&W)")) {
            windowMenu = menu->menu();
        }
    }
    ASSERT_NE(windowMenu, nullptr);
    const auto entries = [windowMenu] {
        QStringList texts;
        for (QAction* item : windowMenu->actions()) {
            if (item->property("windowEntry").toBool() && !item->isSeparator()) {
                texts.append(item->text() + (item->isChecked() ? "*" : ""));
            }
        }
        return texts;
    };
    emit windowMenu->aboutToShow();
    EXPECT_EQ(entries(), (QStringList{"&1 PLCLad1", "&2 PLCLad2*"}));
    emit windowMenu->aboutToShow();
    EXPECT_EQ(entries().size(), 2) << "the list is rebuilt, not appended to";

    for (QAction* item : windowMenu->actions()) {
        if (item->text() == QStringLiteral("&1 PLCLad1")) {
            item->trigger();
        }
    }
    EXPECT_EQ(frame.ActiveChild()->windowTitle(), QStringLiteral("PLCLad1"));
}

TEST_F(MainFrameTest, PaneCheckMarksFollowTogglesAndCloseButtons) {
    CMainFrame& frame = Start();
    QAction* output = frame.Action(Cmd::ViewOutput);
    QAction* listing = frame.Action(Cmd::ViewInstructionList);
    frame.UpdateCommandStates();
    EXPECT_TRUE(output->isChecked());
    EXPECT_FALSE(listing->isChecked());

    output->trigger();
    EXPECT_TRUE(frame.OutputBar()->isHidden());
    EXPECT_FALSE(output->isChecked());
    output->trigger();
    EXPECT_FALSE(frame.OutputBar()->isHidden());
    EXPECT_TRUE(output->isChecked());

    frame.Panes().AppendInstructionText("RD X0.0");
    frame.UpdateCommandStates();
    EXPECT_FALSE(frame.InstructionBar()->isHidden());
    EXPECT_TRUE(listing->isChecked());
    auto* gripper = qobject_cast<CoolBarGripper*>(frame.InstructionBar()->titleBarWidget());
    ASSERT_NE(gripper, nullptr);
    QTest::mouseClick(gripper->CloseButton(), Qt::LeftButton);
    EXPECT_TRUE(frame.InstructionBar()->isHidden());
    EXPECT_FALSE(listing->isChecked());
    EXPECT_FALSE(frame.Panes().InstructionList().visible);

    // A double-click on the gripper floats the pane; a floating pane has the window frame's
    // close instead of a gripper.
    auto* outputGripper = qobject_cast<CoolBarGripper*>(frame.OutputBar()->titleBarWidget());
    ASSERT_NE(outputGripper, nullptr);
    QTest::mouseDClick(outputGripper, Qt::LeftButton, {},
                       QPoint(outputGripper->width() / 2, outputGripper->height() - 4));
    EXPECT_TRUE(frame.OutputBar()->isFloating());
    // The frame changes once the button is up, not in the middle of a drag.
    EXPECT_NE(frame.OutputBar()->titleBarWidget(), nullptr);
    QTest::mouseRelease(outputGripper, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&frame] { return !frame.OutputBar()->titleBarWidget(); }));
    EXPECT_EQ(frame.OutputBar()->minimumSize(), CCoolBar::MinFloatingSize);
    frame.OutputBar()->close();
    EXPECT_TRUE(frame.OutputBar()->isHidden());
    frame.UpdateCommandStates();
    EXPECT_FALSE(output->isChecked());
    frame.OutputBar()->setFloating(false);
    EXPECT_NE(frame.OutputBar()->titleBarWidget(), nullptr);
    EXPECT_EQ(frame.OutputBar()->minimumSize(), CCoolBar::MinDockedSize);

    // Writing a line shows the output pane again; the check mark follows.
    frame.Panes().AppendOutputLine("Converting...");
    frame.UpdateCommandStates();
    EXPECT_FALSE(frame.OutputBar()->isHidden());
    EXPECT_TRUE(output->isChecked());

    frame.Action(Cmd::ViewToolbar)->trigger();
    EXPECT_TRUE(frame.StandardBar()->isHidden());
    EXPECT_FALSE(frame.Action(Cmd::ViewToolbar)->isChecked());
    EXPECT_FALSE(frame.ElementBar()->isHidden());
    frame.Action(Cmd::ViewStatusBar)->trigger();
    EXPECT_TRUE(frame.statusBar()->isHidden());
    EXPECT_FALSE(frame.Action(Cmd::ViewStatusBar)->isChecked());
}

TEST_F(MainFrameTest, PaneWidgetsMirrorThePaneTexts) {
    CMainFrame& frame = Start();
    frame.Panes().AppendOutputLine("Converting...");
    frame.Panes().AppendOutputLine("Convert succeed!");
    EXPECT_EQ(frame.OutputEdit()->toPlainText(),
              QStringLiteral("Converting...\nConvert succeed!\n"));
    EXPECT_EQ(frame.OutputEdit()->textCursor().position(),
              frame.OutputEdit()->toPlainText().size());
    frame.Panes().SetOutputText("正在保存文件...");
    EXPECT_EQ(frame.OutputEdit()->toPlainText(), QStringLiteral("正在保存文件..."));

    frame.Panes().ShowInstructionList({"RD        X000.0     1", "WRT       Y000.0     1"});
    EXPECT_EQ(frame.InstructionEdit()->toPlainText(),
              QStringLiteral("RD        X000.0\nWRT       Y000.0\n\n"));
    EXPECT_EQ(frame.InstructionEdit()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(frame.InstructionEdit()->isReadOnly());
    const QPalette pal = frame.OutputEdit()->palette();
    EXPECT_EQ(pal.color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(pal.color(QPalette::Text), QColor(Qt::black));

    frame.Panes().CloseInstructionPane();
    EXPECT_TRUE(frame.InstructionEdit()->toPlainText().isEmpty());
    EXPECT_TRUE(frame.InstructionBar()->isHidden());
}

TEST_F(MainFrameTest, StatusBarShowsThePromptOfAHighlightedCommandAndReadyWhenIdle) {
    CMainFrame& frame = Start();
    auto* idle = frame.statusBar()->findChild<QLabel*>(QStringLiteral("idle"));
    ASSERT_NE(idle, nullptr);
    EXPECT_EQ(idle->text(), QStringLiteral("就绪"));
    frame.Action(Cmd::FileOpen)->showStatusText(&frame);
    EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("打开一个现有文档"));
    EXPECT_EQ(frame.Action(Cmd::FileOpen)->toolTip(), QStringLiteral("打开"));
    frame.statusBar()->clearMessage();
    EXPECT_TRUE(frame.statusBar()->currentMessage().isEmpty());
    QStringList indicators;
    for (int id : {59137, 59138, 59139}) {
        auto* label = frame.statusBar()->findChild<QLabel*>(QStringLiteral("indicator%1").arg(id));
        ASSERT_NE(label, nullptr);
        indicators.append(label->text());
    }
    EXPECT_EQ(indicators, (QStringList{"大写", "数字", "滚动"}));
}

TEST_F(MainFrameTest, ToolbarsFollowTheTableAndTheFunctionButtonDropsDownMenu137) {
    CMainFrame& frame = Start();
    const auto ids = [&frame](QToolBar* bar) {
        std::vector<int> result;
        for (QAction* action : bar->actions()) {
            result.push_back(action->isSeparator() ? 0 : action->objectName().mid(3).toInt());
        }
        return result;
    };
    EXPECT_EQ(ids(frame.StandardBar()),
              (std::vector<int>{57600, 57601, 57603, 0, 57635, 57634, 57637, 0, 57643, 0, 32789,
                                32782, 0, 57607, 0, 57664}));
    EXPECT_EQ(ids(frame.ElementBar()), (std::vector<int>{32771, 32773, 0, 32774, 32776, 0, 32777,
                                                         32778, 0, 32772, 32775, 0, 32779}));
    EXPECT_EQ(frame.StandardBar()->iconSize(), QSize(16, 16));
    EXPECT_EQ(frame.ElementBar()->iconSize(), QSize(16, 15));
    auto* button = qobject_cast<QToolButton*>(
        frame.ElementBar()->widgetForAction(frame.Action(Cmd::FunctionPicker)));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->popupMode(), QToolButton::MenuButtonPopup);
    ASSERT_EQ(button->menu(), frame.FunctionMenu());
    EXPECT_EQ(frame.FunctionMenu()->actions().size(), 36);
    EXPECT_EQ(frame.FunctionMenu()->actions().first()->text(), QStringLiteral("CTR"));
    EXPECT_EQ(frame.FunctionMenu()->actions().last()->text(), QStringLiteral("END2"));
}

TEST_F(MainFrameTest, RecentFilesComeFromTheProfileAndGoBackAtExit) {
    profile.SetString("Recent File List", "File1", "/work/one.plf");
    profile.SetString("Recent File List", "File2", "/work/two.grp");
    Start();
    QStringList items = FileMenuItems();
    EXPECT_TRUE(items.contains(QStringLiteral("&1 /work/one.plf")));
    EXPECT_TRUE(items.contains(QStringLiteral("&2 /work/two.grp")));
    EXPECT_FALSE(items.contains(QStringLiteral("最近文件")));

    for (const char* path : {"/work/3.plf", "/work/4.plf", "/work/two.grp", "/work/5.plf"}) {
        velmora->OpenDocumentFile(QString::fromUtf8(path));
    }
    velmora->ExitInstance();
    EXPECT_EQ(profile.GetString("Recent File List", "File1"), "/work/5.plf");
    EXPECT_EQ(profile.GetString("Recent File List", "File2"), "/work/two.grp");
    EXPECT_EQ(profile.GetString("Recent File List", "File3"), "/work/4.plf");
    EXPECT_EQ(profile.GetString("Recent File List", "File4"), "/work/3.plf");

    CVelmoraApp next(ui, profile);
    next.SetChannelName(
        QStringLiteral("velmora-test-next-%1").arg(QCoreApplication::applicationPid()));
    ASSERT_TRUE(next.InitInstance({}));
    EXPECT_EQ(
        next.RecentFiles().Entries(),
        (std::vector<std::string>{"/work/5.plf", "/work/two.grp", "/work/4.plf", "/work/3.plf"}));
}

TEST_F(MainFrameTest, FileOpenAsksWithTheLadderFiltersAndCancelDoesNothing) {
    CMainFrame& frame = Start();
    frame.RunCommand(Cmd::FileOpen);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_FALSE(ui.fileRequests[0].save);
    EXPECT_EQ(ui.fileRequests[0].filter,
              "PLC梯图文件 (*.grp)|*.plf;*.grp|备份文件 (*.bak)|*.bak|所有文件(*.*)|*.*||");
    EXPECT_TRUE(ui.fileRequests[0].defaultExtension.empty());
    EXPECT_TRUE(velmora->RecentFiles().Entries().empty());

    UseFakeDocuments();
    ui.fileAnswers.push_back("/data/x.plf");
    frame.RunCommand(Cmd::FileOpen);
    EXPECT_EQ(opened, (std::vector<QString>{"/data/x.plf"}));
}

TEST_F(MainFrameTest, FilesDroppedOnTheFrameAreOpened) {
    CMainFrame& frame = Start();
    UseFakeDocuments();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/d1.plf")),
                  QUrl(QStringLiteral("https://example.invalid/x.plf")),
                  QUrl::fromLocalFile(QStringLiteral("/tmp/d2.grp"))});
    const QPoint at(300, 300);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &drop);
    EXPECT_EQ(opened, (std::vector<QString>{"/tmp/d1.plf", "/tmp/d2.grp"}));
    EXPECT_EQ(frame.Documents().size(), 2u);
}

TEST_F(MainFrameTest, ARecentFileThatNoLongerOpensLeavesTheList) {
    profile.SetString("Recent File List", "File1", "/work/fine.plf");
    profile.SetString("Recent File List", "File2", "/work/gone.plf");
    CMainFrame& frame = Start();
    velmora->SetDocumentFactory([this](const QString* path) -> std::unique_ptr<ShellDocument> {
        if (path && path->endsWith(QStringLiteral("gone.plf"))) {
            return nullptr;
        }
        return std::make_unique<FakeDocument>(ui);
    });
    frame.Action(Cmd::RecentFile1 + 1)->trigger();
    EXPECT_EQ(velmora->RecentFiles().Entries(), (std::vector<std::string>{"/work/fine.plf"}));
    frame.Action(Cmd::RecentFile1)->trigger();
    EXPECT_EQ(frame.Documents().size(), 1u);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(FileMenuItems().contains(QStringLiteral("&1 /work/fine.plf")));
}

TEST_F(MainFrameTest, ALoneFileNameOnTheCommandLineOpensNothing) {
    UseFakeDocuments();
    CMainFrame& frame = Start({QStringLiteral("/tmp/lone.plf")});
    EXPECT_TRUE(frame.Documents().empty());
    EXPECT_TRUE(opened.empty());
}

TEST_F(MainFrameTest, OneShotSwitchesEndTheStartUp) {
    EXPECT_FALSE(velmora->InitInstance({QStringLiteral("/Unregister")}));
}

TEST_F(MainFrameTest, ADesktopOpenGoesToTheRunningInstance) {
    CMainFrame& frame = Start();
    UseFakeDocuments();
    CVelmoraApp second(ui, profile);
    second.SetChannelName(
        QStringLiteral("velmora-test-%1").arg(QCoreApplication::applicationPid()));
    EXPECT_FALSE(second.InitInstance({QStringLiteral("/dde"), QStringLiteral("/tmp/handed.plf")}));
    EXPECT_EQ(second.MainFrame(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.Documents().empty(); }, 3000));
    EXPECT_EQ(opened, (std::vector<QString>{"/tmp/handed.plf"}));
}

TEST_F(MainFrameTest, ADesktopOpenWithoutARunningInstanceStartsAndOpensTheFile) {
    UseFakeDocuments();
    CMainFrame& frame = Start({QStringLiteral("-DDE"), QStringLiteral("/tmp/first.plf")});
    EXPECT_EQ(frame.Documents().size(), 1u);
    EXPECT_EQ(opened, (std::vector<QString>{"/tmp/first.plf"}));
}

TEST(CommandLine, SwitchesAndTheirArguments) {
    using A = ShellCommand::Action;
    struct Case {
        std::vector<std::string> args;
        A action;
        std::string file;
        std::string printer;
    };
    const Case cases[] = {
        {{}, A::Nothing, "", ""},
        {{"a.plf"}, A::Nothing, "a.plf", ""},
        {{"/p", "a.plf"}, A::Print, "a.plf", ""},
        {{"/pt", "a.plf", "Office", "drv", "port"}, A::PrintTo, "a.plf", "Office"},
        {{"-PT", "a.plf", "Office"}, A::PrintTo, "a.plf", "Office"},
        {{"/dde", "b.plf"}, A::DdeOpen, "b.plf", ""},
        {{"/Unregister"}, A::Unregister, "", ""},
        {{"/unregserver"}, A::Unregister, "", ""},
        {{"-x", "c.plf"}, A::Nothing, "c.plf", ""},
        {{"/p", "/home/u/a.plf"}, A::Print, "/home/u/a.plf", ""},
        {{"/home/u/p"}, A::Nothing, "/home/u/p", ""},
        {{"/", "-"}, A::Nothing, "/", ""},
    };
    for (const Case& c : cases) {
        const ShellCommand command = ParseCommandLine(c.args);
        EXPECT_EQ(command.action, c.action) << ::testing::PrintToString(c.args);
        EXPECT_EQ(command.fileName, c.file) << ::testing::PrintToString(c.args);
        EXPECT_EQ(command.printerName, c.printer) << ::testing::PrintToString(c.args);
    }
}

TEST(FileDialogFilters, ShowTheNameAndFilterByThePatterns) {
    EXPECT_EQ(
        NameFilters("PLC梯图文件 (*.grp)|*.plf;*.grp|备份文件 (*.bak)|*.bak|所有文件(*.*)|*.*||"),
        (QStringList{"PLC梯图文件 (*.grp) (*.plf *.grp)", "备份文件 (*.bak) (*.bak)",
                     "所有文件(*.*) (*)"}));
    EXPECT_TRUE(NameFilters("").isEmpty());
}

TEST(CommandTable, EveryMenuAndToolbarIdHasARow) {
    for (auto menus : {NoDocumentMenu(), DocumentMenu()}) {
        for (const MenuPopup& popup : menus) {
            for (int id : popup.items) {
                if (id > 0) {
                    EXPECT_NE(FindCommand(id), nullptr) << id;
                }
            }
        }
    }
    for (auto bar : {StandardToolbar(), ElementToolbar()}) {
        for (int id : bar) {
            if (id > 0) {
                ASSERT_NE(FindCommand(id), nullptr) << id;
            }
        }
    }
    const CommandInfo* convert = FindCommand(Cmd::Convert);
    ASSERT_NE(convert, nullptr);
    EXPECT_EQ(PromptOf(*convert), "转换梯图(F7)");
    EXPECT_EQ(TooltipOf(*convert), "转换梯图(F7)");
    EXPECT_EQ(TooltipOf(*FindCommand(Cmd::Replace)), "");
}

} // namespace
} // namespace velmora::testing
