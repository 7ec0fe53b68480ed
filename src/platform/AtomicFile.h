#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Writes bytes to path through a temporary file in the same folder, flushed to disk and renamed
// over the target, so a failed write never destroys the old file. Returns false and fills error
// (when given) on failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

// Reads a whole regular file. Returns false, leaving bytes as they were, when the path is not a
// regular file or cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace velmora
