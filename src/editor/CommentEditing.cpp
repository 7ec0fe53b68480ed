#include "editor/LadderEditor.h"

#include "document/CVelmoraDoc.h"
#include "document/SymbolComments.h"
#include "editor/EditorView.h"
#include "editor/UnDoList.h"
#include "model/ElementCatalogue.h"
#include "platform/Ui.h"

namespace velmora {

void LadderEditor::EndCommentEdit(int row, std::string_view text) {
    // Another window on the document may have deleted the row meanwhile.
    if (row < 0 || row >= Program().rowCount) {
        return;
    }
    undo.RecordRowComment(row);
    Program().SetComment(row, text);
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
