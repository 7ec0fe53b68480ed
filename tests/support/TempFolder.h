#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::testing {

// A fresh folder under the system's temporary folder, removed with its content at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path; }
    // The path of a file in the folder.
    std::string File(std::string_view name) const { return path + "/" + std::string(name); }

private:
    std::string path;
};

// A file's bytes; nothing when it cannot be read.
std::optional<std::string> FileBytes(const std::string& path);
// Writes a file plainly (test input), failing the test when that is impossible.
void PutFile(const std::string& path, std::string_view bytes);

} // namespace velmora::testing
