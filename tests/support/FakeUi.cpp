#include "support/FakeUi.h"

namespace velmora::testing {

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

} // namespace velmora::testing
