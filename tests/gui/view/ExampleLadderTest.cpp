#include "gui/view/ViewFixture.h"

#include "document/LadderFile.h"
#include "document/SymbolComments.h"
#include "platform/AtomicFile.h"
#include "platform/Gbk.h"
#include "platform/Profile.h"
#include "shell/CMainFrame.h"
#include "shell/CVelmoraApp.h"
#include "shell/LadderDocument.h"
#include "shell/ShellDocument.h"

#include <QTest>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace velmora::testing {
namespace {

const std::filesystem::path SourceRoot =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().parent_path();
const std::filesystem::path ExampleFile = SourceRoot / "examples" / "spindle.plf";

// The example ladder of examples/: a spindle start with self-holding, a parallel block, a timer,
// a counter, a code conversion with its table and both program levels.
void FillExample(CVelmoraDoc& document) {
    document.program = *Ladder({
        "X000.0+ /X000.2 X000.3 ... (Y000.0)",
        "Y000.0",
        "X000.4 /Y000.0 /X000.2 ... (Y000.1)",
        "X001.0+ X001.1+ /R010.1 ... (R010.0)",
        "X001.2 X001.3",
        "R010.0 [TMR 0001] # ... (R010.1)",
        ". # #",
        "X002.0 [CTR 0001] # ... (R011.0)",
        "X002.1 # #",
        "X002.2 # #",
        "X002.3 # #",
        "X003.0 [COD 0001 0016 R020 R022] # # # # ... (R012.0)",
        "X003.1 # # # # #",
        "CODT 00010 00020 00030 00040 00050 00060 00070 00080",
        "CODT 00090 00100 00110 00120 00130 00140 00150 00160",
        "-- -- -- -- [END1] ...",
        "X004.0 /X004.1 ... (Y001.0)",
        "R012.0+ ... (/Y001.1)",
        "X004.2",
        "-- -- -- -- [END2] ...",
        "",
    });
    const std::pair<int, const char*> comments[] = {
        {0, "主轴正转 自保持"}, {2, "主轴反转"},  {3, "并联块"},      {5, "延时 T1"},
        {7, "计数 C1"},         {11, "代码转换"}, {14, "转换表"},     {15, "第一级结束"},
        {16, "冷却泵"},         {17, "报警灯"},   {19, "第二级结束"},
    };
    for (const auto& [row, text] : comments) {
        document.program.SetComment(row, Utf8ToGbk(text));
    }
    SetField(document.info.version.data(), document.info.version.size(), "V1.0");
    SetField(document.info.machine.data(), document.info.machine.size(), "Example lathe");
}

class ExampleLadder : public ViewTest {};

TEST_F(ExampleLadder, Converts) {
    FillExample(*document);
    document->compiler.errorCount = 0;
    document->compiler.Convert();
    EXPECT_EQ(document->compiler.errorCount, 0) << document->compiler.ReportLine();
    EXPECT_EQ(document->program.end1Row, 16);
}

TEST_F(ExampleLadder, TheShippedFileHoldsTheExampleAndConverts) {
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(ExampleFile.string(), bytes)) << ExampleFile;
    ASSERT_TRUE(ReadLadder(bytes, ExampleFile.filename().string(), document->program,
                           document->oldProgram, document->info, *document->symbolComments,
                           document->compiler, panes, ui));
    CVelmoraDoc expected(panes, ui);
    FillExample(expected);
    ASSERT_EQ(document->program.rowCount, expected.program.rowCount);
    for (int r = 0; r < expected.program.rowCount; ++r) {
        EXPECT_EQ(document->program.Row(r), expected.program.Row(r)) << r;
        EXPECT_EQ(document->program.CommentText(r), expected.program.CommentText(r)) << r;
    }
    document->compiler.errorCount = 0;
    document->compiler.Convert();
    EXPECT_EQ(document->compiler.errorCount, 0) << document->compiler.ReportLine();
}

// With VELMORA_EXAMPLE_OUT naming the source tree, writes examples/spindle.plf and the picture
// docs/view-example.png of the editor showing it; otherwise it does nothing.
TEST_F(ExampleLadder, WriteTheExampleAndItsPicture) {
    const QString root = qEnvironmentVariable("VELMORA_EXAMPLE_OUT");
    if (root.isEmpty()) {
        GTEST_SKIP();
    }
    FillExample(*document);
    const std::time_t when = 1700000000;
    std::string bytes = WriteLadder(document->program, document->info, panes, when);
    bytes += WriteRowCommentRecords(document->program, panes);
    const std::filesystem::path out = std::filesystem::path(root.toStdString());
    std::filesystem::create_directories(out / "examples");
    ASSERT_TRUE(WriteFileAtomically((out / "examples" / "spindle.plf").string(), bytes));

    MemoryProfile profile;
    CVelmoraApp velmora(ui, profile);
    velmora.SetChannelName(QStringLiteral("velmora-example"));
    ASSERT_TRUE(velmora.InitInstance({}));
    CMainFrame& frame = *velmora.MainFrame();
    OutputPanes& framePanes = frame.Panes();
    velmora.SetDocumentFactory([&framePanes, this](const QString*) {
        auto example = std::make_unique<LadderDocument>(framePanes, ui);
        FillExample(example->Ladder());
        SymbolComment(*example->Ladder().symbolComments, "X000.0") = Utf8ToGbk("主轴正转按钮");
        return example;
    });
    frame.resize(1100, 1180);
    frame.showNormal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    velmora.NewDocument();
    QTest::qWait(100);
    auto* view = frame.findChild<CVelmoraView*>();
    ASSERT_NE(view, nullptr);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->LogicalToDevice(CellArea(0, 0)).center());
    QTest::qWait(100);
    std::filesystem::create_directories(out / "docs");
    frame.grab().save(QString::fromStdString((out / "docs" / "view-example.png").string()));
}

} // namespace
} // namespace velmora::testing
