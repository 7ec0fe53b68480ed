#pragma once

#include "platform/Ui.h"

#include <deque>
#include <string>
#include <vector>

namespace velmora::testing {

// A scripted Ui: records every call as a line ("MessageBox: text") and answers questions from
// a script, in order. An unscripted question answers Cancel and is recorded as such.
class FakeUi : public Ui {
public:
    void MessageBox(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;

    void Script(Answer answer) { answers.push_back(answer); }

    std::vector<std::string> calls;
    std::deque<Answer> answers;
};

} // namespace velmora::testing
