#include "cli/DocumentCommands.h"
#include "cli/DocumentSession.h"

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

int RunExportOld(int argc, char** argv) {
    const Arguments arguments = ParseArguments(argc, argv);
    if (arguments.help) {
        std::fputs(Help, stdout);
        return ExitSuccess;
    }
    if (!arguments.error.empty()) {
        return UsageError("export-old", arguments.error);
    }
    if (arguments.files.size() != 2) {
        return UsageError("export-old", "expects a ladder file and an output file");
    }
    DocumentSession document;
    if (!document.Open(arguments.files[0]) || !document.Convert()) {
        return ExitConversionFailed;
    }
    document.ui.chosenPaths.push_back(arguments.files[1]);
    return document.doc->OnSaveOldLadderFile() ? ExitSuccess : ExitConversionFailed;
}

} // namespace velmora::cli
