#pragma once

#include "model/EditorSelection.h"
#include "model/LadderCell.h"
#include "platform/DialogData.h"

#include <functional>
#include <string>
#include <string_view>

namespace velmora {

class CVelmoraDoc;
class EditorView;
class GridEditor;
class LadderProgram;
class UnDoList;
struct LadderClipboard;

// The document an editor changes, with what belongs to the document rather than to one window:
// its undo list and the way it is marked modified.
struct EditTarget {
    CVelmoraDoc& doc;
    UnDoList& undo;
    std::function<void()> setModified;
};

// The editing commands of one window on a ladder: elements and operands, functional
// instructions, rows and the clipboard, undo, search and comments. The cursor and selection are
// the document's, so every window on the document edits at the same place; dialogs are shown
// through the document's Ui and results written to its output panes.
class LadderEditor {
public:
    // Placement kinds that are not element codes.
    static constexpr int DeleteNode = 0;
    static constexpr int VerticalLine = 0x10;
    static constexpr int DeleteVerticalLine = 0x11;

    // SearchOperand modes.
    enum SearchMode { Find = 0, ReplaceAndFind = 1, ReplaceAllFirst = 2, ReplaceAllNext = 3 };

    // grid: the cursor logic of the window, which collects what it must repaint; view: the
    // window's scrolling.
    LadderEditor(EditTarget target, LadderClipboard& clipboard, GridEditor& grid, EditorView& view);

    // --- cursor -----------------------------------------------------------------------------
    // A cursor is a column 0..7 on an existing row.
    bool HasCursor() const;
    void MarkSelection(bool on);
    // Makes one cell the selection.
    void SelectCell(GridPoint cell);

    // --- elements and operands ------------------------------------------------------------------
    // Places an element, a line or the vertical-line flag at the cursor, deletes there, or
    // re-edits the cursor cell's operand when kind is the cell's own code.
    void PlaceElement(int kind);
    // Enter, and a double click on the grid: re-edits the cursor cell where that is possible.
    void EditCursorCell();
    void EnterBasicOperand();
    // Whether a coil may drive the bit address; records 1006 or 1027 when not.
    bool CheckOutputAddress(std::string_view text);
    void EnterFunctionParameter();
    // Makes the data table that an accepted COD size asked for, replacing an earlier one of
    // another size. False when the ladder has no room for it; then nothing was changed.
    bool CreateDataTable();

    // --- functional instructions ----------------------------------------------------------------
    // Inserts a box of the instruction (code: kind in the high byte) before the selection.
    void PlaceFunction(int code);
    // The functional-instruction picker, then PlaceFunction.
    void PlaceFunctionFromPicker();
    // The rows of the box or data table cell (column, row) belongs to, a COD box's table
    // included; with commit they are deleted.
    int DeleteFunctionBox(int column, int row, bool commit);

    // --- rows and clipboard -------------------------------------------------------------------
    void OnInsertRows();
    void OnDeleteRows();
    void CopySelection();
    void CutSelection();
    void PasteClipboard();
    void SelectRows();

    // --- undo -----------------------------------------------------------------------------------
    void Undo();
    bool CanUndo() const;

    // --- search ---------------------------------------------------------------------------------
    // Finds find (exactly as stored) after the selection, by mode also replacing; see SearchMode.
    // examineStart makes the start cell itself a candidate, for a search that restarts at the
    // first cell; a search without a cursor, and a replace-all's first call, do so anyway.
    bool SearchOperand(std::string_view find, bool upward, std::string_view replacement, int mode,
                       bool examineStart = false);
    void GoToLine();

    // --- comments -------------------------------------------------------------------------------
    // Stores the text (GBK) of the row-comment editor, which the window opened on the row, as
    // the row's comment; the step can be undone.
    void EndCommentEdit(int row, std::string_view text);
    void EditSymbolComment();
    bool CanEditSymbolComment() const;

    // Dialog values kept from one use to the next in this window.
    NoteData noteDialog;
    SelMulRowData selectRowsDialog;
    GotoLineData gotoLineDialog;

private:
    struct RowSpan {
        int first = 0;
        int count = 0;
        GridPoint position; // where the undo step of a row command is recorded
    };

    LadderProgram& Program();
    const LadderProgram& Program() const;
    void Modified();
    LadderCell& CursorCell();
    RowSpan SelectedRows() const;
    RowSpan RowsToDelete() const;
    void DeleteRowSpan(const RowSpan& span);
    void CopyRows(int first, int count);
    bool RowsFit(int n);
    void AfterRowChange();
    void ScrollToRow(int row);
    bool ReplaceText(GridPoint at, std::string_view replacement);

    EditTarget target;
    CVelmoraDoc& doc;
    UnDoList& undo;
    LadderClipboard& clipboard;
    GridEditor& grid;
    EditorView& view;

    bool makeTable = false;
    int tableRows = 0;
};

} // namespace velmora
