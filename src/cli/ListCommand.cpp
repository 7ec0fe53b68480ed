#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "platform/Gbk.h"

#include <array>

namespace velmora::cli {

namespace {

constexpr std::string_view Help =
    "Usage: velmora-cli list LADDER\n"
    "\n"
    "Converts the ladder file LADDER and prints its instruction list as the editor's\n"
    "instruction-list window shows it: one instruction a line, without the ladder row\n"
    "number, lines ended by LF (the instruction-list file written by 'convert --il' keeps the\n"
    "row padding and ends its lines with CR LF).\n"
    "\n"
    "When the ladder does not convert, prints the line of the last error to standard error,\n"
    "for example \"梯图第0013行  错误代号 1009 网络水平线未连上\", and prints no list.\n"
    "\n"
    "Exit status: 0 listed, 1 the ladder did not convert, 2 bad arguments or a ladder file that\n"
    "cannot be read or is malformed.\n";

// The row number the compiler appends to each line: two blanks and four columns.
constexpr std::size_t RowSuffixLength = 6;

} // namespace

int RunList(std::span<const std::string> arguments) {
    return ConvertOneLadder("list", arguments, Help, [](CliDocument& cli) {
        std::string listing;
        for (const std::string& line : cli.document.compiler.lines) {
            const std::size_t keep =
                line.size() > RowSuffixLength ? line.size() - RowSuffixLength : 0;
            listing += GbkToUtf8(std::string_view(line).substr(0, keep));
            listing += '\n';
        }
        PrintOut(listing);
        return ExitSuccess;
    });
}

} // namespace velmora::cli
