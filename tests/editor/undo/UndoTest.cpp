#include "editor/EditorFixture.h"

namespace velmora::testing {
namespace {

using Undo = EditorFixture;

TEST_F(Undo, FiftyNewestStepsOfFiftyOne) {
    LoadEmpty(10);
    for (int i = 0; i < 51; ++i) {
        Cursor(i % 7, i / 7);
        editor.PlaceElement(Element::Line);
    }
    EXPECT_EQ(undo.Available(), UnDoList::Capacity);
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(editor.CanUndo());
        editor.Undo();
        const int step = 50 - i;
        EXPECT_EQ(Selection().anchor, (GridPoint{step % 7, step / 7})) << "newest first";
    }
    EXPECT_FALSE(editor.CanUndo());
    editor.Undo();
    EXPECT_EQ(Cell(0, 0).code, Element::Line) << "the oldest step was overwritten";
    for (int i = 1; i < 51; ++i) {
        EXPECT_EQ(Cell(i % 7, i / 7).code, Element::Empty) << i;
    }
}

TEST_F(Undo, OperandEditComesBackWithTheCursorOnIt) {
    Load({"X000.0 X000.1", ""});
    Place(1, 0, Element::OpenContact, "X2.2");
    EXPECT_EQ(Text(1, 0), "X002.2");
    Cursor(5, 1);
    editor.Undo();
    EXPECT_EQ(Text(1, 0), "X000.1");
    EXPECT_EQ(Selection().cursor, (GridPoint{1, 0}));
    EXPECT_EQ(Selection().anchor, (GridPoint{1, 0}));
}

TEST_F(Undo, RefusedOperandLeavesNoStep) {
    Load({"X000.0", ""});
    Place(1, 0, Element::OpenContact, "X99.0");
    EXPECT_EQ(undo.Available(), 0);
    EXPECT_EQ(Cell(1, 0).code, Element::Empty);
}

TEST_F(Undo, StepsThatNoLongerFitTheLadderAreDropped) {
    LoadEmpty(6);
    Place(2, 4, Element::Line);
    undo.RecordInsertedRows(0, 3, 5);
    Program().DeleteRows(1, 3); // rows gone without a step, as a data table may be
    const std::vector<std::string> before = Rows();
    editor.Undo();
    editor.Undo();
    EXPECT_EQ(Rows(), before);
    EXPECT_FALSE(editor.CanUndo());
}

TEST_F(Undo, NumbersFollowTheLadderAfterUndo) {
    Load({"X000.0 [CTR 0005] # ... (Y000.0)", ". # #", ". # #", ". # #",
          "X000.1 [CTR 0005] # ... (Y000.1)", ". # #", ". # #", ". # #", ""});
    LadderCompiler& compiler = doc->compiler;
    EXPECT_TRUE(compiler.ctrUsed[5]);
    Cursor(0, 4);
    editor.PlaceElement(LadderEditor::DeleteNode);
    EXPECT_TRUE(compiler.ctrUsed[5]) << "the other box still counts with 5";
    editor.Undo();
    Cursor(2, 0);
    Type("7");
    editor.EditCursorCell();
    EXPECT_TRUE(compiler.ctrUsed[7]);
    editor.Undo();
    EXPECT_FALSE(compiler.ctrUsed[7]);
    EXPECT_TRUE(compiler.ctrUsed[5]);
}

TEST_F(Undo, ShowsRowsPutBackAndStaysInsideTheLadder) {
    LoadEmpty(3);
    Place(0, 2, Element::Line); // appends row 3 as a step of its own
    editor.Undo();
    editor.Undo();
    EXPECT_EQ(Program().rowCount, 3);
    EXPECT_EQ(Selection().cursor.row, 2) << "the undone row's position is clamped";
}

TEST_F(Undo, AllWindowsOfADocumentShareOneHistory) {
    LoadEmpty(4);
    GridEditor otherGrid(*doc);
    RecordingView otherView;
    LadderEditor other(EditTarget{*doc, undo, {}}, clipboard, otherGrid, otherView);
    Place(0, 0, Element::Line);
    other.Undo();
    EXPECT_EQ(Cell(0, 0).code, Element::Empty);
    EXPECT_FALSE(editor.CanUndo());
}

TEST_F(Undo, MarksTheDocumentModified) {
    LoadEmpty(3);
    Place(0, 0, Element::Line);
    modified = 0;
    editor.Undo();
    EXPECT_GT(modified, 0);
}

} // namespace
} // namespace velmora::testing
