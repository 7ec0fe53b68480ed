#include "platform/RecentFileList.h"

#include <algorithm>

namespace velmora {

namespace {
std::string Key(std::size_t index) { return "File" + std::to_string(index + 1); }
} // namespace

void RecentFileList::Load(const Profile& profile) {
    entries.clear();
    for (std::size_t i = 0; i < Size; ++i) {
        std::string path = profile.GetString(Section, Key(i));
        if (!path.empty() && std::find(entries.begin(), entries.end(), path) == entries.end()) {
            entries.push_back(std::move(path));
        }
    }
}

void RecentFileList::Save(Profile& profile) const {
    for (std::size_t i = 0; i < Size; ++i) {
        if (i < entries.size()) {
            profile.SetString(Section, Key(i), entries[i]);
        } else {
            profile.Remove(Section, Key(i));
        }
    }
}

void RecentFileList::Add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    entries.erase(std::remove(entries.begin(), entries.end(), path), entries.end());
    entries.insert(entries.begin(), path);
    if (entries.size() > Size) {
        entries.resize(Size);
    }
}

void RecentFileList::Remove(std::size_t index) {
    if (index < entries.size()) {
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

} // namespace velmora
