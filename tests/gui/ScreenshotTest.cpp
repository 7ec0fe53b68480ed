#include "gui/GuiTest.h"
#include "shell/CMainFrame.h"
#include "shell/CVelmoraApp.h"
#include "shell/ShellDocument.h"
#include "support/FakeUi.h"

#include <QLabel>
#include <QTest>

namespace velmora::testing {
namespace {

class SampleDocument : public ShellDocument {
public:
    bool IsModified() const override { return false; }
    bool SaveToFile(const QString&) override { return true; }
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

    velmora.SetDocumentFactory([](const QString*) { return std::make_unique<SampleDocument>(); });
    velmora.NewDocument();
    frame.Panes().ShowInstructionList(
        {"RD        X000.0     1", "WRT       Y000.0     1", "END1                 2"});
    QTest::qWait(100);
    frame.grab().save(dir + QStringLiteral("/frame-document.png"));
}

} // namespace
} // namespace velmora::testing
