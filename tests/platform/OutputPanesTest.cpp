#include "platform/OutputPanes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace velmora {
namespace {

TEST(OutputPanes, StartWithAVisibleOutputPaneAndAHiddenListing) {
    const OutputPanes panes;
    EXPECT_TRUE(panes.Output().visible);
    EXPECT_EQ(panes.Output().text, "");
    EXPECT_FALSE(panes.InstructionList().visible);
    EXPECT_EQ(panes.InstructionList().text, "");
}

TEST(OutputPanes, AppendOutputLineAddsCrLfAndShowsThePane) {
    OutputPanes panes;
    panes.SetOutputVisible(false);
    panes.AppendOutputLine("Converting...");
    EXPECT_TRUE(panes.Output().visible);
    panes.AppendOutputLine("梯图第0001行  错误代号 1006 网络中存在非法的输出");
    EXPECT_EQ(panes.Output().text,
              "Converting...\r\n梯图第0001行  错误代号 1006 网络中存在非法的输出\r\n");
}

TEST(OutputPanes, SetAndClearReplaceTheTextWithoutTouchingVisibility) {
    for (const bool visible : {false, true}) {
        OutputPanes panes;
        panes.AppendOutputLine("old");
        panes.SetOutputVisible(visible);
        panes.SetOutputText("Loading...");
        EXPECT_EQ(panes.Output().text, "Loading...");
        EXPECT_EQ(panes.Output().visible, visible);
        panes.ClearOutput();
        EXPECT_EQ(panes.Output().text, "");
        EXPECT_EQ(panes.Output().visible, visible);
    }
}

TEST(OutputPanes, ShowInstructionListDropsTheRowSuffixes) {
    OutputPanes panes;
    panes.AppendInstructionText("left over");
    panes.SetInstructionVisible(false);
    panes.ShowInstructionList(
        {"RD        X000.0     1", "WRT       Y000.0     1", "END1     2", "ab", ""});
    EXPECT_TRUE(panes.InstructionList().visible);
    // One CR LF after every line and one more from the append itself.
    EXPECT_EQ(panes.InstructionList().text,
              "RD        X000.0\r\nWRT       Y000.0\r\nEND1\r\n\r\n\r\n\r\n");
}

TEST(OutputPanes, AnEmptyListingStillEndsTheLine) {
    OutputPanes panes;
    panes.ShowInstructionList({});
    EXPECT_EQ(panes.InstructionList().text, "\r\n");
    EXPECT_TRUE(panes.InstructionList().visible);
}

TEST(OutputPanes, CloseInstructionPaneEmptiesAndHidesIt) {
    OutputPanes panes;
    panes.AppendInstructionText("RD X000.0");
    panes.AppendInstructionText("WRT Y000.0");
    EXPECT_EQ(panes.InstructionList().text, "RD X000.0\r\nWRT Y000.0\r\n");
    panes.CloseInstructionPane();
    EXPECT_EQ(panes.InstructionList().text, "");
    EXPECT_FALSE(panes.InstructionList().visible);
}

// A listing of thousands of lines is far longer than the default limit and must arrive whole.
TEST(OutputPanes, TheListingLimitGrowsToFitTheWholeListing) {
    OutputPanes panes;
    std::vector<std::string> lines(6000, "AND.NOT   R0123.4  2600");
    panes.ShowInstructionList(lines);
    const std::string& text = panes.InstructionList().text;
    EXPECT_EQ(text.size(), 6000u * (17 + 2) + 2);
    EXPECT_GE(panes.InstructionList().textLimit, text.size());
    EXPECT_EQ(text.substr(text.size() - 21), "AND.NOT   R0123.4\r\n\r\n");

    panes.AppendInstructionText(std::string(40000, 'x'));
    EXPECT_EQ(panes.InstructionList().text.size(), 6000u * 19 + 2 + 40000 + 2);
}

// The output pane behaves like an edit control at its default limit: what does not fit is cut,
// counted in characters, never inside a character.
TEST(OutputPanes, TheOutputPaneKeepsTheDefaultLimit) {
    OutputPanes panes;
    const std::string longLine(OutputPanes::DefaultTextLimit - 1, 'a');
    panes.AppendOutputLine(longLine);
    EXPECT_EQ(panes.Output().text, longLine + "\r");
    EXPECT_EQ(panes.Output().textLimit, OutputPanes::DefaultTextLimit);
    panes.AppendOutputLine("more");
    EXPECT_EQ(Utf8Length(panes.Output().text), OutputPanes::DefaultTextLimit);

    std::string chinese;
    for (std::size_t i = 0; i < OutputPanes::DefaultTextLimit + 10; ++i) {
        chinese += "梯";
    }
    panes.SetOutputText(chinese);
    EXPECT_EQ(panes.Output().text.size(), OutputPanes::DefaultTextLimit * 3);
    EXPECT_EQ(Utf8Length(panes.Output().text), OutputPanes::DefaultTextLimit);
    EXPECT_EQ(panes.Output().textLimit, OutputPanes::DefaultTextLimit);
}

TEST(OutputPanes, EveryOperationTellsTheWindow) {
    OutputPanes panes;
    int changes = 0;
    panes.onChange = [&changes] { ++changes; };
    const std::vector<std::function<void()>> operations = {
        [&] { panes.ClearOutput(); },
        [&] { panes.AppendOutputLine("a"); },
        [&] { panes.SetOutputText("b"); },
        [&] { panes.ShowInstructionList({"RD        X000.0     1"}); },
        [&] { panes.AppendInstructionText("c"); },
        [&] { panes.CloseInstructionPane(); },
        [&] { panes.SetOutputVisible(false); },
        [&] { panes.SetInstructionVisible(true); },
    };
    for (std::size_t i = 0; i < operations.size(); ++i) {
        const int before = changes;
        operations[i]();
        EXPECT_GT(changes, before) << "operation " << i;
    }
}

} // namespace
} // namespace velmora
