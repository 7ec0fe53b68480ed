#include "editor/LadderEditor.h"

#include "document/CVelmoraDoc.h"
#include "document/SymbolComments.h"
#include "editor/EditorView.h"
#include "editor/UnDoList.h"
#include "model/ElementCatalogue.h"
#include "platform/Ui.h"

namespace velmora {

std::optional<std::string> LadderEditor::BeginCommentEdit(int row) {
    if (row < 0 || row >= Program().rowCount) {
        return std::nullopt;
    }
    commentRow = row;
    commentEditing = true;
    return std::string(Program().CommentText(row));
}

void LadderEditor::EndCommentEdit(std::string_view text) {
    if (!commentEditing) {
        return;
    }
    commentEditing = false;
    // Another window on the document may have deleted the row meanwhile.
    if (commentRow >= Program().rowCount) {
        return;
    }
    undo.RecordRowComment(commentRow);
    Program().SetComment(commentRow, text);
    view.InvalidateRowComment(commentRow);
    Modified();
}

bool LadderEditor::CanEditSymbolComment() const {
    if (!HasCursor()) {
        return false;
    }
    const GridPoint& cursor = doc.selection.cursor;
    const ElementCode code = Program().Row(cursor.row)[cursor.column].code;
    return code >= Element::ClosedContact && code <= Element::InvertedCoil;
}

void LadderEditor::EditSymbolComment() {
    if (!CanEditSymbolComment()) {
        return;
    }
    std::string old;
    try {
        old = SymbolComment(*doc.symbolComments, Program(), doc.selection);
    } catch (const SymbolCommentError&) {
        return;
    }
    noteDialog.title = std::string(CursorCell().OperandText());
    noteDialog.comment = old;
    if (!doc.UserInterface().NoteDialog(noteDialog)) {
        return;
    }
    const GridPoint cursor = doc.selection.cursor;
    undo.RecordSymbolComment(cursor.column, cursor.row, std::move(old));
    if (SetSymbolComment(*doc.symbolComments, Program(), doc.selection, noteDialog.comment,
                         doc.Panes(), doc.UserInterface())) {
        Modified();
    }
}

} // namespace velmora
