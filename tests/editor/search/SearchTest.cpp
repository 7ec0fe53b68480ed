#include "editor/EditorFixture.h"
#include "editor/FindReplace.h"

namespace velmora::testing {
namespace {

class Search : public EditorFixture {
protected:
    // n rows whose every cell is a contact on the same text; the last row too.
    void LoadFull(int n, std::string_view text = "R001") {
        std::vector<std::string> rows;
        for (int r = 0; r < n; ++r) {
            std::string row;
            for (int c = 0; c < ColumnsPerRow; ++c) {
                row += std::string(c ? " " : "") + std::string(text);
            }
            rows.push_back(row);
        }
        Load(Ladder(rows));
    }
    std::vector<GridPoint> FindAll(std::string_view text, bool upward, int limit) {
        std::vector<GridPoint> found;
        while (static_cast<int>(found.size()) < limit &&
               editor.SearchOperand(text, upward, {}, LadderEditor::Find)) {
            found.push_back(Selection().cursor);
        }
        return found;
    }
};

TEST_F(Search, DownwardRestOfTheRowThenFollowingRowsButNotTheLast) {
    LoadFull(8);
    Cursor(3, 5);
    const std::vector<GridPoint> found = FindAll("R001", false, 100);
    ASSERT_EQ(found.size(), 4u + 8u);
    EXPECT_EQ(found[0], (GridPoint{4, 5}));
    EXPECT_EQ(found[3], (GridPoint{7, 5}));
    EXPECT_EQ(found[4], (GridPoint{0, 6}));
    EXPECT_EQ(found.back(), (GridPoint{7, 6}));
    EXPECT_EQ(Selection().cursor, (GridPoint{7, 6})) << "a failed search changes nothing";
}

// Rows above are read from their first column, so repeated upward finds go down column 0.
TEST_F(Search, UpwardEachRowFromItsFirstColumn) {
    LoadFull(8);
    Cursor(3, 5);
    const std::vector<GridPoint> found = FindAll("R001", true, 100);
    EXPECT_EQ(found, (std::vector<GridPoint>{
                         {2, 5}, {1, 5}, {0, 5}, {0, 4}, {0, 3}, {0, 2}, {0, 1}, {0, 0}}));
}

TEST_F(Search, ComparesTheStoredTextExactly) {
    Load({"X001.2 CTR", ""});
    Cursor(7, 0);
    EXPECT_FALSE(editor.SearchOperand("x001.2", false, {}, LadderEditor::Find));
    EXPECT_FALSE(editor.SearchOperand("", false, {}, LadderEditor::Find));
    Selection().cursor = {-1, -1};
    EXPECT_TRUE(editor.SearchOperand("X001.2", false, {}, LadderEditor::Find))
        << "without a cursor the first cell is looked at too";
    EXPECT_EQ(Selection().cursor, (GridPoint{0, 0}));
    EXPECT_TRUE(editor.SearchOperand("CTR", false, {}, LadderEditor::Find));
}

TEST_F(Search, MatchBelowTheWindowIsScrolledSevenRowsDown) {
    LoadFull(1);
    Program().InsertRows(1, 40, ui);
    Program().Row(30)[2].SetOperand("R001");
    Cursor(1, 0);
    EXPECT_TRUE(editor.SearchOperand("R001", false, {}, LadderEditor::Find));
    EXPECT_TRUE(view.scrolls.empty()) << "a match in the start row does not scroll";
    Cursor(7, 0);
    EXPECT_TRUE(editor.SearchOperand("R001", false, {}, LadderEditor::Find));
    ASSERT_EQ(view.scrolls.size(), 1u);
    EXPECT_EQ(view.scroll.y, -40 * 30 + 280);
}

TEST_F(Search, ReplaceAllChangesEveryMatchButTheLastRowsOneStepEach) {
    LoadFull(3);
    Cursor(4, 1);
    ReplaceDialogLogic replace;
    replace.findText = "R001";
    replace.replacementText = "R002";
    replace.ReplaceAll(editor, ui);
    EXPECT_EQ(LastCall(), "MessageBox: 全部替换完成。");
    EXPECT_EQ(RowText(0), "R002 R002 R002 R002 R002 R002 R002 R002");
    EXPECT_EQ(RowText(1), "R002 R002 R002 R002 R002 R002 R002 R002");
    EXPECT_EQ(RowText(2), "R001 R001 R001 R001 R001 R001 R001 R001");
    EXPECT_EQ(undo.Available(), 16);
    editor.Undo();
    EXPECT_EQ(Text(7, 1), "R001");
}

TEST_F(Search, ReplaceAllByTheSameTextEnds) {
    LoadFull(3);
    ReplaceDialogLogic replace;
    replace.findText = replace.replacementText = "R001";
    replace.ReplaceAll(editor, ui);
    EXPECT_EQ(undo.Available(), 16);
}

TEST_F(Search, ReplaceLeavesBoxNamesAndRenumbersParameters) {
    Load({"X000.0 [CTR 0005] # ... (Y000.0)", ". # #", ". # #", ". # #",
          "X000.1 [TMR 0005] # ... (Y000.1)", ". # #", ""});
    ReplaceDialogLogic replace;
    replace.findText = "CTR";
    replace.replacementText = "TMR";
    replace.ReplaceAll(editor, ui);
    EXPECT_EQ(Text(1, 0), "CTR");
    EXPECT_EQ(Selection().cursor, (GridPoint{1, 0})) << "found all the same";

    replace.findText = "0005";
    replace.replacementText = "0007";
    replace.ReplaceAll(editor, ui);
    EXPECT_EQ(Cell(2, 0).number, 7);
    EXPECT_EQ(Cell(2, 4).number, 7);
    EXPECT_TRUE(doc->compiler.ctrUsed[7]);
    EXPECT_FALSE(doc->compiler.ctrUsed[5]);
    EXPECT_TRUE(doc->compiler.tmrUsed[7]);
}

TEST_F(Search, ReplaceChangesTheMatchAtTheCursorThenFindsTheNext) {
    Load({"R001 X000.1 R001 R001", ""});
    Cursor(0, 0);
    ReplaceDialogLogic replace;
    replace.findText = "R001";
    replace.replacementText = "R009";
    replace.Replace(editor, ui);
    EXPECT_EQ(RowText(0), "R009 X000.1 R001 R001 . . . .");
    EXPECT_EQ(Selection().cursor, (GridPoint{2, 0}));
    replace.Replace(editor, ui);
    replace.Replace(editor, ui);
    EXPECT_EQ(RowText(0), "R009 X000.1 R009 R009 . . . .");
    EXPECT_EQ(LastCall(), "MessageBox: 没有找到要查找的内容。");
}

TEST_F(Search, FindNextAfterNothingFoundStartsAgainAtTheFirstCell) {
    ReplaceDialogLogic::findNextFailed = false;
    Load({"R001 . R001", ""});
    Cursor(2, 0);
    ReplaceDialogLogic replace;
    replace.findText = "R001";
    replace.FindNext(editor, ui);
    EXPECT_EQ(LastCall(), "MessageBox: 没有找到要查找的内容。");
    EXPECT_TRUE(ReplaceDialogLogic::findNextFailed);

    ReplaceDialogLogic another; // the flag belongs to every replace dialog
    another.findText = "R001";
    another.FindNext(editor, ui);
    EXPECT_EQ(Selection().cursor, (GridPoint{0, 0}));
    another.FindNext(editor, ui);
    EXPECT_EQ(Selection().cursor, (GridPoint{2, 0}));
    EXPECT_FALSE(ReplaceDialogLogic::findNextFailed);
}

TEST_F(Search, FindDialogSaysWhenNothingWasFound) {
    Load({"R001", ""});
    Cursor(0, 0);
    FindDialogData data{"R001", 0};
    EXPECT_FALSE(FindOperand(editor, data, ui));
    EXPECT_EQ(LastCall(), "MessageBox: 没有找到要查找的内容。");
    data.direction = 1;
    Cursor(5, 0);
    EXPECT_TRUE(FindOperand(editor, data, ui));
    EXPECT_EQ(Selection().cursor, (GridPoint{0, 0}));
}

TEST_F(Search, ReplaceAllWithoutAMatchReportsAtOnce) {
    Load({"R001", ""});
    ReplaceDialogLogic replace;
    replace.findText = "R005";
    replace.ReplaceAll(editor, ui);
    EXPECT_EQ(ui.calls, std::vector<std::string>{"MessageBox: 全部替换完成。"});
}

TEST(NormaliseAddress, PointedNumbersTakeTheStoredForm) {
    const struct {
        const char* typed;
        const char* normalised;
    } cases[] = {{"X1.2", "X001.2"}, {"Y-1.5", "Y-01.5"}, {"X1", "X1"},        {"X1.2A", "X1.2A"},
                 {"", ""},           {"X", "X"},          {"X.5", "X000.5"},   {"R12.34", "R012.3"},
                 {"R100", "R100"},   {"K-0.0", "K-00.0"}, {"G63.7", "G063.7"}, {"A.", "A000.0"}};
    for (const auto& c : cases) {
        EXPECT_EQ(NormaliseAddress(c.typed), c.normalised) << c.typed;
    }
}

class GoToLine : public EditorFixture {};

TEST_F(GoToLine, LineIsClampedToTheLadder) {
    const struct {
        int typed;
        int row;
    } cases[] = {{0, 0}, {999, 18}, {19, 18}, {5, 4}, {-3, 0}};
    for (const auto& c : cases) {
        LoadEmpty(20);
        GotoLineData answer;
        answer.row = c.typed;
        ui.gotoLine.Add(answer);
        editor.GoToLine();
        EXPECT_EQ(Selection().cursor, (GridPoint{0, c.row})) << c.typed;
        EXPECT_EQ(Selection().anchor, (GridPoint{0, c.row})) << c.typed;
    }
    EXPECT_EQ(ui.gotoLine.requests.back().row, 5) << "the dialog opens on the current row";
}

} // namespace
} // namespace velmora::testing
