#include "platform/OutputPanes.h"

#include <algorithm>

namespace velmora {

namespace {
constexpr std::size_t RowSuffixLength = 6;

// Appends as much of text as the pane's limit allows, never splitting a character, as an edit
// control does when an insertion would pass its limit.
void InsertAtEnd(OutputPanes::Pane& pane, const std::string& text) {
    std::size_t room = pane.textLimit - std::min(pane.textLimit, Utf8Length(pane.text));
    std::size_t end = 0;
    while (end < text.size()) {
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80) {
            if (room == 0) {
                break;
            }
            --room;
        }
        ++end;
    }
    pane.text.append(text, 0, end);
}
} // namespace

std::size_t Utf8Length(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

OutputPanes::OutputPanes() { output.visible = true; }

void OutputPanes::Changed() {
    if (onChange) {
        onChange();
    }
}

void OutputPanes::ClearOutput() {
    output.text.clear();
    Changed();
}

void OutputPanes::AppendOutputLine(const std::string& text) {
    output.visible = true;
    InsertAtEnd(output, text + "\r\n");
    Changed();
}

void OutputPanes::SetOutputText(const std::string& text) {
    output.text.clear();
    InsertAtEnd(output, text);
    Changed();
}

void OutputPanes::ShowInstructionList(const std::vector<std::string>& lines) {
    instructionList.text.clear();
    std::string all;
    for (const std::string& line : lines) {
        all.append(line, 0, line.size() > RowSuffixLength ? line.size() - RowSuffixLength : 0);
        all += "\r\n";
    }
    AppendInstructionText(all);
}

void OutputPanes::AppendInstructionText(const std::string& text) {
    instructionList.visible = true;
    // The limit grows to the whole resulting text, so a long listing is never cut short.
    const std::size_t length = Utf8Length(instructionList.text) + Utf8Length(text) + 2;
    if (length > instructionList.textLimit) {
        instructionList.textLimit = length;
    }
    InsertAtEnd(instructionList, text + "\r\n");
    Changed();
}

void OutputPanes::CloseInstructionPane() {
    instructionList.text.clear();
    instructionList.visible = false;
    Changed();
}

void OutputPanes::SetOutputVisible(bool visible) {
    output.visible = visible;
    Changed();
}

void OutputPanes::SetInstructionVisible(bool visible) {
    instructionList.visible = visible;
    Changed();
}

} // namespace velmora
