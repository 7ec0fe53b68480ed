#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace velmora {

// The output pane and the instruction-list pane as plain state: texts with CR LF line breaks
// (UTF-8), visibility and text limits. The main frame mirrors this state into its widgets.
class OutputPanes {
public:
    // The edit control's default limit, in characters; the output pane never raises it.
    static constexpr std::size_t DefaultTextLimit = 30000;

    struct Pane {
        std::string text;
        bool visible = false;
        std::size_t textLimit = DefaultTextLimit;
    };

    OutputPanes();

    void ClearOutput();
    void AppendOutputLine(const std::string& text);
    void SetOutputText(const std::string& text);
    // Lines as the compiler emits them: each carries a six-character row suffix that is dropped.
    void ShowInstructionList(const std::vector<std::string>& lines);
    void AppendInstructionText(const std::string& text);
    void CloseInstructionPane();

    // Toggle commands and a pane's close button.
    void SetOutputVisible(bool visible);
    void SetInstructionVisible(bool visible);

    const Pane& Output() const { return output; }
    const Pane& InstructionList() const { return instructionList; }

    // Called after every change, so a window can mirror the panes.
    std::function<void()> onChange;

private:
    void Changed();

    Pane output;
    Pane instructionList;
};

// Number of characters (code points) in a UTF-8 text.
std::size_t Utf8Length(const std::string& text);

} // namespace velmora
