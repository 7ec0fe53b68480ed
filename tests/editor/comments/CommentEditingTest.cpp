#include "document/SymbolComments.h"
#include "editor/EditorFixture.h"

namespace velmora::testing {
namespace {

using CommentEditing = EditorFixture;

TEST_F(CommentEditing, RowCommentIsStoredAndUndone) {
    Load({"X000.0 ; old", ""});
    editor.EndCommentEdit(0, "new text");
    EXPECT_EQ(Program().CommentText(0), "new text");
    EXPECT_GT(modified, 0);
    editor.Undo();
    EXPECT_EQ(Program().CommentText(0), "old");
}

TEST_F(CommentEditing, ClosingWithoutAChangeStillRecordsAStep) {
    Load({"X000.0 ; same", ""});
    editor.EndCommentEdit(0, "same");
    EXPECT_EQ(undo.Available(), 1);
}

TEST_F(CommentEditing, LongCommentsAreCutToTwentyBytesOnACharacterBoundary) {
    LoadEmpty(2);
    editor.EndCommentEdit(0, "abcdefghijklmnopqrstuvwxyz0123");
    EXPECT_EQ(Program().CommentText(0), "abcdefghijklmnopqrst");
    const std::string gbk = std::string(19, 'a') + "\xD6\xD0"; // the double-byte character 中
    editor.EndCommentEdit(1, gbk);
    EXPECT_EQ(Program().CommentText(1), std::string(19, 'a'));
}

TEST_F(CommentEditing, RowThatIsGoneTakesNothing) {
    LoadEmpty(2);
    editor.EndCommentEdit(5, "lost");
    EXPECT_EQ(undo.Available(), 0);
}

TEST_F(CommentEditing, SymbolCommentOfAContactIsEditedAndUndone) {
    Load({"X002.5 X002.6 ... (Y000.0)", ""});
    SymbolComment(*doc->symbolComments, "X002.5") = "old";
    Cursor(0, 0);
    NoteData answer;
    answer.comment = "spindle on";
    ui.note.Add(answer);
    editor.EditSymbolComment();
    EXPECT_EQ(ui.note.requests.back().title, "X002.5");
    EXPECT_EQ(ui.note.requests.back().comment, "old");
    EXPECT_EQ(SymbolComment(*doc->symbolComments, "X002.5"), "spindle on");
    EXPECT_EQ(Output(), "spindle on");

    Cursor(1, 0);
    editor.Undo();
    EXPECT_EQ(SymbolComment(*doc->symbolComments, "X002.5"), "old");
    EXPECT_EQ(Selection().cursor, (GridPoint{0, 0}));
}

TEST_F(CommentEditing, SymbolCommentOnlyForContactsAndCoils) {
    Load({"X000.0 -- [TMR 0001] # . . . (Y000.0)", ". . # #", ""});
    const struct {
        GridPoint cell;
        bool enabled;
    } cases[] = {{{0, 0}, true}, {{1, 0}, false}, {{2, 0}, false}, {{5, 0}, false}, {{7, 0}, true}};
    for (const auto& c : cases) {
        Cursor(c.cell.column, c.cell.row);
        EXPECT_EQ(editor.CanEditSymbolComment(), c.enabled) << c.cell.column;
    }
    Selection().cursor = {-1, -1};
    EXPECT_FALSE(editor.CanEditSymbolComment());
    editor.EditSymbolComment();
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(CommentEditing, AddressWithoutCommentsStopsQuietly) {
    Load({"D001.0", ""});
    Cursor(0, 0);
    editor.EditSymbolComment();
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(undo.Available(), 0);
}

} // namespace
} // namespace velmora::testing
