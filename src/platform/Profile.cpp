#include "platform/Profile.h"

namespace velmora {

std::string MemoryProfile::GetString(const std::string& section, const std::string& key,
                                     const std::string& fallback) const {
    const auto s = values.find(section);
    if (s == values.end()) {
        return fallback;
    }
    const auto v = s->second.find(key);
    return v == s->second.end() ? fallback : v->second;
}

void MemoryProfile::SetString(const std::string& section, const std::string& key,
                              const std::string& value) {
    values[section][key] = value;
}

void MemoryProfile::Remove(const std::string& section, const std::string& key) {
    const auto s = values.find(section);
    if (s != values.end()) {
        s->second.erase(key);
    }
}

} // namespace velmora
