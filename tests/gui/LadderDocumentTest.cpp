#include "shell/LadderDocument.h"
#include "document/CVelmoraDoc.h"
#include "document/LadderFile.h"
#include "gui/GuiTest.h"
#include "platform/Gbk.h"
#include "platform/Profile.h"
#include "shell/CChildFrame.h"
#include "shell/CMainFrame.h"
#include "shell/CVelmoraApp.h"
#include "shell/CommandTable.h"
#include "shell/PaneEdit.h"
#include "support/FakeUi.h"
#include "support/LadderPicture.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTest>

namespace velmora::testing {
namespace {

constexpr const char* NoEnds = "梯图第0001行  错误代号 1005 功能指令END1或END2未正确使用";

// The real application with ladder documents, driven through a scripted Ui.
class LadderDocumentTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        velmora = std::make_unique<CVelmoraApp>(ui, profile);
        velmora->SetChannelName(
            QStringLiteral("velmora-doc-test-%1").arg(QCoreApplication::applicationPid()));
        velmora->SetDocumentFactory(LadderDocumentFactory(*velmora, ui));
        ASSERT_TRUE(velmora->InitInstance({}));
        frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    }
    void TearDown() override { velmora.reset(); }

    CMainFrame& frame() { return *velmora->MainFrame(); }
    CVelmoraDoc& Active() {
        return static_cast<LadderDocument&>(frame().ActiveChild()->Document()).Ladder();
    }
    const std::string& Output() { return frame().Panes().Output().text; }

    // A ladder file in the test's folder.
    QString LadderFile(const char* name, std::unique_ptr<LadderProgram> ladder) {
        LadderInfo info;
        OutputPanes scratch;
        PutFile(folder.File(name), WriteLadder(*ladder, info, scratch));
        return QString::fromStdString(folder.File(name));
    }

    static std::unique_ptr<LadderProgram> Convertible() {
        return Ladder({"X000.0 /X000.1 ... (Y000.0)", ". . . . [END1] ...", ". . . . [END2] ..."});
    }

    TempFolder folder;
    FakeUi ui;
    MemoryProfile profile;
    std::unique_ptr<CVelmoraApp> velmora;
};

TEST_F(LadderDocumentTest, ANewLadderOpensMaximizedUnderMenu129) {
    QTest::keyClick(&frame(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(frame().ActiveChild(), nullptr);
    EXPECT_TRUE(frame().ShowsDocumentMenu());
    EXPECT_TRUE(frame().ActiveChild()->isMaximized());
    EXPECT_EQ(frame().ActiveChild()->windowTitle(), QStringLiteral("PLCLad1"));
    EXPECT_EQ(Active().program.rowCount, 1);
    for (int id : {Cmd::SaveBinaryFile, Cmd::SaveLadderFile, Cmd::EditLadderInfo,
                   Cmd::SaveInstructionList, Cmd::OldLadderFile, Cmd::ExportComments,
                   Cmd::ImportComments, Cmd::FileSave, Cmd::FileSaveAs, Cmd::FileClose}) {
        EXPECT_TRUE(frame().Action(id)->isEnabled()) << id;
    }
}

TEST_F(LadderDocumentTest, F7OnANewLadderReportsTheMissingEnds) {
    velmora->NewDocument();
    QTest::keyClick(&frame(), Qt::Key_F7);
    EXPECT_EQ(Output(), std::string("Converting...\r\n") + NoEnds + "\r\n");
    EXPECT_EQ(frame().OutputEdit()->toPlainText(),
              QStringLiteral("Converting...\n") + QString::fromUtf8(NoEnds) + QStringLiteral("\n"));
    EXPECT_EQ(Active().converted, 0);
    EXPECT_FALSE(frame().Panes().InstructionList().visible);
}

TEST_F(LadderDocumentTest, AFailedConversionKeepsTheEarlierListing) {
    ASSERT_TRUE(velmora->OpenDocumentFile(LadderFile("ok.plf", Convertible())));
    QTest::keyClick(&frame(), Qt::Key_F7);
    EXPECT_EQ(Output(), "Converting...\r\nConvert succeed!\r\n");
    EXPECT_EQ(Active().converted, 1);
    ASSERT_TRUE(frame().Panes().InstructionList().visible);
    const QString listing = frame().InstructionEdit()->toPlainText();
    EXPECT_TRUE(listing.startsWith(QStringLiteral("RD        X000.0"))) << listing.toStdString();

    Active().program.DeleteRows(2, 1);
    QTest::keyClick(&frame(), Qt::Key_F7);
    EXPECT_EQ(Output(),
              "Converting...\r\n梯图第0002行  错误代号 1005 功能指令END1或END2未正确使用\r\n");
    EXPECT_EQ(Active().converted, 0);
    EXPECT_EQ(frame().InstructionEdit()->toPlainText(), listing);
}

TEST_F(LadderDocumentTest, OpeningTheSameFileTwiceActivatesIt) {
    const QString a = LadderFile("a.plf", Convertible());
    const QString b = LadderFile("b.plf", Convertible());
    ShellDocument* first = velmora->OpenDocumentFile(a);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(velmora->OpenDocumentFile(b), nullptr);
    EXPECT_EQ(velmora->OpenDocumentFile(a), first);
    EXPECT_EQ(frame().Documents().size(), 2u);
    EXPECT_EQ(&frame().ActiveChild()->Document(), first);
    EXPECT_TRUE(frame().ActiveChild()->isMaximized());
}

TEST_F(LadderDocumentTest, ASavedLadderOpensAgainAsItWas) {
    velmora->NewDocument();
    Active().program = *Convertible();
    Active().program.SetComment(0, "start");
    Active().SetModifiedFlag();
    ui.fileAnswers.push_back(folder.File("round.plf"));
    ui.ladInfo.Add(LadInfoData{"V1", "lathe", "lee"});
    QTest::keyClick(&frame(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(frame().ActiveChild()->windowTitle(), QStringLiteral("round.plf"));
    EXPECT_FALSE(Active().IsModified());
    const std::unique_ptr<LadderProgram> saved = std::make_unique<LadderProgram>(Active().program);

    frame().RunCommand(Cmd::FileClose);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(frame().Documents().empty());
    EXPECT_EQ(Output(), "") << "closing empties the panes";

    ASSERT_TRUE(velmora->OpenDocumentFile(QString::fromStdString(folder.File("round.plf"))));
    const CVelmoraDoc& again = Active();
    ASSERT_EQ(again.program.rowCount, saved->rowCount);
    for (int r = 0; r < saved->rowCount; ++r) {
        EXPECT_EQ(again.program.Row(r), saved->Row(r)) << r;
    }
    EXPECT_EQ(again.program.CommentText(0), "start");
    EXPECT_EQ(again.program.lastStep, saved->lastStep);
    EXPECT_EQ(FieldText(again.info.machine.data(), again.info.machine.size()), "lathe");
    EXPECT_EQ(velmora->RecentFiles().Entries().front(), folder.File("round.plf"));
}

TEST_F(LadderDocumentTest, ALadderThatFailedToLoadIsSavedOnlyUnderANewName) {
    PutFile(folder.File("bad.plf"), std::string("\x28\x0A", 2) + std::string(200, '\0'));
    ASSERT_TRUE(velmora->OpenDocumentFile(QString::fromStdString(folder.File("bad.plf"))));
    EXPECT_EQ(ui.calls.back(), "MessageBox: 无法打开梯形图文件!");
    EXPECT_EQ(frame().ActiveChild()->windowTitle(), QStringLiteral("bad.plf"));
    EXPECT_EQ(Active().program.rowCount, 0);

    QTest::keyClick(&frame(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(ui.fileRequests.size(), 1u) << "Save asks for a name";
    EXPECT_EQ(FileBytes(folder.File("bad.plf"))->size(), 202u);
}

TEST_F(LadderDocumentTest, DocumentCommandsReachTheLadder) {
    velmora->NewDocument();
    frame().RunCommand(Cmd::SaveBinaryFile);
    EXPECT_EQ(ui.calls.back(), "MessageBox: 梯形图未转换!");
    ui.ladInfo.Add(LadInfoData{"V7", "", ""});
    frame().RunCommand(Cmd::EditLadderInfo);
    EXPECT_EQ(FieldText(Active().info.version.data(), Active().info.version.size()), "V7");
    ui.fileAnswers.push_back(folder.File("c.txt"));
    frame().RunCommand(Cmd::ExportComments);
    EXPECT_EQ(FileBytes(folder.File("c.txt")), "%\r\nend\r\n");
    EXPECT_TRUE(ui.fileRequests.back().save);
}

TEST_F(LadderDocumentTest, ExitAsksForEachModifiedLadder) {
    velmora->NewDocument();
    Active().SetModifiedFlag();
    ui.Script(Ui::Answer::Cancel);
    EXPECT_FALSE(frame().close());
    EXPECT_EQ(ui.calls.back(), "Ask: 将改动保存到 PLCLad1？");
    ui.Script(Ui::Answer::No);
    EXPECT_TRUE(frame().close());
}

} // namespace
} // namespace velmora::testing
