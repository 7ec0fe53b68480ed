#include "gui/view/ViewFixture.h"

#include "document/SymbolComments.h"
#include "model/ElementCatalogue.h"
#include "platform/Gbk.h"
#include "shell/CommandTable.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <vector>

namespace velmora::testing {
namespace {

// The middle of a cell, in viewport pixels (the view is not scrolled).
QPoint CellCentre(int column, int row) {
    return {Grid::CellLeft(column) + 35, -Grid::RowTop(row) + 20};
}

std::vector<GridPoint> Selected(const LadderProgram& program) {
    std::vector<GridPoint> cells;
    for (int r = 0; r < program.rowCount; ++r) {
        for (int c = 0; c < ColumnsPerRow; ++c) {
            if (program.Row(r)[c].selected != 0) {
                cells.push_back({c, r});
            }
        }
    }
    return cells;
}

class ViewInputTest : public ViewTest {
protected:
    void ShowWindow(std::initializer_list<std::string_view> rows) {
        Show(rows);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    QWidget* Port() { return view->viewport(); }
    // A double click as the window system delivers it: press, release, then the double click.
    void DoubleClick(QPoint point) {
        QTest::mouseClick(Port(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(Port(), Qt::LeftButton, {}, point);
    }
};

TEST_F(ViewInputTest, DraggingUpwardsSelectsTheRowsBetween) {
    ShowWindow({"", "", "", "", "", "", ""});
    QTest::mousePress(Port(), Qt::LeftButton, {}, CellCentre(3, 5));
    QTest::mouseMove(Port(), CellCentre(3, 2));
    QTest::mouseRelease(Port(), Qt::LeftButton, {}, CellCentre(3, 2));
    EXPECT_EQ(document->selection.anchor, (GridPoint{3, 5}));
    EXPECT_EQ(document->selection.cursor, (GridPoint{3, 2}));
    EXPECT_EQ(Selected(document->program).size(), 4u * ColumnsPerRow);
}

TEST_F(ViewInputTest, ACursorMoveShowsTheSymbolCommentOfTheNewCell) {
    ShowWindow({"X002.5 -- ... (Y000.0)"});
    SymbolComment(*document->symbolComments, "X002.5") = Utf8ToGbk("启动按钮");
    panes.SetOutputText("old");
    QTest::mouseClick(Port(), Qt::LeftButton, {}, CellCentre(0, 0));
    EXPECT_EQ(panes.Output().text, "启动按钮");
    QTest::keyClick(view.get(), Qt::Key_Right);
    EXPECT_EQ(document->selection.cursor, (GridPoint{1, 0}));
    EXPECT_EQ(panes.Output().text, "") << "a line has no comment";
}

TEST_F(ViewInputTest, KeysMoveTheCursorAndTheFirstOnlyPlacesIt) {
    ShowWindow({"", "", ""});
    QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(document->selection.cursor, (GridPoint{0, 0}));
    QTest::keyClick(view.get(), Qt::Key_Down);
    QTest::keyClick(view.get(), Qt::Key_Left);
    EXPECT_EQ(document->selection.cursor, (GridPoint{7, 1}));
    EXPECT_EQ(Selected(document->program), (std::vector<GridPoint>{{7, 1}}));
}

TEST_F(ViewInputTest, PageDownScrollsTheWindowAPage) {
    std::vector<std::string> rows(200, "");
    document->program = *Ladder(rows);
    MakeView();
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    QTest::keyClick(view.get(), Qt::Key_Down);
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    EXPECT_EQ(document->selection.cursor, (GridPoint{0, 15}));
    EXPECT_EQ(view->ScrollPosition().y, -600);
}

TEST_F(ViewInputTest, EnterAndDoubleClickEditTheCellDeleteEmptiesIt) {
    ShowWindow({"X000.0 [TMR 5] # ... (Y000.0)", ". # #"});
    std::vector<int> placed;
    view->EditingHooks().placeElement = [&placed](ElementCode kind) { placed.push_back(kind); };
    DoubleClick(CellCentre(0, 0));
    DoubleClick(CellCentre(1, 0)); // the box's name cell: nothing
    DoubleClick(CellCentre(2, 1)); // its second row: nothing
    DoubleClick(CellCentre(2, 0));
    QTest::keyClick(view.get(), Qt::Key_Return);
    QTest::keyClick(view.get(), Qt::Key_Delete);
    EXPECT_EQ(placed, (std::vector<int>{Element::OpenContact, 0x1901, 0x1901, Element::Empty}));
}

TEST_F(ViewInputTest, TheRowCommentIsEditedInPlaceRightOfTheGrid) {
    ShowWindow({"X000.0 ... (Y000.0) ; start", "X000.1 ... (Y000.1) ; stop"});
    DoubleClick(QPoint(700, -Grid::RowTop(1) + 20));
    ASSERT_TRUE(view->CommentEditing());
    EXPECT_EQ(view->CommentEditor()->text(), "stop");
    EXPECT_EQ(view->CommentEditor()->selectedText(), "stop");
    view->CommentEditor()->setText(QStringLiteral("停止按钮 with a text far too long"));
    QTest::mousePress(Port(), Qt::LeftButton, {}, CellCentre(0, 0));
    EXPECT_FALSE(view->CommentEditing());
    EXPECT_EQ(GbkToUtf8(document->program.CommentText(1)), "停止按钮 with a text");
}

TEST_F(ViewInputTest, ContextMenuOffersCommentEditingOnContactsAndCoilsOnly) {
    Show({"X000.0 -- [SP 1] # . . . (Y000.0)"});
    struct Case {
        int column;
        bool comment;
    };
    for (const Case c :
         {Case{0, true}, Case{1, false}, Case{2, false}, Case{5, false}, Case{7, true}}) {
        document->selection.cursor = document->selection.anchor = {c.column, 0};
        const auto menu = view->CreateContextMenu();
        ASSERT_NE(menu, nullptr);
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QStringList expected = {"剪切(&T)\tCtrl+X",   "复制(&C)\tCtrl+C",
                                "粘贴(&P)\tCtrl+V",   "-",
                                "插入行(&I)\tInsert", "删除行(&D)\tCtrl+Del"};
        if (c.comment) {
            expected << "修改注释(&M)";
        }
        expected << "-"
                 << "基本指令(&B)"
                 << "功能指令(&F)";
        EXPECT_EQ(texts, expected) << c.column;
    }
}

TEST_F(ViewInputTest, ContextMenuCarriesTheElementAndFunctionMenus) {
    Show({"X000.0"});
    document->selection.cursor = document->selection.anchor = {0, 0};
    const auto menu = view->CreateContextMenu();
    const QList<QAction*> actions = menu->actions();
    QMenu* basic = actions[actions.size() - 2]->menu();
    QMenu* functions = actions.back()->menu();
    ASSERT_TRUE(basic && functions);
    ASSERT_EQ(basic->actions().size(), static_cast<qsizetype>(ElementMenu().size()));
    for (const QAction* action : basic->actions()) {
        EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
        EXPECT_EQ(action->icon().availableSizes().value(0), QSize(17, 15));
    }
    EXPECT_EQ(functions->actions().size(), static_cast<qsizetype>(FunctionMenu().size()));
    EXPECT_EQ(functions->actions().front()->text(), "CTR");
}

TEST_F(ViewInputTest, ContextMenuCommandsGoThroughTheCommandMaps) {
    Show({"X000.0"});
    document->selection.cursor = document->selection.anchor = {0, 0};
    int contacts = 0;
    view->Commands().Connect(Cmd::OpenContact, [&contacts] { ++contacts; });
    const auto menu = view->CreateContextMenu();
    QMenu* basic = menu->actions()[menu->actions().size() - 2]->menu();
    QAction* open = basic->findChild<QAction*>(QStringLiteral("cmd32771"));
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isEnabled());
    open->trigger();
    EXPECT_EQ(contacts, 1);
    // Nothing handles cut here: its entry is disabled.
    EXPECT_FALSE(menu->findChild<QAction*>(QStringLiteral("cmd57635"))->isEnabled());
}

TEST_F(ViewInputTest, NoCursorNoContextMenu) {
    Show({"X000.0"});
    EXPECT_EQ(view->CreateContextMenu(), nullptr);
}

TEST_F(ViewInputTest, RightClickInsideARowRangeKeepsIt) {
    ShowWindow({"", "", "", "", "", ""});
    QTest::mousePress(Port(), Qt::LeftButton, {}, CellCentre(3, 1));
    QTest::mouseMove(Port(), CellCentre(3, 3));
    QTest::mouseRelease(Port(), Qt::LeftButton, {}, CellCentre(3, 3));
    QTest::mousePress(Port(), Qt::RightButton, {}, CellCentre(6, 2));
    EXPECT_EQ(Selected(document->program).size(), 3u * ColumnsPerRow);
    QTest::mousePress(Port(), Qt::RightButton, {}, CellCentre(6, 5));
    EXPECT_EQ(Selected(document->program), (std::vector<GridPoint>{{6, 5}}));
}

} // namespace
} // namespace velmora::testing
