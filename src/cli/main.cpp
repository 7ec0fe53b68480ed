#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* Usage = "Usage: velmora-cli COMMAND [ARGUMENTS]\n"
                              "\n"
                              "Converts ladder files without a display.\n"
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
    std::fprintf(stderr, "velmora-cli: unknown command '%s' (see --help)\n", command.c_str());
    return 2;
}
