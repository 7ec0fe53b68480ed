#pragma once

#include <string>

namespace velmora {

// Modal interaction with the user. The core asks through this interface only; the Qt shell
// answers with real dialogs, tests with a scripted fake. Texts are UTF-8.
class Ui {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Ui() = default;

    // A modal message box captioned "Velmora" with an OK button.
    virtual void MessageBox(const std::string& text) = 0;

    // A modal question with Yes, No and Cancel buttons.
    virtual Answer AskYesNoCancel(const std::string& text) = 0;
};

// Stands in where no user is present (the command-line tool): message boxes go nowhere and
// questions are answered No.
class SilentUi : public Ui {
public:
    void MessageBox(const std::string&) override {}
    Answer AskYesNoCancel(const std::string&) override { return Answer::No; }
};

} // namespace velmora
