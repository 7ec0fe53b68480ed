#include "cli/Commands.h"
#include "cli/DocumentSession.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace velmora::cli {

namespace {

constexpr const char* Help =
    "Usage: velmora-cli comments export [--import FILE]... OUT.txt\n"
    "\n"
    "Writes a symbol-comment export file. The comments are read first from each FILE given\n"
    "with --import, in order, as the editor's import command reads them (a later file adds\n"
    "to and overrides an earlier one); without any, OUT.txt lists no comments.\n"
    "\n"
    "Exit status: 0 written, 1 a file could not be read or written, 2 wrong arguments.\n";

} // namespace

// --import may be given many times, so this command reads its own options.
int RunComments(std::span<const std::string> arguments) {
    std::vector<std::string> imports;
    std::vector<std::string> files;
    bool options = true;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (options && (argument == "--help" || argument == "-h")) {
            PrintOut(Help);
            return ExitSuccess;
        }
        if (options && argument == "--") {
            options = false;
        } else if (options && argument == "--import") {
            if (i + 1 >= arguments.size()) {
                return UsageError("comments", "--import needs a file");
            }
            imports.push_back(arguments[++i]);
        } else if (options && argument.starts_with("--import=")) {
            imports.push_back(argument.substr(9));
        } else if (options && argument.size() > 1 && argument[0] == '-') {
            return UsageError("comments", "unknown option '" + argument + "'");
        } else {
            files.push_back(argument);
        }
    }
    if (files.empty() || files[0] != "export") {
        return UsageError("comments", "the only subcommand is 'export'");
    }
    if (files.size() != 2) {
        return UsageError("comments", "export expects one output file");
    }

    DocumentSession document;
    document.doc->OnNewDocument();
    for (const std::string& file : imports) {
        if (file.empty()) {
            return UsageError("comments", "--import needs a file");
        }
        document.ui.chosenPaths.push_back(file);
        if (!document.doc->OnImportComments()) {
            return ExitConversionFailed;
        }
    }
    document.ui.chosenPaths.push_back(files[1]);
    return document.doc->OnExportComments() ? ExitSuccess : ExitConversionFailed;
}

} // namespace velmora::cli
