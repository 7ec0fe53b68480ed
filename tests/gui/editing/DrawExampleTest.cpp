// Draws the example ladder of examples/ in the editor, by keyboard and the element and function
// commands, and checks that it compiles to the same code as the shipped file.

#include "document/CVelmoraDoc.h"
#include "document/LadderFile.h"
#include "editor/UnDoList.h"
#include "gui/editing/LadderWindowTest.h"
#include "model/ElementCatalogue.h"
#include "platform/AtomicFile.h"
#include "platform/Profile.h"
#include "shell/CMainFrame.h"
#include "shell/CVelmoraApp.h"
#include "shell/CommandTable.h"
#include "shell/LadderDocument.h"
#include "shell/ShellDocument.h"
#include "shell/view/CVelmoraView.h"
#include "shell/view/ViewEditing.h"
#include "support/FakeUi.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <filesystem>
#include <string>

namespace velmora::testing {
namespace {

const std::filesystem::path ExampleFile =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().parent_path() /
    "examples" / "spindle.plf";

class DrawExample : public LadderWindowTest {
protected:
    void Key(Qt::Key key) { QTest::keyClick(view, key); }
    void Command(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(&Frame(), key, modifiers);
    }
    // Go to line (Ctrl+I) reaches every row but the last; Down steps onto that.
    void Goto(int column, int row) {
        GotoLineData line;
        line.row = row + 1;
        ui.gotoLine.Add(line);
        Command(Qt::Key_I);
        for (int down = row - Doc().selection.cursor.row; down > 0; --down) {
            Key(Qt::Key_Down);
        }
        for (int c = 0; c < column; ++c) {
            Key(Qt::Key_Right);
        }
    }
    void Typed(const std::string& text) {
        ItemSetData answer;
        answer.address = text;
        ui.itemSet.Add(answer);
    }
    void Contact(const std::string& address) {
        Typed(address);
        Command(Qt::Key_Q);
    }
    void ClosedContact(const std::string& address) {
        Typed(address);
        Command(Qt::Key_W);
    }
    void Coil(const std::string& address, bool inverted = false) {
        Typed(address);
        Command(inverted ? Qt::Key_R : Qt::Key_E);
    }
    void Enter(const std::string& text) {
        Typed(text);
        Key(Qt::Key_Return);
    }
    void Function(int code) {
        FuncData answer;
        answer.resultCode = static_cast<std::uint16_t>(code);
        ui.func.Add(answer);
        Command(Qt::Key_A);
    }
};

std::string Code(CVelmoraDoc& document) {
    document.compiler.errorCount = 0;
    document.compiler.Convert();
    EXPECT_EQ(document.compiler.errorCount, 0) << document.compiler.ReportLine();
    std::string code;
    document.compiler.WriteBinaryCode(code);
    return code;
}

TEST_F(DrawExample, SameCodeAsTheShippedFile) {
    Goto(0, 0);
    Contact("X0.0");
    Key(Qt::Key_Right);
    ClosedContact("X0.2");
    Key(Qt::Key_Right);
    Contact("X0.3");
    Coil("Y0.0");
    Goto(0, 0);
    Command(Qt::Key_D);
    Contact("Y0.0");

    Goto(0, 2);
    Contact("X0.4");
    Key(Qt::Key_Right);
    ClosedContact("Y0.0");
    Key(Qt::Key_Right);
    ClosedContact("X0.2");
    Coil("Y0.1");

    Goto(0, 3);
    Contact("X1.0");
    Key(Qt::Key_Right);
    Contact("X1.1");
    Key(Qt::Key_Right);
    ClosedContact("R10.1");
    Coil("R10.0");
    Goto(0, 3);
    Command(Qt::Key_D);
    Contact("X1.2");
    Goto(1, 3);
    Command(Qt::Key_D);
    Contact("X1.3");

    Goto(0, 5);
    Function(0x1900);
    Goto(0, 5);
    Contact("R10.0");
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Enter("1");
    Key(Qt::Key_End);
    Coil("R10.1");

    Goto(0, 7);
    Function(0x1000);
    const char* counts[] = {"X2.0", "X2.1", "X2.2", "X2.3"};
    for (int i = 0; i < 4; ++i) {
        Goto(0, 7 + i);
        Contact(counts[i]);
    }
    Goto(2, 7);
    Enter("1");
    Key(Qt::Key_End);
    Coil("R11.0");

    Goto(0, 11);
    Function(0x2600);
    Goto(0, 11);
    Contact("X3.0");
    Goto(0, 12);
    Contact("X3.1");
    Goto(2, 11);
    Enter("1");
    Key(Qt::Key_Right);
    Enter("16"); // makes the table, which leaves no cursor
    Goto(4, 11);
    Enter("R20");
    Key(Qt::Key_Right);
    Enter("R22");
    Key(Qt::Key_End);
    Coil("R12.0");
    for (int i = 0; i < 16; ++i) {
        Goto(i % 8, 13 + i / 8);
        Enter(std::to_string(10 * (i + 1)));
    }

    Goto(0, 15);
    Function(0x7100);
    Goto(0, 16);
    Contact("X4.0");
    Key(Qt::Key_Right);
    ClosedContact("X4.1");
    Coil("Y1.0");
    Goto(0, 17);
    Contact("R12.0");
    Coil("Y1.1", true);
    Goto(0, 17);
    Command(Qt::Key_D);
    Contact("X4.2");
    Goto(0, 19);
    Function(0x7200);

    ASSERT_EQ(Doc().program.rowCount, 21);
    EXPECT_EQ(Doc().program.Row(13)[7].OperandText(), "00080");
    EXPECT_EQ(Doc().program.Row(17)[7].code, Element::InvertedCoil);

    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(ExampleFile.string(), bytes)) << ExampleFile;
    OutputPanes panes;
    CVelmoraDoc shipped(panes, ui);
    ASSERT_TRUE(ReadLadder(bytes, ExampleFile.filename().string(), shipped.program,
                           shipped.oldProgram, shipped.info, *shipped.symbolComments,
                           shipped.compiler, panes, ui));
    EXPECT_EQ(Code(Doc()), Code(shipped));
    EXPECT_EQ(Doc().compiler.lines, shipped.compiler.lines);
}

} // namespace
} // namespace velmora::testing
