#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Writes bytes to path through a temporary file in the same folder, flushed to disk and renamed
// over the target, so a failed write never destroys the old file. Returns false and fills error
// (when given) on failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

// Reads a whole file. Returns false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace velmora
