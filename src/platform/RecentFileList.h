#pragma once

#include "platform/Profile.h"

#include <cstddef>
#include <string>
#include <vector>

namespace velmora {

// The most recently opened files, newest first, kept in the profile under "Recent File List"
// as File1 … File4.
class RecentFileList {
public:
    static constexpr std::size_t Size = 4;
    static constexpr const char* Section = "Recent File List";

    void Load(const Profile& profile);
    // Writes every slot; empty slots are removed from the profile.
    void Save(Profile& profile) const;

    // Puts the path first, dropping an older entry of the same path and the oldest beyond Size.
    void Add(const std::string& path);
    void Remove(std::size_t index);

    const std::vector<std::string>& Entries() const { return entries; }

private:
    std::vector<std::string> entries;
};

} // namespace velmora
