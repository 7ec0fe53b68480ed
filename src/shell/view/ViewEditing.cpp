#include "shell/view/ViewEditing.h"

#include "document/CVelmoraDoc.h"
#include "editor/LadderClipboard.h"
#include "model/ElementCatalogue.h"
#include "shell/CommandTable.h"
#include "shell/dialogs/FindDlg.h"
#include "shell/dialogs/ReplaceDlg.h"
#include "shell/view/CVelmoraView.h"

#include <QPointer>

namespace velmora {

LadderClipboard& SharedLadderClipboard() {
    static LadderClipboard clipboard;
    return clipboard;
}

ViewEditing::ViewEditing(CVelmoraView& view, UnDoList& undo, LadderClipboard& clipboard,
                         std::function<void()> setModified)
    : QObject(&view), view(view), editor(EditTarget{view.Document(), undo, std::move(setModified)},
                                         clipboard, view.Editor(), *this) {
    CVelmoraView::Hooks& hooks = view.EditingHooks();
    hooks.placeElement = [this](ElementCode kind) {
        Run([this, kind] { editor.PlaceElement(kind); });
    };
    hooks.storeRowComment = [this](int row, const std::string& gbk) {
        editor.EndCommentEdit(row, gbk);
    };
    ConnectCommands();
}

LogicalPoint ViewEditing::ScrollPosition() const { return view.ScrollPosition(); }

void ViewEditing::ScrollTo(LogicalPoint position) { view.ScrollToPosition(position); }

void ViewEditing::Run(const std::function<void()>& command) {
    if (view.CommentEditing()) {
        view.EndCommentEdit();
    }
    command();
    view.FlushEditor();
}

void ViewEditing::ConnectCommands() {
    CommandMap& commands = view.Commands();
    const auto add = [this, &commands](int id, std::function<void()> command,
                                       std::function<bool()> enabled = {}) {
        commands.Connect(
            id, [this, command = std::move(command)] { Run(command); }, std::move(enabled));
    };
    const struct {
        int id;
        int kind;
    } elements[] = {
        {Cmd::OpenContact, Element::OpenContact},
        {Cmd::ClosedContact, Element::ClosedContact},
        {Cmd::Coil, Element::Coil},
        {Cmd::InvertedCoil, Element::InvertedCoil},
        {Cmd::HorizontalLine, Element::Line},
        {Cmd::VerticalLine, LadderEditor::VerticalLine},
        {Cmd::DeleteElement, LadderEditor::DeleteNode},
        {Cmd::DeleteVerticalLine, LadderEditor::DeleteVerticalLine},
    };
    for (const auto& element : elements) {
        const int kind = element.kind;
        add(element.id, [this, kind] { editor.PlaceElement(kind); });
    }
    for (const FunctionInfo& function : FunctionTable) {
        if (function.menuCommand != 0) {
            const int code = function.kind << 8;
            add(function.menuCommand, [this, code] { editor.PlaceFunction(code); });
        }
    }
    add(Cmd::FunctionPicker, [this] { editor.PlaceFunctionFromPicker(); });
    add(Cmd::InsertRow, [this] { editor.OnInsertRows(); });
    add(Cmd::DeleteRow, [this] { editor.OnDeleteRows(); });
    add(Cmd::EditCopy, [this] { editor.CopySelection(); });
    add(Cmd::EditCut, [this] { editor.CutSelection(); });
    add(Cmd::EditPaste, [this] { editor.PasteClipboard(); });
    add(Cmd::SelectRows, [this] { editor.SelectRows(); });
    add(
        Cmd::EditUndo, [this] { editor.Undo(); }, [this] { return editor.CanUndo(); });
    add(
        Cmd::EditComment, [this] { editor.EditSymbolComment(); },
        [this] { return editor.CanEditSymbolComment(); });
    add(Cmd::GotoLine, [this] { editor.GoToLine(); });
    add(Cmd::Find, [this] { OnFind(); });
    add(Cmd::Replace, [this] { OnReplace(); });
}

void ViewEditing::OnFind() {
    QPointer<ViewEditing> self(this);
    FindDlg dialog(
        view.Document().UserInterface(), [self] { return self ? &self->editor : nullptr; }, &view);
    dialog.Load(findData);
    // Each search repaints as it goes, while the dialog stays open.
    QObject::connect(&dialog, &FindDlg::searched, this, [this] { view.FlushEditor(); });
    dialog.exec();
    dialog.Store(findData);
}

void ViewEditing::OnReplace() {
    QPointer<ViewEditing> self(this);
    ReplaceDlg dialog(
        view.Document().UserInterface(), [self] { return self ? &self->editor : nullptr; }, &view);
    QObject::connect(&dialog, &ReplaceDlg::searched, this, [this] { view.FlushEditor(); });
    dialog.exec();
}

} // namespace velmora
