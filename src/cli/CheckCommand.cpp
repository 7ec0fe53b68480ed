#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include <array>

namespace velmora::cli {

namespace {

constexpr std::string_view Help =
    "Usage: velmora-cli check LADDER\n"
    "\n"
    "Converts the ladder file LADDER and reports the result without writing anything:\n"
    "\"Convert succeed!\" on standard output, or the line of the last error on standard error,\n"
    "for example \"梯图第0013行  错误代号 1009 网络水平线未连上\".\n"
    "\n"
    "Exit status: 0 converted, 1 the ladder did not convert, 2 bad arguments or a ladder file "
    "that\n"
    "cannot be read or is malformed (\"无法打开梯形图文件!\").\n";

} // namespace

int RunCheck(std::span<const std::string> arguments) {
    return ConvertOneLadder("check", arguments, Help, [](CliDocument&) {
        PrintOut("Convert succeed!\n");
        return ExitSuccess;
    });
}

} // namespace velmora::cli
