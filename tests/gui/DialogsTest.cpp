#include "gui/GuiTest.h"
#include "platform/Gbk.h"
#include "shell/dialogs/FieldEdit.h"
#include "shell/dialogs/FuncDlg.h"
#include "shell/dialogs/GotoLineDlg.h"
#include "shell/dialogs/InsertLineDlg.h"
#include "shell/dialogs/ItemSetDlg.h"
#include "shell/dialogs/LadInfoDlg.h"
#include "shell/dialogs/NoteDlg.h"
#include "shell/dialogs/SelMulRowDlg.h"
#include "support/FakeUi.h"

#include <QGroupBox>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QTest>

namespace velmora::testing {
namespace {

// Each dialog is shown without a modal loop and driven through its fields; messages go to the
// scripted Ui.
class DialogTest : public GuiTest {
protected:
    void Show(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    static FieldEdit* Edit(QDialog& dialog, int id) {
        return dialog.findChild<FieldEdit*>(QStringLiteral("edit%1").arg(id));
    }

    // Types at the cursor, through the input method as Chinese text arrives.
    static void Insert(FieldEdit* edit, const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(edit, &event);
    }

    static void Type(FieldEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        Insert(edit, text);
    }

    // Presses OK; true when the dialog closed with it.
    static bool PressOk(QDialog& dialog) {
        dialog.accept();
        return dialog.result() == QDialog::Accepted && !dialog.isVisible();
    }

    FakeUi ui;
};

TEST_F(DialogTest, ItemSetCaptionNamesTheElementOrTheBoxParameter) {
    struct Case {
        std::uint16_t code;
        const char* caption;
    };
    const Case cases[] = {
        {0x0300, "常开触点"},
        {0x0200, "常闭触点"},
        {0x0400, "输出线圈"},
        {0x0500, "输出线圈取反"},
        {0x0000, ""},
        {0x0100, ""},
        {0x1001, "计数器号"},
        {0x2003, "加数地址或常数"},
        {0x1700 + 9, "结果输出地址"},
        {0x4000, "转换表数据"},
        {0x4005, "转换表数据"},
        {0x1000, ""},
        {0x1010, ""},
        {0x9901, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ItemSetDlg::CaptionFor(c.code), QString::fromUtf8(c.caption)) << c.code;
    }
    ItemSetDlg dialog(ui);
    dialog.Load({0x0400, "Y0.1"});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("元件设置"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>(QStringLiteral("group1000"))->title(),
              QStringLiteral("输出线圈"));
    EXPECT_EQ(Edit(dialog, 1002)->text(), QStringLiteral("Y0.1"));
}

TEST_F(DialogTest, ItemSetAddressTakesSixCapitalsAndRefusesTextWithoutGbk) {
    ItemSetDlg dialog(ui);
    dialog.Load({0x0300, ""});
    Show(dialog);
    FieldEdit* address = Edit(dialog, 1002);
    Type(address, QStringLiteral("x000.1abc"));
    EXPECT_EQ(address->text(), QStringLiteral("X000.1"));
    EXPECT_TRUE(ui.calls.empty());

    address->selectAll();
    Insert(address, QStringLiteral("😀"));
    EXPECT_EQ(address->text(), QStringLiteral("X000.1"));
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].rfind("MessageBox: ", 0), 0u);

    ASSERT_TRUE(PressOk(dialog));
    ItemSetData data;
    dialog.Store(data);
    EXPECT_EQ(data.address, "X000.1");
}

TEST_F(DialogTest, FuncListsTheInstructionsSortedAndReturnsTheKindOfTheName) {
    FuncDlg dialog(ui);
    dialog.Load({});
    Show(dialog);
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("list1007"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 37);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("ADD"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("ANDF"));
    EXPECT_EQ(list->item(36)->text(), QStringLiteral("XMOV"));

    FieldEdit* name = Edit(dialog, 1008);
    Type(name, QStringLiteral("movx"));
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"MessageBox: 功能指令输入错误!"}));

    Type(name, QStringLiteral("end1"));
    ASSERT_TRUE(PressOk(dialog));
    FuncData data;
    dialog.Store(data);
    EXPECT_EQ(data.resultCode, 0x7100);
    EXPECT_EQ(data.name, "END1");
}

TEST_F(DialogTest, FuncTakesTheNameChosenInTheList) {
    struct Case {
        const char* name;
        std::uint16_t code;
    };
    for (const Case c : {Case{"XMOV", 0x2200}, Case{"CTR", 0x1000}, Case{"AXCTL", 0x4600},
                         Case{"END2", 0x7200}, Case{"ADD", 0x2000}}) {
        FuncDlg dialog(ui);
        dialog.Load({});
        Show(dialog);
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("list1007"));
        const auto found = list->findItems(QString::fromLatin1(c.name), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        list->setCurrentItem(found.first());
        EXPECT_EQ(Edit(dialog, 1008)->text(), QString::fromLatin1(c.name));
        ASSERT_TRUE(PressOk(dialog));
        FuncData data;
        dialog.Store(data);
        EXPECT_EQ(data.resultCode, c.code) << c.name;
    }
}

TEST_F(DialogTest, GotoLineAcceptsRowsOneToNineThousandNineHundredNinetyNine) {
    struct Case {
        const char* typed;
        const char* message; // nullptr: accepted
    };
    const Case cases[] = {
        {"0", "“请填入一个在1和9999之间的整数。”"},
        {"10000", "“请填入一个在1和9999之间的整数。”"},
        {"-3", "“请填入一个在1和9999之间的整数。”"},
        {"abc", "请键入一个整数。"},
        {"", "请键入一个整数。"},
        {"1", nullptr},
        {"9999", nullptr},
    };
    for (const Case& c : cases) {
        ui.calls.clear();
        GotoLineDlg dialog(ui);
        dialog.Load({0});
        EXPECT_EQ(Edit(dialog, 1035)->text(), QStringLiteral("0"));
        Show(dialog);
        Type(Edit(dialog, 1035), QString::fromUtf8(c.typed));
        Edit(dialog, 1035)->clearFocus();
        const bool accepted = PressOk(dialog);
        EXPECT_EQ(accepted, c.message == nullptr) << c.typed;
        if (c.message) {
            EXPECT_EQ(ui.calls,
                      (std::vector<std::string>{std::string("MessageBox: ") + c.message}));
            EXPECT_TRUE(Edit(dialog, 1035)->hasFocus()) << c.typed;
        } else {
            GotoLineData data;
            dialog.Store(data);
            EXPECT_EQ(data.row, std::atoi(c.typed));
        }
    }
}

TEST_F(DialogTest, InsertLineRefusesCountsOutsideOneToAThousand) {
    struct Case {
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"0", "“请填入一个在1和1000之间的整数。”"},
        {"1001", "“请填入一个在1和1000之间的整数。”"},
        {"-1", "“请填入一个正整数。”"},
        {"x", "“请填入一个正整数。”"},
        {"1000", nullptr},
    };
    for (const Case& c : cases) {
        ui.calls.clear();
        InsertLineDlg dialog(ui);
        dialog.Load({});
        EXPECT_EQ(Edit(dialog, 1015)->text(), QStringLiteral("1"));
        Show(dialog);
        Type(Edit(dialog, 1015), QString::fromUtf8(c.typed));
        EXPECT_EQ(PressOk(dialog), c.message == nullptr) << c.typed;
        if (c.message) {
            EXPECT_EQ(ui.calls,
                      (std::vector<std::string>{std::string("MessageBox: ") + c.message}));
        } else {
            InsertLineData data;
            dialog.Store(data);
            EXPECT_EQ(data.count, 1000u);
        }
    }
}

TEST_F(DialogTest, LadInfoFieldsHoldTheBytesTheirFileFieldsHold) {
    LadInfoDlg dialog(ui);
    dialog.Load({});
    Show(dialog);
    Type(Edit(dialog, 1017), QStringLiteral("V1.2.3.4.5.6.7.8.9"));
    EXPECT_EQ(Edit(dialog, 1017)->text(), QStringLiteral("V1.2.3.4.5.6.7."));
    // Eight Chinese characters are 16 bytes: the eighth does not fit in 15.
    Type(Edit(dialog, 1017), QStringLiteral("梯形图版本号一二"));
    EXPECT_EQ(Edit(dialog, 1017)->text(), QStringLiteral("梯形图版本号一"));
    Type(Edit(dialog, 1018), QString(50, QLatin1Char('m')));
    EXPECT_EQ(Edit(dialog, 1018)->text().size(), 40);
    Type(Edit(dialog, 1019), QStringLiteral("张三李四王五赵六钱七孙八"));
    EXPECT_EQ(Edit(dialog, 1019)->text(), QStringLiteral("张三李四王五赵六钱七"));
    // Typing in the middle of a full field keeps the text and drops what does not fit.
    Edit(dialog, 1019)->setCursorPosition(2);
    QTest::keyClick(Edit(dialog, 1019), Qt::Key_X);
    EXPECT_EQ(Edit(dialog, 1019)->text(), QStringLiteral("张三李四王五赵六钱七"));
    EXPECT_TRUE(ui.calls.empty());

    ASSERT_TRUE(PressOk(dialog));
    LadInfoData data;
    dialog.Store(data);
    EXPECT_EQ(data.version, Utf8ToGbk("梯形图版本号一"));
    EXPECT_EQ(data.machine, std::string(40, 'm'));
    EXPECT_EQ(data.modifier.size(), 20u);
}

TEST_F(DialogTest, LadInfoRefusesAnOverlongTextItWasGivenAndFocusesIt) {
    LadInfoDlg dialog(ui);
    dialog.Load({"short", std::string(41, 'm'), "me"});
    Show(dialog);
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"MessageBox: “请填入不多于40个的字符。”"}));
    EXPECT_TRUE(Edit(dialog, 1018)->hasFocus());
}

TEST_F(DialogTest, SelMulRowTakesAnyTwoIntegersAndNamesTheFirstBadOne) {
    SelMulRowDlg dialog(ui);
    dialog.Load({5, 5});
    Show(dialog);
    EXPECT_EQ(Edit(dialog, 1033)->text(), QStringLiteral("5"));
    Type(Edit(dialog, 1034), QStringLiteral("x"));
    EXPECT_EQ(Edit(dialog, 1034)->text(), QStringLiteral("X")) << "a capitals field";
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"MessageBox: 请键入一个整数。"}));
    EXPECT_TRUE(Edit(dialog, 1034)->hasFocus());

    Type(Edit(dialog, 1033), QStringLiteral("-7"));
    Type(Edit(dialog, 1034), QStringLiteral("12000"));
    ASSERT_TRUE(PressOk(dialog));
    SelMulRowData data;
    dialog.Store(data);
    EXPECT_EQ(data.startRow, -7);
    EXPECT_EQ(data.endRow, 12000);
}

TEST_F(DialogTest, NoteShowsTheAddressAndReturnsTheCommentInGbk) {
    NoteDlg dialog(ui);
    dialog.Load({"X000.0", Utf8ToGbk("急停")});
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("修改注释"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>(QStringLiteral("group1013"))->title(),
              QStringLiteral("X000.0"));
    EXPECT_EQ(Edit(dialog, 1014)->text(), QStringLiteral("急停"));
    Type(Edit(dialog, 1014), QStringLiteral("主轴 start"));
    ASSERT_TRUE(PressOk(dialog));
    NoteData data;
    dialog.Store(data);
    EXPECT_EQ(data.comment, Utf8ToGbk("主轴 start"));
}

} // namespace
} // namespace velmora::testing
