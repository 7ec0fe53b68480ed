#include "gui/FakeDocument.h"
#include "gui/GuiTest.h"
#include "shell/CMainFrame.h"
#include "shell/CVelmoraApp.h"
#include "shell/ShellDocument.h"
#include "shell/dialogs/AboutDlg.h"
#include "shell/dialogs/FuncDlg.h"
#include "shell/dialogs/GotoLineDlg.h"
#include "shell/dialogs/InsertLineDlg.h"
#include "shell/dialogs/ItemSetDlg.h"
#include "shell/dialogs/LadInfoDlg.h"
#include "shell/dialogs/NoteDlg.h"
#include "shell/dialogs/SelMulRowDlg.h"
#include "support/FakeUi.h"

#include <QLabel>
#include <QTest>

namespace velmora::testing {
namespace {

class SampleDocument : public FakeDocument {
public:
    using FakeDocument::FakeDocument;
    QWidget* CreateView() override {
        auto* view = new QLabel;
        view->setStyleSheet(QStringLiteral("background: white"));
        return view;
    }
};

// Writes pictures of the main frame when VELMORA_SCREENSHOT_DIR names a folder, for looking at
// the layout by eye; otherwise it does nothing.
TEST_F(GuiTest, ScreenshotsOfTheMainFrame) {
    const QString dir = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (dir.isEmpty()) {
        GTEST_SKIP();
    }
    FakeUi ui;
    MemoryProfile profile;
    profile.SetString("Recent File List", "File1", "/home/user/ladders/main.plf");
    CVelmoraApp velmora(ui, profile);
    velmora.SetChannelName(QStringLiteral("velmora-shot"));
    ASSERT_TRUE(velmora.InitInstance({}));
    CMainFrame& frame = *velmora.MainFrame();
    frame.resize(1100, 700);
    frame.showNormal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.Panes().AppendOutputLine("Converting...");
    frame.Panes().AppendOutputLine("Convert succeed!");
    QTest::qWait(100);
    frame.grab().save(dir + QStringLiteral("/frame-empty.png"));

    velmora.SetDocumentFactory(
        [&ui](const QString*) { return std::make_unique<SampleDocument>(ui); });
    velmora.NewDocument();
    frame.Panes().ShowInstructionList(
        {"RD        X000.0     1", "WRT       Y000.0     1", "END1                 2"});
    QTest::qWait(100);
    frame.grab().save(dir + QStringLiteral("/frame-document.png"));

    const auto shoot = [&dir](QDialog& dialog, const char* name) {
        dialog.show();
        QTest::qWait(50);
        dialog.grab().save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
        dialog.close();
    };
    AboutDlg about;
    shoot(about, "about");
    ItemSetDlg item(ui);
    item.Load({0x0500, "Y1.0"});
    shoot(item, "itemset");
    FuncDlg func(ui);
    func.Load({});
    shoot(func, "func");
    NoteDlg note(ui);
    note.Load({"X000.0", ""});
    shoot(note, "note");
    InsertLineDlg insert(ui);
    insert.Load({});
    shoot(insert, "insertline");
    LadInfoDlg info(ui);
    info.Load({"V1.0", "XK714", ""});
    shoot(info, "ladinfo");
    SelMulRowDlg rows(ui);
    rows.Load({3, 3});
    shoot(rows, "selmulrow");
    GotoLineDlg line(ui);
    line.Load({12});
    shoot(line, "gotoline");
}

} // namespace
} // namespace velmora::testing
