#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include <array>

namespace velmora::cli {

namespace {

constexpr std::string_view Help =
    "Usage: velmora-cli convert LADDER [--il FILE] [--bin FILE]\n"
    "\n"
    "Converts the ladder file LADDER (a file whose name ends in CON is read in that layout) and,\n"
    "when it converts, writes the files asked for and prints \"Convert succeed!\":\n"
    "  --il FILE    the instruction list as text, one instruction a line ended by CR LF\n"
    "  --bin FILE   the binary code file the controller loads (code records, then the COD\n"
    "               data words)\n"
    "Each file is written whole or not at all: a temporary file beside it is renamed over it.\n"
    "\n"
    "When the ladder does not convert, prints the line of the last error to standard error,\n"
    "for example \"梯图第0013行  错误代号 1009 网络水平线未连上\", and writes no file.\n"
    "\n"
    "Exit status: 0 converted, 1 the ladder did not convert, 2 bad arguments, a ladder file that\n"
    "cannot be read or is malformed (\"无法打开梯形图文件!\"), or a file that cannot be written.\n";

constexpr std::array<OptionSpec, 2> Options{OptionSpec{"--il", true}, OptionSpec{"--bin", true}};

} // namespace

int RunConvert(std::span<const std::string> arguments) {
    constexpr std::array<std::string_view, 1> operands{"LADDER"};
    const auto parsed = ParseArguments("convert", arguments, Options, operands);
    if (!parsed) {
        return ExitTrouble;
    }
    if (parsed->help) {
        PrintOut(Help);
        return ExitSuccess;
    }
    const std::string& ladder = parsed->operands[0];
    const std::string* il = parsed->Value("--il");
    const std::string* bin = parsed->Value("--bin");
    // Writing over the ladder would destroy it; writing both files to one name would lose one.
    for (const std::string* output : {il, bin}) {
        if (output && SameFile(*output, ladder)) {
            return UsageError("convert", "'" + *output + "' is the ladder file itself");
        }
    }
    if (il && bin && SameFile(*il, *bin)) {
        return UsageError("convert", "--il and --bin name the same file");
    }

    CliDocument cli;
    if (!LoadLadder(ladder, cli)) {
        return ExitTrouble;
    }
    if (!ConvertLadder(cli)) {
        return ExitConversionFailed;
    }
    const LadderCompiler& compiler = cli.document.compiler;
    if (il) {
        std::string text;
        compiler.WriteInstructionText(text);
        if (!WriteOutputFile(*il, text)) {
            return ExitTrouble;
        }
    }
    if (bin) {
        std::string code;
        compiler.WriteBinaryCode(code);
        if (!WriteOutputFile(*bin, code)) {
            return ExitTrouble;
        }
    }
    PrintOut("Convert succeed!\n");
    return ExitSuccess;
}

} // namespace velmora::cli
