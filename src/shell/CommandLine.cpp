#include "shell/CommandLine.h"

#include <algorithm>
#include <cctype>

namespace velmora {

namespace {
bool SameSwitch(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

ShellCommand ParseCommandLine(const std::vector<std::string>& arguments) {
    using Action = ShellCommand::Action;
    ShellCommand command;
    for (const std::string& argument : arguments) {
        // A slash also begins every absolute path, so only the known switch names count as
        // switches; other words after '-' are switches this program does not use.
        if (argument.size() > 1 && (argument[0] == '/' || argument[0] == '-')) {
            const std::string_view name = std::string_view(argument).substr(1);
            if (SameSwitch(name, "pt")) {
                command.action = Action::PrintTo;
                continue;
            }
            if (SameSwitch(name, "p")) {
                command.action = Action::Print;
                continue;
            }
            if (SameSwitch(name, "dde")) {
                command.action = Action::DdeOpen;
                continue;
            }
            if (SameSwitch(name, "Unregister") || SameSwitch(name, "unregserver")) {
                command.action = Action::Unregister;
                continue;
            }
            if (argument[0] == '-') {
                continue;
            }
        }
        if (command.fileName.empty()) {
            command.fileName = argument;
        } else if (command.action == Action::PrintTo) {
            if (command.printerName.empty()) {
                command.printerName = argument;
            } else if (command.driverName.empty()) {
                command.driverName = argument;
            } else if (command.portName.empty()) {
                command.portName = argument;
            }
        }
    }
    return command;
}

} // namespace velmora
