#include "editor/FindReplace.h"

#include "editor/LadderEditor.h"
#include "platform/Ui.h"

#include <charconv>

namespace velmora {

namespace {

constexpr std::size_t NumberWidth = 5; // "%05.1f"

} // namespace

bool ReplaceDialogLogic::findNextFailed = false;
bool ReplaceDialogLogic::replaceFailed = false;

std::string NormaliseAddress(std::string_view text) {
    if (text.size() < 2) {
        return std::string(text);
    }
    const std::string_view rest = text.substr(1);
    if (rest.find_first_not_of("-0123456789.") != std::string_view::npos ||
        rest.find('.') == std::string_view::npos) {
        return std::string(text);
    }
    // As atof reads it: the longest number at the front, 0 when there is none.
    double x = 0;
    if (std::from_chars(rest.data(), rest.data() + rest.size(), x).ec != std::errc{}) {
        x = 0;
    }
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 1);
    std::string number(buffer, written.ptr);
    const std::size_t sign = !number.empty() && number[0] == '-' ? 1 : 0;
    if (number.size() < NumberWidth) {
        number.insert(sign, NumberWidth - number.size(), '0');
    }
    return text.front() + number;
}

bool FindOperand(LadderEditor& editor, const FindDialogData& data, Ui& ui) {
    if (editor.SearchOperand(data.text, data.direction == 1, {}, LadderEditor::Find)) {
        return true;
    }
    ui.MessageBox(std::string(NotFoundMessage));
    return false;
}

namespace {

void SearchFromFlag(LadderEditor& editor, Ui& ui, bool& failed, std::string_view find,
                    std::string_view replacement, int mode) {
    bool restart = false;
    if (failed) {
        editor.SelectCell({0, 0});
        failed = false;
        restart = true;
    }
    if (!editor.SearchOperand(find, false, replacement, mode, restart)) {
        failed = true;
        ui.MessageBox(std::string(NotFoundMessage));
    }
}

} // namespace

void ReplaceDialogLogic::FindNext(LadderEditor& editor, Ui& ui) {
    SearchFromFlag(editor, ui, findNextFailed, findText, {}, LadderEditor::Find);
}

void ReplaceDialogLogic::Replace(LadderEditor& editor, Ui& ui) {
    SearchFromFlag(editor, ui, replaceFailed, findText, replacementText,
                   LadderEditor::ReplaceAndFind);
}

void ReplaceDialogLogic::ReplaceAll(LadderEditor& editor, Ui& ui) {
    if (editor.SearchOperand(findText, false, replacementText, LadderEditor::ReplaceAllFirst)) {
        while (
            editor.SearchOperand(findText, false, replacementText, LadderEditor::ReplaceAllNext)) {
        }
    }
    ui.MessageBox(std::string(ReplacedAllMessage));
}

} // namespace velmora
