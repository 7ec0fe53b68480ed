#include "cli/Commands.h"
#include "cli/DocumentSession.h"

#include <array>
#include <cstdio>

namespace velmora::cli {

namespace {

constexpr const char* Help =
    "Usage: velmora-cli save LADDER OUT\n"
    "\n"
    "Loads LADDER and saves it as OUT the way the editor saves: the ladder is converted\n"
    "first, so the header words follow the conversion, and the date is stamped. The row\n"
    "comments are repeated after the rows unless LADDER's name ends in .grp. A ladder that\n"
    "does not convert is saved all the same, with a warning.\n"
    "\n"
    "Exit status: 0 saved, 1 LADDER could not be loaded or OUT not written, 2 wrong\n"
    "arguments.\n";

} // namespace

int RunSave(std::span<const std::string> arguments) {
    constexpr std::array<std::string_view, 2> operands{"LADDER", "OUT"};
    const auto parsed = ParseArguments("save", arguments, {}, operands);
    if (!parsed) {
        return ExitTrouble;
    }
    if (parsed->help) {
        PrintOut(Help);
        return ExitSuccess;
    }
    const std::vector<std::string>& files = parsed->operands;
    DocumentSession document;
    if (!document.Open(files[0])) {
        return ExitConversionFailed;
    }
    document.ui.context = files[1];
    if (!document.doc->DoSave(files[1])) {
        return ExitConversionFailed;
    }
    const LadderCompiler& compiler = document.doc->compiler;
    if (compiler.errorCount > 0) {
        std::fprintf(stderr, "velmora-cli: %s: warning: %s\n", files[0].c_str(),
                     compiler.ReportLine().c_str());
    }
    return ExitSuccess;
}

} // namespace velmora::cli
