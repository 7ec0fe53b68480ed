#pragma once

#include "platform/Gbk.h"
#include "platform/OutputPanes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// The convert command (F7) on the active document: runs its compiler and reports in the panes.
// Only the last recorded error is shown, as one line; a failure leaves the instruction-list pane
// with whatever an earlier conversion put there. `converted` is the document's flag that the file
// commands test. Compiler is the document's LadderCompiler.
template <class Compiler>
void RunConvertCommand(Compiler& compiler, std::uint8_t& converted, OutputPanes& panes) {
    panes.ClearOutput();
    panes.AppendOutputLine("Converting...");
    compiler.errorCount = 0;
    compiler.Convert();
    if (compiler.errorCount > 0) {
        converted = 0;
        panes.AppendOutputLine(compiler.ReportLine());
        return;
    }
    converted = 1;
    panes.AppendOutputLine("Convert succeed!");
    // Lines carry the ladder's GBK operand bytes; the panes show UTF-8.
    std::vector<std::string> shown;
    shown.reserve(compiler.lines.size());
    for (const std::string& line : compiler.lines) {
        shown.push_back(GbkToUtf8(line));
    }
    panes.ShowInstructionList(shown);
}

} // namespace velmora
