#pragma once

#include "platform/DialogData.h"

#include <optional>
#include <string>

namespace velmora {

// What a file-open or file-save dialog is asked to show.
struct FileDialogRequest {
    bool save = false;            // a save dialog rather than an open dialog
    std::string title;            // empty: the toolkit's own title
    std::string defaultExtension; // without the dot; added to a name typed without extension
    std::string initialFileName;  // may carry a folder
    // Choices as "name|pattern;pattern|name|pattern||": the name is what the user reads, the
    // patterns what the files are filtered by.
    std::string filter;
    bool hideReadOnly = true;
    bool overwritePrompt = true; // a save dialog asks before replacing an existing file
};

// Modal interaction with the user. The core asks through this interface only; the Qt shell
// answers with real dialogs, tests with a scripted fake. Texts are UTF-8 unless said otherwise.
//
// The file and dialog calls answer "cancelled" unless an implementation overrides them, so a Ui
// that only reports messages needs nothing more.
class Ui {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Ui() = default;

    // A modal message box captioned "Velmora" with an OK button.
    virtual void MessageBox(const std::string& text) = 0;

    // A modal question with Yes, No and Cancel buttons.
    virtual Answer AskYesNoCancel(const std::string& text) = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> FileDialog(const FileDialogRequest&) { return std::nullopt; }

    // Each dialog shows the data it is given and, on OK, writes the values back and returns
    // true; on cancel it returns false and leaves the data as it was.
    virtual bool ItemSetDialog(ItemSetData&) { return false; }
    virtual bool FuncDialog(FuncData&) { return false; }
    virtual bool NoteDialog(NoteData&) { return false; }
    virtual bool InsertLineDialog(InsertLineData&) { return false; }
    virtual bool LadInfoDialog(LadInfoData&) { return false; }
    virtual bool SelMulRowDialog(SelMulRowData&) { return false; }
    virtual bool GotoLineDialog(GotoLineData&) { return false; }
};

// Stands in where no user is present (the command-line tool): message boxes go nowhere,
// questions are answered No and every dialog is cancelled.
class SilentUi : public Ui {
public:
    void MessageBox(const std::string&) override {}
    Answer AskYesNoCancel(const std::string&) override { return Answer::No; }
};

} // namespace velmora
