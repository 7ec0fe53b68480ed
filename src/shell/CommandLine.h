#pragma once

#include <string>
#include <vector>

namespace velmora {

// What the command line asks of the program at start. Switches begin with '/' or '-' and are
// matched without regard to case; an unknown word after '/' is a path, after '-' it is ignored: /p
// FILE prints, /pt FILE PRINTER [DRIVER [PORT]] prints to a named printer, /dde FILE opens a file
// handed over by the desktop (in a running instance if there is one), /Unregister undoes the
// registration. A file name alone opens nothing.
struct ShellCommand {
    enum class Action { Nothing, Print, PrintTo, DdeOpen, Unregister };

    Action action = Action::Nothing;
    std::string fileName;
    std::string printerName;
    std::string driverName;
    std::string portName;
};

ShellCommand ParseCommandLine(const std::vector<std::string>& arguments);

} // namespace velmora
