#pragma once

#include <map>
#include <string>

namespace velmora {

// The per-user profile: named values in sections (the recent-file list lives in
// "Recent File List" as File1 … File4).
class Profile {
public:
    virtual ~Profile() = default;
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& fallback = {}) const = 0;
    virtual void SetString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
    virtual void Remove(const std::string& section, const std::string& key) = 0;
};

// A profile kept in memory, for tests and for the command-line tool.
class MemoryProfile : public Profile {
public:
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback = {}) const override;
    void SetString(const std::string& section, const std::string& key,
                   const std::string& value) override;
    void Remove(const std::string& section, const std::string& key) override;

private:
    std::map<std::string, std::map<std::string, std::string>> values;
};

} // namespace velmora
