#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace {

using namespace velmora::cli;

// Every command of the tool. Add a command with a line here and a file of its own.
constexpr std::array Commands{
    Command{"list", "LADDER", "print the instruction list of a ladder", RunList},
    Command{"convert", "LADDER [--il FILE] [--bin FILE]",
            "convert a ladder and write its instruction list and binary code file", RunConvert},
    Command{"check", "LADDER", "convert a ladder and report the result, writing nothing", RunCheck},
    Command{"export-old", "LADDER OUT.grp", "write the ladder in the old file layout",
            RunExportOld},
    Command{"comments", "export [--import FILE]... OUT.txt",
            "import symbol-comment files in order, then write the export file", RunComments},
    Command{"info", "LADDER", "print the ladder information and header words", RunInfo},
    Command{"save", "LADDER OUT", "save the ladder as the editor saves it, converting first",
            RunSave},
};

std::string Usage() {
    std::string text = "Usage: velmora-cli COMMAND [ARGUMENTS]\n"
                       "\n"
                       "Works on ladder files without a display.\n"
                       "\n"
                       "Commands:\n";
    for (const Command& c : Commands) {
        text += "  " + std::string(c.name) + " " + std::string(c.operands) + "\n      " +
                std::string(c.summary) + "\n";
    }
    text += "\n"
            "Options:\n"
            "  --help       show this help and exit\n"
            "  --version    show the version and exit\n"
            "\n"
            "'velmora-cli COMMAND --help' describes a command.\n"
            "Exit status: 0 success, 1 the ladder did not convert, 2 bad arguments, a file that\n"
            "cannot be read or written, or a malformed ladder file.\n";
    return text;
}

int Dispatch(int argc, char** argv) {
    if (argc < 2) {
        PrintError(Usage());
        return ExitTrouble;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintOut(Usage());
        return ExitSuccess;
    }
    if (name == "--version") {
        PrintOut("velmora-cli " VELMORA_VERSION "\n");
        return ExitSuccess;
    }
    const auto command = std::find_if(Commands.begin(), Commands.end(),
                                      [&](const Command& c) { return c.name == name; });
    if (command == Commands.end()) {
        return Trouble("unknown command '" + name + "' (see velmora-cli --help)");
    }
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    return command->run(arguments);
}

} // namespace

int main(int argc, char** argv) {
    int status = Dispatch(argc, argv);
    // A listing cut short (a full disk, a closed pipe) must not pass for a success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "velmora-cli: cannot write to standard output: %s\n",
                     std::strerror(errno));
        status = ExitTrouble;
    }
    return status;
}
