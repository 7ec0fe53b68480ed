#pragma once

#include "gui/GuiTest.h"

#include "document/CVelmoraDoc.h"
#include "platform/Profile.h"
#include "shell/CMainFrame.h"
#include "shell/CVelmoraApp.h"
#include "shell/LadderDocument.h"
#include "shell/view/CVelmoraView.h"
#include "support/FakeUi.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <memory>

namespace velmora::testing {

// The real application with one new ladder in its window, the view focused; dialogs answer
// from the scripted Ui.
class LadderWindowTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        velmora = std::make_unique<CVelmoraApp>(ui, profile);
        velmora->SetChannelName(
            QStringLiteral("velmora-window-test-%1").arg(QCoreApplication::applicationPid()));
        ASSERT_TRUE(velmora->InitInstance({}));
        velmora->SetDocumentFactory([this](const QString*) {
            auto document = std::make_unique<LadderDocument>(Frame().Panes(), ui);
            document->Ladder().OnNewDocument();
            made = document.get();
            return document;
        });
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
        ASSERT_TRUE(velmora->NewDocument());
        view = qobject_cast<CVelmoraView*>(Frame().MdiArea()->activeSubWindow()->widget());
        ASSERT_NE(view, nullptr);
        view->setFocus();
    }
    void TearDown() override { velmora.reset(); }

    CMainFrame& Frame() { return *velmora->MainFrame(); }
    CVelmoraDoc& Doc() { return made->Ladder(); }

    FakeUi ui;
    MemoryProfile profile;
    std::unique_ptr<CVelmoraApp> velmora;
    LadderDocument* made = nullptr;
    CVelmoraView* view = nullptr;
};

} // namespace velmora::testing
