#include "cli/Commands.h"
#include "cli/DocumentSession.h"

#include <array>
#include <cstdio>

namespace velmora::cli {

namespace {

constexpr const char* Help =
    "Usage: velmora-cli export-old LADDER OUT.grp\n"
    "\n"
    "Writes LADDER in the old ladder layout, which keeps some boxes in a single row.\n"
    "The ladder is converted first, as the editor requires; a ladder that does not convert\n"
    "or that uses an instruction the old layout lacks is refused and OUT.grp is left as it\n"
    "was.\n"
    "\n"
    "Exit status: 0 written, 1 refused or failed, 2 wrong arguments.\n";

} // namespace

int RunExportOld(std::span<const std::string> arguments) {
    constexpr std::array<std::string_view, 2> operands{"LADDER", "OUT.grp"};
    const auto parsed = ParseArguments("export-old", arguments, {}, operands);
    if (!parsed) {
        return ExitTrouble;
    }
    if (parsed->help) {
        PrintOut(Help);
        return ExitSuccess;
    }
    DocumentSession document;
    if (!document.Open(parsed->operands[0]) || !document.Convert()) {
        return ExitConversionFailed;
    }
    document.ui.chosenPaths.push_back(parsed->operands[1]);
    return document.doc->OnSaveOldLadderFile() ? ExitSuccess : ExitConversionFailed;
}

} // namespace velmora::cli
