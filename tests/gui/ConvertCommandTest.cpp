#include "shell/ConvertCommand.h"
#include "compiler/LadderCompiler.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

// Stands in for the compiler's pipeline: records what a conversion reports and keeps the real
// report-line format.
struct ScriptedCompiler {
    std::uint16_t errorCount = 7; // left over from an earlier run
    std::array<ConvertError, 3> errors{};
    std::vector<std::string> lines;
    std::function<void(ScriptedCompiler&)> run;

    int Convert() {
        run(*this);
        return errorCount == 0 ? 1 : 0;
    }
    std::string ReportLine() const {
        return LadderCompiler::ReportLine(errors[static_cast<std::size_t>(errorCount - 1)]);
    }
};

TEST(ConvertCommand, SuccessShowsTheListingWithoutRowSuffixes) {
    ScriptedCompiler compiler;
    compiler.run = [](ScriptedCompiler& c) {
        EXPECT_EQ(c.errorCount, 0) << "the error list is emptied first";
        // A GBK operand (a file may carry one) is shown as text, not as raw bytes.
        c.lines = {"RD        X000.0     1", "WRT       Y000.0     1",
                   "SET       \xd6\xf7     2"};
    };
    OutputPanes panes;
    panes.AppendOutputLine("old");
    std::uint8_t converted = 0;
    RunConvertCommand(compiler, converted, panes);
    EXPECT_EQ(converted, 1);
    EXPECT_EQ(panes.Output().text, "Converting...\r\nConvert succeed!\r\n");
    EXPECT_TRUE(panes.InstructionList().visible);
    EXPECT_EQ(panes.InstructionList().text,
              "RD        X000.0\r\nWRT       Y000.0\r\nSET       主\r\n\r\n");
}

TEST(ConvertCommand, AFailureWritesOnlyTheLastErrorAndKeepsTheEarlierListing) {
    ScriptedCompiler compiler;
    compiler.run = [](ScriptedCompiler& c) { c.lines = {"END1                 1"}; };
    OutputPanes panes;
    std::uint8_t converted = 0;
    RunConvertCommand(compiler, converted, panes);
    const std::string listing = panes.InstructionList().text;

    compiler.run = [](ScriptedCompiler& c) {
        c.errors[0] = {0, 1001, 3};
        c.errors[1] = {0, 1009, 12};
        c.errorCount = 2;
    };
    RunConvertCommand(compiler, converted, panes);
    EXPECT_EQ(converted, 0);
    EXPECT_EQ(panes.Output().text,
              "Converting...\r\n梯图第0013行  错误代号 1009 网络水平线未连上\r\n");
    EXPECT_EQ(panes.InstructionList().text, listing);
}

} // namespace
} // namespace velmora
