#pragma once

#include "document/CVelmoraDoc.h"
#include "platform/OutputPanes.h"
#include "platform/Ui.h"

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

// Exit statuses shared by every command.
enum ExitStatus : int {
    ExitSuccess = 0,
    ExitConversionFailed = 1,
    // Bad arguments, a ladder that cannot be read or is malformed, a file that cannot be written.
    ExitTrouble = 2,
};

// A command: its name on the command line, its operands for the overview, a one-line summary
// and the function that runs it with the arguments after its name.
struct Command {
    std::string_view name;
    std::string_view operands;
    std::string_view summary;
    int (*run)(std::span<const std::string> arguments);
};

// An option a command accepts; "--name VALUE" and "--name=VALUE" when it takes a value.
struct OptionSpec {
    std::string_view name; // with its dashes
    bool takesValue = false;
};

struct ParsedArguments {
    bool help = false;
    std::vector<std::string> operands;
    std::map<std::string, std::string, std::less<>> values; // option name -> value or ""

    bool Has(std::string_view option) const { return values.find(option) != values.end(); }
    // The value of an option that was given, else nullptr.
    const std::string* Value(std::string_view option) const;
};

// Splits a command's arguments into options and operands. "--help" anywhere asks for the
// command's help; "--" ends the options, so a file may be called "--il". The operands named
// (e.g. "LADDER") are all required unless help was asked for, and no others are taken. A usage
// error is reported on standard error and gives nothing.
std::optional<ParsedArguments> ParseArguments(std::string_view command,
                                              std::span<const std::string> arguments,
                                              std::span<const OptionSpec> options,
                                              std::span<const std::string_view> operands);

// Reports a usage error of a command and returns ExitTrouble.
int UsageError(std::string_view command, std::string_view message);
// Reports trouble that is not about the arguments ("velmora-cli: message") and returns
// ExitTrouble.
int Trouble(std::string_view message);

void PrintOut(std::string_view text);
void PrintError(std::string_view text);

// A document with nobody watching: message boxes go nowhere and the output panes are not
// shown. Commands load a ladder into it as opening a document does.
class CliDocument {
public:
    CliDocument() = default;
    CliDocument(const CliDocument&) = delete;
    CliDocument& operator=(const CliDocument&) = delete;

    OutputPanes panes;
    SilentUi ui;
    CVelmoraDoc document{panes, ui};
};

// Loads the ladder file at path into the document as opening it in the editor does: a file of
// length 0 is a ladder without rows, the "CON" layout is chosen by the file's name, and boxes of
// older files get their full height. A file that cannot be read or is malformed is reported on
// standard error; the result is then false.
bool LoadLadder(const std::string& path, CliDocument& cli);

// Empties the error list and converts. On failure the report line of the last error goes to
// standard error. The document counts as converted only after a success.
bool ConvertLadder(CliDocument& cli);

// The common course of a command that takes one ladder and converts it: arguments, help, loading
// and conversion as above; onConverted runs only after a successful conversion and gives the
// exit status.
int ConvertOneLadder(std::string_view command, std::span<const std::string> arguments,
                     std::string_view help, const std::function<int(CliDocument&)>& onConverted);

// Whether two paths name the same file: the same text, or the same existing file however it is
// spelt.
bool SameFile(const std::string& a, const std::string& b);

// Writes a whole file atomically; a failure is reported on standard error.
bool WriteOutputFile(const std::string& path, std::string_view bytes);

} // namespace velmora::cli
