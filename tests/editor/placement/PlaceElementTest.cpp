#include "editor/EditorFixture.h"

namespace velmora::testing {
namespace {

constexpr std::string_view Accepted = "Checking...\r\nAccept!\r\n";

std::string Refused(int row, std::string_view code) {
    char line[64];
    std::snprintf(line, sizeof line, "梯图第%04d行  错误代号 ", row + 1);
    return "Checking...\r\n" + std::string(line) + std::string(code) + "\r\n";
}

constexpr std::string_view AddressError = "1011 地址数据未正确输入";

using PlaceElement = EditorFixture;

TEST_F(PlaceElement, ContactOperandIsStoredInItsNormalForm) {
    LoadEmpty(1);
    Place(0, 0, Element::OpenContact, "x1.2");
    EXPECT_EQ(Output(), Accepted);
    EXPECT_EQ(RowText(0), "X001.2 . . . . . . .");
    EXPECT_EQ(Cell(0, 0).number, 1);
    EXPECT_EQ(ui.calls.front(), "ItemSetDialog: 768 ");
}

TEST_F(PlaceElement, ContactOperandRefusals) {
    const struct {
        const char* typed;
        const char* stored; // nullptr: refused with 1011
    } cases[] = {{"X64.0", nullptr}, {"Y47.7", "Y047.7"}, {"Y48.0", nullptr},  {"R5.8", nullptr},
                 {"R5.", nullptr},   {"R.1", "R000.1"},   {"R511.7", "R511.7"}};
    for (const auto& c : cases) {
        Load({"/R001.1", ""});
        Place(0, 0, Element::ClosedContact, c.typed);
        if (c.stored) {
            EXPECT_EQ(Output(), Accepted) << c.typed;
            EXPECT_EQ(Text(0, 0), c.stored);
        } else {
            EXPECT_EQ(Output(), Refused(0, AddressError)) << c.typed;
            EXPECT_EQ(RowText(0), "/R001.1 . . . . . . .") << c.typed;
        }
    }
}

TEST_F(PlaceElement, CoilOutputChecks) {
    const struct {
        const char* typed;
        bool accepted;
        int recorded; // the error recorded before 1011
    } cases[] = {{"Y1.0", false, 1027},   {"Y1.1", true, 0},       {"X0.0", false, 1006},
                 {"F1.0", false, 1006},   {"K3.0", false, 1006},   {"K6.0", true, 0},
                 {"R255.1", false, 1006}, {"R510.0", false, 1006}, {"G63.7", false, 1006},
                 {"G63.6", true, 0},      {"A1.0", true, 0}};
    for (const auto& c : cases) {
        Load({"X000.0 ... (Y001.0)", "", "", "", "X000.1", ""});
        Place(1, 4, Element::Coil, c.typed);
        if (c.accepted) {
            EXPECT_EQ(Output(), Accepted) << c.typed;
            continue;
        }
        EXPECT_EQ(Output(), Refused(4, AddressError)) << c.typed;
        ASSERT_EQ(doc->compiler.errorCount, 2) << c.typed;
        EXPECT_EQ(doc->compiler.errors[0].code, c.recorded) << c.typed;
        EXPECT_EQ(Cell(7, 4).code, Element::Empty) << c.typed;
    }
}

TEST_F(PlaceElement, OnlyCoilsOfOtherRowsHoldAnAddress) {
    Load({"X000.0 ... (Y001.0)", "X000.1 ... .", ""});
    Cell(7, 1).SetOperand("Y001.1"); // text left behind by a deleted coil
    Place(3, 0, Element::Coil, "Y1.0");
    EXPECT_EQ(Output(), Accepted) << "re-confirming a coil's own address";
    Place(3, 1, Element::InvertedCoil, "Y1.1");
    EXPECT_EQ(Output(), Accepted);
    EXPECT_EQ(RowText(1), "X000.1 -- -- -- -- -- -- (/Y001.1)");
}

TEST_F(PlaceElement, ContactInTheCoilColumnTakesTheOutputCheck) {
    Load({"X000.0 ... .", ""});
    Place(7, 0, Element::OpenContact, "X0.1");
    EXPECT_EQ(Output(), Refused(0, "1006 网络中存在非法的输出"));
    Place(7, 0, Element::OpenContact, "R1.1");
    EXPECT_EQ(Output(), Accepted);
}

TEST_F(PlaceElement, CoilGoesToTheLastColumnOverLines) {
    Load({". X000.1 . /X000.2", ""});
    Place(2, 0, Element::Coil, "Y2.0");
    EXPECT_EQ(RowText(0), "-- X000.1 -- /X000.2 -- -- -- (Y002.0)");
    EXPECT_EQ(Selection().cursor, (GridPoint{7, 0}));
}

TEST_F(PlaceElement, LinesBeforeACoilStayWhenItsDialogIsCancelled) {
    Load({"X000.1", ""});
    Cursor(0, 0);
    TypeCancel();
    editor.PlaceElement(Element::Coil);
    EXPECT_EQ(RowText(0), "X000.1 -- -- -- -- -- -- .");
}

TEST_F(PlaceElement, LastRowGetsAnEmptyRowAfterItAlsoOnCancel) {
    LoadEmpty(1);
    Cursor(3, 0);
    TypeCancel();
    editor.PlaceElement(Element::OpenContact);
    EXPECT_EQ(Program().rowCount, 2);
    Cursor(3, 1);
    editor.PlaceElement(Element::Line);
    EXPECT_EQ(Program().rowCount, 3);
    EXPECT_EQ(RowText(1), ". . . -- . . . .");

    editor.Undo(); // the line
    editor.Undo(); // the row appended for it
    EXPECT_EQ(Program().rowCount, 2);
    EXPECT_EQ(RowText(1), ". . . . . . . .") << "the user's row stays";
}

TEST_F(PlaceElement, LinesAndDeletionMoveRightButNotPastTheCoilColumn) {
    Load({"X000.0 X000.1 . . . . . (Y000.0)", ""});
    Cursor(1, 0);
    editor.PlaceElement(LadderEditor::DeleteNode);
    EXPECT_EQ(Selection().cursor, (GridPoint{2, 0}));
    EXPECT_EQ(Cell(1, 0).code, Element::Empty);
    EXPECT_EQ(Text(1, 0), "X000.1") << "delete node leaves the operand text";
    editor.PlaceElement(Element::Line);
    EXPECT_EQ(Selection().cursor, (GridPoint{3, 0}));
    Cursor(7, 0);
    editor.PlaceElement(Element::Line);
    EXPECT_EQ(Selection().cursor, (GridPoint{7, 0}));
    EXPECT_EQ(Cell(7, 0).code, Element::Line);
}

TEST_F(PlaceElement, VerticalLinesSetAndClearTheFlag) {
    Load({"X000.0", "X000.1", ""});
    Cursor(0, 0);
    editor.PlaceElement(LadderEditor::VerticalLine);
    EXPECT_EQ(RowText(0), "X000.0+ . . . . . . .");
    EXPECT_EQ(Selection().cursor, (GridPoint{0, 1}));
    Cursor(0, 0);
    editor.PlaceElement(LadderEditor::DeleteVerticalLine);
    EXPECT_EQ(RowText(0), "X000.0 . . . . . . .");
}

TEST_F(PlaceElement, BoxRules) {
    const struct {
        int column;
        int row;
        int kind;
        bool allowed;
    } cases[] = {
        {3, 1, Element::OpenContact, false}, // a TMR's second row takes nothing
        {0, 1, Element::Line, false},
        {0, 1, LadderEditor::DeleteNode, false},
        {7, 1, Element::Coil, false},
        {0, 0, Element::Coil, false}, // left of the box
        {3, 0, Element::Coil, true},  // right of a box with an output
        {3, 0, Element::OpenContact, false},
        {3, 0, Element::Line, true},
        {0, 0, Element::OpenContact, true},
        {0, 0, LadderEditor::VerticalLine, true},
        {1, 2, Element::ClosedContact, false}, // SP takes no condition
        {1, 2, LadderEditor::DeleteNode, false},
        {1, 2, Element::Line, true},
        {7, 2, Element::Coil, false},        // SP drives nothing
        {2, 0, Element::OpenContact, false}, // a contact never covers a box parameter
        {2, 0, Element::Line, false},
        {6, 4, LadderEditor::VerticalLine, false}, // CTR has four input rows
    };
    for (const auto& c : cases) {
        Load({". [TMR 0001] # . -- -- --", ". # #", ". . [SP 0002] # -- -- -- --",
              "X000.0 [CTR 0001] # -- -- -- (Y000.1)", ". # # . . . .", ". # #", ". # #", ""});
        const std::vector<std::string> before = Rows();
        Cursor(c.column, c.row);
        Type("R010.0");
        editor.PlaceElement(c.kind);
        const bool changed = Rows() != before;
        EXPECT_EQ(changed, c.allowed) << c.column << "," << c.row << " kind " << c.kind;
    }
}

TEST_F(PlaceElement, DeleteNodeOnAnInputRowDeletesTheWholeBox) {
    Load({"X000.0 [TMR 0003] # -- -- -- (Y000.0)", ". # #", "X000.1 ... (Y000.1)", ""});
    Cursor(0, 0);
    editor.PlaceElement(LadderEditor::DeleteNode);
    ASSERT_EQ(Program().rowCount, 2);
    EXPECT_EQ(RowText(0), "X000.1 -- -- -- -- -- -- (Y000.1)");
    EXPECT_FALSE(doc->compiler.tmrUsed[3]);
    EXPECT_FALSE(editor.HasCursor());
}

TEST_F(PlaceElement, NoCursorMeansNothingHappens) {
    Load({"X000.0", ""});
    for (GridPoint cursor :
         {GridPoint{-1, -1}, GridPoint{8, 0}, GridPoint{0, 2}, GridPoint{0, -1}}) {
        Selection().anchor = Selection().cursor = cursor;
        editor.PlaceElement(Element::OpenContact);
        editor.PlaceElement(LadderEditor::DeleteNode);
    }
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(Program().rowCount, 2);
}

} // namespace
} // namespace velmora::testing
