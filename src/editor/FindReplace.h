#pragma once

#include <string>
#include <string_view>

namespace velmora {

class LadderEditor;
class Ui;

// What the find and replace dialogs do with their fields and buttons; the windows only show the
// fields and forward the presses, each to the editor of the active window.

// A typed address in its stored form: a letter followed by a number with a point is rewritten
// as "%c%05.1f" (X1.2 becomes X001.2, Y-1.5 becomes Y-01.5) whatever the user's locale; any
// other text stays as typed.
std::string NormaliseAddress(std::string_view text);

// The find dialog's values, kept by each window from one use to the next.
struct FindDialogData {
    std::string text;  // GBK, at most 6 characters
    int direction = 0; // 0 down, 1 up
};

// The find button: searches for the text and says so when nothing was found.
bool FindOperand(LadderEditor& editor, const FindDialogData& data, Ui& ui);

// The replace dialog's buttons. After a find-next or a replace that found nothing, the next one
// starts again at the first cell; the two flags that remember this are shared by every replace
// dialog of the process.
class ReplaceDialogLogic {
public:
    std::string findText; // as the fields last delivered them
    std::string replacementText;

    void FindNext(LadderEditor& editor, Ui& ui);
    void Replace(LadderEditor& editor, Ui& ui);
    void ReplaceAll(LadderEditor& editor, Ui& ui);

    static bool findNextFailed;
    static bool replaceFailed;
};

inline constexpr std::string_view NotFoundMessage = "没有找到要查找的内容。";
inline constexpr std::string_view ReplacedAllMessage = "全部替换完成。";

} // namespace velmora
