#pragma once

#include "platform/Ui.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace velmora::testing {

// A scripted Ui: records every call as a line ("MessageBox: text") and answers questions, file
// dialogs and dialogs from scripts, in order. Whatever is not scripted answers Cancel (and is
// recorded as such).
class FakeUi : public Ui {
public:
    // Answers of one kind of call, in order; nothing means Cancel.
    template <class T> struct Scripted {
        std::deque<std::optional<T>> answers;
        std::vector<T> requests; // what each call was given

        void Add(std::optional<T> answer) { answers.push_back(std::move(answer)); }
        std::optional<T> Next(const T& request) {
            requests.push_back(request);
            if (answers.empty()) {
                return std::nullopt;
            }
            std::optional<T> a = std::move(answers.front());
            answers.pop_front();
            return a;
        }
    };

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

    void Script(Answer answer) { answers.push_back(answer); }

    std::vector<std::string> calls;
    std::deque<Answer> answers;

    // The path chosen in the next file dialog; nothing cancels it.
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<FileDialogRequest> fileRequests;

    // The values the next dialog of a kind returns with OK; nothing cancels it.
    Scripted<ItemSetData> itemSet;
    Scripted<FuncData> func;
    Scripted<NoteData> note;
    Scripted<InsertLineData> insertLine;
    Scripted<LadInfoData> ladInfo;
    Scripted<SelMulRowData> selMulRow;
    Scripted<GotoLineData> gotoLine;
};

} // namespace velmora::testing
