#include "cli/CliSupport.h"

#include <array>

#include "document/LadderFile.h"
#include "platform/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace velmora::cli {

const std::string* ParsedArguments::Value(std::string_view option) const {
    const auto found = values.find(option);
    return found == values.end() ? nullptr : &found->second;
}

std::optional<ParsedArguments> ParseArguments(std::string_view command,
                                              std::span<const std::string> arguments,
                                              std::span<const OptionSpec> options,
                                              std::span<const std::string_view> operands) {
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            parsed.operands.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            parsed.help = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const OptionSpec& o) { return o.name == name; });
        if (option == options.end()) {
            UsageError(command, "unknown option '" + name + "'");
            return std::nullopt;
        }
        if (parsed.Has(name)) {
            UsageError(command, "option '" + name + "' given twice");
            return std::nullopt;
        }
        std::string value;
        if (option->takesValue) {
            if (equals != std::string::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                UsageError(command, "option '" + name + "' needs a file name");
                return std::nullopt;
            }
            if (value.empty()) {
                UsageError(command, "option '" + name + "' needs a file name");
                return std::nullopt;
            }
        } else if (equals != std::string::npos) {
            UsageError(command, "option '" + name + "' takes no value");
            return std::nullopt;
        }
        parsed.values.emplace(name, std::move(value));
    }
    if (parsed.help) {
        return parsed;
    }
    if (parsed.operands.size() < operands.size()) {
        UsageError(command, "missing " + std::string(operands[parsed.operands.size()]));
        return std::nullopt;
    }
    if (parsed.operands.size() > operands.size()) {
        UsageError(command, "unexpected argument '" + parsed.operands[operands.size()] + "'");
        return std::nullopt;
    }
    return parsed;
}

int UsageError(std::string_view command, std::string_view message) {
    PrintError("velmora-cli " + std::string(command) + ": " + std::string(message) +
               "\nTry 'velmora-cli " + std::string(command) + " --help'.\n");
    return ExitTrouble;
}

int Trouble(std::string_view message) {
    PrintError("velmora-cli: " + std::string(message) + "\n");
    return ExitTrouble;
}

void PrintOut(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void PrintError(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stderr); }

bool LoadLadder(const std::string& path, CliDocument& cli) {
    std::string bytes;
    errno = 0;
    if (!ReadWholeFile(path, bytes)) {
        // The reader fails without an errno for anything that is not a regular file.
        const char* why = errno != 0 ? std::strerror(errno) : "not a regular file";
        Trouble("cannot read '" + path + "': " + why);
        return false;
    }
    CVelmoraDoc& doc = cli.document;
    if (!ReadLadder(bytes, path, doc.program, doc.oldProgram, doc.info, *doc.symbolComments,
                    doc.compiler, cli.panes, cli.ui)) {
        PrintError("无法打开梯形图文件!\n");
        return false;
    }
    ExpandBoxes(doc.program, cli.ui);
    return true;
}

bool ConvertLadder(CliDocument& cli) {
    LadderCompiler& compiler = cli.document.compiler;
    compiler.errorCount = 0;
    compiler.Convert();
    if (compiler.errorCount > 0) {
        cli.document.converted = 0;
        PrintError(compiler.ReportLine() + "\n");
        return false;
    }
    cli.document.converted = 1;
    return true;
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool WriteOutputFile(const std::string& path, std::string_view bytes) {
    std::string error;
    if (!WriteFileAtomically(path, bytes, &error)) {
        // The writer's message starts with the path; name the path quoted as elsewhere.
        const std::string prefix = path + ": ";
        if (error.starts_with(prefix)) {
            error.erase(0, prefix.size());
        }
        Trouble("cannot write '" + path + "': " + error);
        return false;
    }
    return true;
}

int ConvertOneLadder(std::string_view command, std::span<const std::string> arguments,
                     std::string_view help, const std::function<int(CliDocument&)>& onConverted) {
    constexpr std::array<std::string_view, 1> operands{"LADDER"};
    const auto parsed = ParseArguments(command, arguments, {}, operands);
    if (!parsed) {
        return ExitTrouble;
    }
    if (parsed->help) {
        PrintOut(help);
        return ExitSuccess;
    }
    CliDocument cli;
    if (!LoadLadder(parsed->operands[0], cli)) {
        return ExitTrouble;
    }
    if (!ConvertLadder(cli)) {
        return ExitConversionFailed;
    }
    return onConverted(cli);
}

} // namespace velmora::cli
