#pragma once

#include <string>

namespace velmora {

// The folder of the running executable, without a trailing slash; empty when it cannot be
// determined. Files that ship with the program (the default symbol comments) live there.
std::string ProgramDirectory();

} // namespace velmora
