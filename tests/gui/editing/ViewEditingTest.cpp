#include "shell/view/ViewEditing.h"
#include "document/CVelmoraDoc.h"
#include "editor/LadderClipboard.h"
#include "editor/UnDoList.h"
#include "gui/editing/LadderWindowTest.h"
#include "model/ElementCatalogue.h"
#include "platform/Gbk.h"
#include "platform/Profile.h"
#include "shell/CChildFrame.h"
#include "shell/CMainFrame.h"
#include "shell/CVelmoraApp.h"
#include "shell/CommandTable.h"
#include "shell/ConvertCommand.h"
#include "shell/LadderDocument.h"
#include "shell/ShellDocument.h"
#include "shell/dialogs/FieldEdit.h"
#include "shell/dialogs/FindDlg.h"
#include "shell/dialogs/ReplaceDlg.h"
#include "shell/view/CVelmoraView.h"
#include "support/FakeUi.h"
#include "support/LadderPicture.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

namespace velmora::testing {
namespace {

class ViewEditingTest : public LadderWindowTest {
protected:
    void SetUp() override {
        LadderWindowTest::SetUp();
        view->SetResolution(100);
    }

    LadderCell& Cell(int column, int row) { return Doc().program.Row(row)[column]; }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(view, key, modifiers);
    }
    // An accelerator of the frame, with the text the element dialog then answers.
    void Accelerator(Qt::Key key, const std::string& typed = {},
                     Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        if (!typed.empty()) {
            ItemSetData answer;
            answer.address = typed;
            ui.itemSet.Add(answer);
        }
        QTest::keyClick(&Frame(), key, modifiers);
    }
    void Pick(int code) {
        FuncData answer;
        answer.resultCode = static_cast<std::uint16_t>(code);
        ui.func.Add(answer);
        Accelerator(Qt::Key_A);
    }
    void CursorTo(int column, int row) {
        Doc().selection.anchor = Doc().selection.cursor = {column, row};
    }
};

TEST_F(ViewEditingTest, DrawConvertAndUndoByKeyboard) {
    Key(Qt::Key_Down); // the first key only places the cursor
    Accelerator(Qt::Key_Q, "X0.0");
    Accelerator(Qt::Key_D);
    EXPECT_EQ(Doc().selection.cursor, (GridPoint{0, 1}));
    Accelerator(Qt::Key_Q, "X0.1");
    Key(Qt::Key_Up);
    Accelerator(Qt::Key_E, "Y0.0");
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Home);
    Pick(0x1900); // TMR
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Accelerator(Qt::Key_Q, "X0.2");
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    ItemSetData number;
    number.address = "1";
    ui.itemSet.Add(number);
    Key(Qt::Key_Return);
    Key(Qt::Key_End);
    Accelerator(Qt::Key_E, "Y0.1");
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    Pick(0x7100);
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    Pick(0x7200);

    EXPECT_EQ(Doc().program.rowCount, 7);
    EXPECT_EQ(Cell(2, 2).OperandText(), "0001");
    EXPECT_EQ(Cell(4, 4).code, 0x7100);
    EXPECT_EQ(Cell(4, 5).code, 0x7200);
    QTest::keyClick(&Frame(), Qt::Key_F7);
    EXPECT_NE(Frame().Panes().Output().text.find("Convert succeed!"), std::string::npos)
        << Frame().Panes().Output().text;
    std::string list = Frame().Panes().InstructionList().text;
    list.erase(
        std::unique(list.begin(), list.end(), [](char a, char b) { return a == ' ' && b == ' '; }),
        list.end());
    EXPECT_EQ(list.rfind("RD X000.0\r\nOR X000.1\r\nWRT Y000.0\r\nRD X000.2\r\nTMR", 0), 0u)
        << list;
    EXPECT_TRUE(made->Ladder().IsModified());

    QAction* undo = Frame().Action(Cmd::EditUndo);
    int undone = 0;
    while (undo->isEnabled() && undone < 100) {
        QTest::keyClick(&Frame(), Qt::Key_Z, Qt::ControlModifier);
        ++undone;
    }
    EXPECT_LE(undone, UnDoList::Capacity);
    ASSERT_EQ(Doc().program.rowCount, 1);
    for (int c = 0; c < ColumnsPerRow; ++c) {
        EXPECT_EQ(Cell(c, 0).code, Element::Empty) << c;
        EXPECT_EQ(Cell(c, 0).verticalLine, 0u) << c;
    }
}

TEST_F(ViewEditingTest, DeleteKeyAndDoubleClickEditTheCell) {
    Doc().program = *Ladder({"X000.0 X000.1 ... (Y000.0)", ""});
    view->show();
    const QPoint cell(Grid::CellLeft(1) + 35, -Grid::RowTop(0) + 20);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell);
    ItemSetData answer;
    answer.address = "x3.4";
    ui.itemSet.Add(answer);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(Cell(1, 0).OperandText(), "X003.4");
    EXPECT_EQ(ui.calls.back(), "ItemSetDialog: 768 X000.1");
    Key(Qt::Key_Delete);
    EXPECT_EQ(Cell(1, 0).code, Element::Empty);
    EXPECT_EQ(Doc().selection.cursor, (GridPoint{2, 0}));
}

TEST_F(ViewEditingTest, CommandsStoreAnOpenRowCommentOnItsRowFirst) {
    Doc().program = *Ladder({"X000.0 ; old", "X000.1", ""});
    view->show();
    view->BeginCommentEdit(0);
    ASSERT_TRUE(view->CommentEditing());
    view->CommentEditor()->setText(QStringLiteral("新注释"));
    CursorTo(0, 1);
    Accelerator(Qt::Key_Insert, {}, Qt::NoModifier); // insert rows, cancelled
    EXPECT_FALSE(view->CommentEditing());
    EXPECT_EQ(GbkToUtf8(Doc().program.CommentText(0)), "新注释");
    QTest::keyClick(&Frame(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().program.CommentText(0), "old");
}

TEST_F(ViewEditingTest, UndoIsEnabledOnlyWithAStepAndCommentOnlyOnContactsAndCoils) {
    Doc().program = *Ladder({"X000.0 -- ... (Y000.0)", ""});
    CursorTo(1, 0);
    Frame().UpdateCommandStates();
    EXPECT_FALSE(Frame().Action(Cmd::EditUndo)->isEnabled());
    EXPECT_FALSE(Frame().Action(Cmd::EditComment)->isEnabled());
    CursorTo(0, 0);
    Frame().UpdateCommandStates();
    EXPECT_TRUE(Frame().Action(Cmd::EditComment)->isEnabled());
    Accelerator(Qt::Key_G, {}, Qt::ControlModifier); // a line over the contact
    EXPECT_TRUE(Frame().Action(Cmd::EditUndo)->isEnabled());
}

TEST_F(ViewEditingTest, CtrlWPlacesAClosedContactAndKeepsTheWindow) {
    CursorTo(0, 0);
    Accelerator(Qt::Key_W, "X1.1");
    EXPECT_EQ(Cell(0, 0).code, Element::ClosedContact);
    EXPECT_EQ(Frame().MdiArea()->subWindowList().size(), 1);
}

TEST_F(ViewEditingTest, FunctionMenuPlacesItsInstruction) {
    CursorTo(2, 0);
    ASSERT_TRUE(Frame().RunCommand(32784));
    EXPECT_EQ(Cell(2, 0).code, 0x1900);
    EXPECT_EQ(Cell(2, 0).OperandText(), "TMR");
}

class FindDialogsTest : public ViewEditingTest {
protected:
    LadderEditor* Editor() { return &view->findChild<ViewEditing*>()->Editor(); }
};

TEST_F(FindDialogsTest, FindFieldIsNormalisedWhenItLosesTheFocusNotOnEnter) {
    Doc().program = *Ladder({"X1.2 X001.2", ""});
    FindDlg dialog(
        ui, [this] { return Editor(); }, view);
    dialog.Load({});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.FindField()->setFocus();
    QCoreApplication::processEvents();
    QTest::keyClicks(dialog.FindField(), "X1.2");
    QTest::keyClick(dialog.FindField(), Qt::Key_Return);
    EXPECT_EQ(Doc().selection.cursor, (GridPoint{0, 0})) << "the text as typed";

    auto* find = dialog.findChild<QPushButton*>(QStringLiteral("button1012"));
    find->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.FindField()->text(), QStringLiteral("X001.2"));
    find->click();
    EXPECT_EQ(Doc().selection.cursor, (GridPoint{1, 0}));
    find->click();
    EXPECT_EQ(ui.calls.back(), "MessageBox: 没有找到要查找的内容。");
    EXPECT_TRUE(dialog.isVisible());

    FindDialogData kept;
    dialog.findChild<QRadioButton*>(QStringLiteral("radio1011"))->setChecked(true);
    dialog.Store(kept);
    EXPECT_EQ(kept.text, "X001.2");
    EXPECT_EQ(kept.direction, 1);
}

TEST_F(FindDialogsTest, ReplaceButtonsUseTheFieldsAsShownInStoredForm) {
    Doc().program = *Ladder({"X001.2 X001.2 X000.1", "X001.2", ""});
    ReplaceDlg dialog(
        ui, [this] { return Editor(); }, view);
    dialog.FindField()->setText(QStringLiteral("X1.2"));
    dialog.ReplacementField()->setText(QStringLiteral("Y2.3"));
    dialog.findChild<QPushButton*>(QStringLiteral("button5"))->click();
    EXPECT_EQ(dialog.FindField()->text(), QStringLiteral("X001.2"));
    EXPECT_EQ(dialog.ReplacementField()->text(), QStringLiteral("Y002.3"));
    EXPECT_EQ(Cell(0, 0).OperandText(), "Y002.3");
    EXPECT_EQ(Cell(1, 0).OperandText(), "Y002.3");
    EXPECT_EQ(Cell(0, 1).OperandText(), "Y002.3");
    EXPECT_EQ(ui.calls.back(), "MessageBox: 全部替换完成。");
}

} // namespace
} // namespace velmora::testing
