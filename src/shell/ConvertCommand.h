#pragma once

#include "platform/OutputPanes.h"

#include <cstdint>

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
    panes.ShowInstructionList(compiler.lines);
}

} // namespace velmora
