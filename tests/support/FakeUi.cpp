#include "support/FakeUi.h"

namespace velmora::testing {

namespace {

template <class T>
bool Reply(FakeUi& ui, FakeUi::Scripted<T>& script, T& data, const std::string& line) {
    std::optional<T> a = script.Next(data);
    ui.calls.push_back(line + (a ? "" : " -> Cancel"));
    if (!a) {
        return false;
    }
    data = std::move(*a);
    return true;
}

} // namespace

void FakeUi::MessageBox(const std::string& text) { calls.push_back("MessageBox: " + text); }

Ui::Answer FakeUi::AskYesNoCancel(const std::string& text) {
    calls.push_back("Ask: " + text);
    if (answers.empty()) {
        return Answer::Cancel;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> FakeUi::FileDialog(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    std::optional<std::string> a;
    if (!fileAnswers.empty()) {
        a = fileAnswers.front();
        fileAnswers.pop_front();
    }
    calls.push_back(std::string(request.save ? "SaveDialog: " : "OpenDialog: ") + request.filter +
                    " " + request.initialFileName + (a ? " -> " + *a : " -> Cancel"));
    return a;
}

bool FakeUi::ItemSetDialog(ItemSetData& data) {
    return Reply(*this, itemSet, data,
                 "ItemSetDialog: " + std::to_string(data.elementCode) + " " + data.address);
}

bool FakeUi::FuncDialog(FuncData& data) { return Reply(*this, func, data, "FuncDialog:"); }

bool FakeUi::NoteDialog(NoteData& data) {
    return Reply(*this, note, data, "NoteDialog: " + data.title + " " + data.comment);
}

bool FakeUi::InsertLineDialog(InsertLineData& data) {
    return Reply(*this, insertLine, data, "InsertLineDialog: " + std::to_string(data.count));
}

bool FakeUi::LadInfoDialog(LadInfoData& data) {
    return Reply(*this, ladInfo, data,
                 "LadInfoDialog: " + data.version + "|" + data.machine + "|" + data.modifier);
}

bool FakeUi::SelMulRowDialog(SelMulRowData& data) {
    return Reply(*this, selMulRow, data,
                 "SelMulRowDialog: " + std::to_string(data.startRow) + " " +
                     std::to_string(data.endRow));
}

bool FakeUi::GotoLineDialog(GotoLineData& data) {
    return Reply(*this, gotoLine, data, "GotoLineDialog: " + std::to_string(data.row));
}

} // namespace velmora::testing
