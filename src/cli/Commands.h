#pragma once

#include <span>
#include <string>

namespace velmora::cli {

// Each command lives in a file of its own and is listed in main.cpp's table. A command gets the
// arguments after its name and returns the exit status.
int RunList(std::span<const std::string> arguments);
int RunConvert(std::span<const std::string> arguments);
int RunCheck(std::span<const std::string> arguments);
// The document's file commands, run through the document's own handlers.
int RunExportOld(std::span<const std::string> arguments);
int RunComments(std::span<const std::string> arguments);
int RunInfo(std::span<const std::string> arguments);
int RunSave(std::span<const std::string> arguments);

} // namespace velmora::cli
