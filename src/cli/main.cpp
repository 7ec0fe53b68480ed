#include "cli/DocumentCommands.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* Usage = "Usage: velmora-cli COMMAND [ARGUMENTS]\n"
                              "\n"
                              "Converts ladder files without a display.\n"
                              "\n"
                              "Commands:\n"
                              "  export-old LADDER OUT.grp     write the old ladder layout\n"
                              "  comments export [--import FILE]... OUT.txt\n"
                              "                                write a symbol-comment file\n"
                              "  info LADDER                   print the ladder information\n"
                              "  save LADDER OUT               save as the editor saves\n"
                              "\n"
                              "Options:\n"
                              "  --help       show this help and exit\n"
                              "  --version    show the version and exit\n";

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("velmora-cli %s\n", VELMORA_VERSION);
        return 0;
    }
    if (command == "export-old") {
        return velmora::cli::RunExportOld(argc - 1, argv + 1);
    }
    if (command == "comments") {
        return velmora::cli::RunComments(argc - 1, argv + 1);
    }
    if (command == "info") {
        return velmora::cli::RunInfo(argc - 1, argv + 1);
    }
    if (command == "save") {
        return velmora::cli::RunSave(argc - 1, argv + 1);
    }
    std::fprintf(stderr, "velmora-cli: unknown command '%s' (see --help)\n", command.c_str());
    return 2;
}
