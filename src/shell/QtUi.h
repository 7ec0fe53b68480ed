#pragma once

#include "platform/Ui.h"

#include <QStringList>

class QWidget;

namespace velmora {

// The Ui with real modal dialogs, parented to the active window.
class QtUi : public Ui {
public:
    void MessageBox(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;
    std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
    bool ItemSetDialog(ItemSetData& data) override;
    bool FuncDialog(FuncData& data) override;
    bool NoteDialog(NoteData& data) override;
    bool InsertLineDialog(InsertLineData& data) override;
    bool LadInfoDialog(LadInfoData& data) override;
    bool SelMulRowDialog(SelMulRowData& data) override;
    bool GotoLineDialog(GotoLineData& data) override;
};

// The filters of a file dialog in the toolkit's form: each choice shows its name and filters
// by its patterns.
QStringList NameFilters(const std::string& filter);

} // namespace velmora
