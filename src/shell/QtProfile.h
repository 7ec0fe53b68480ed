#pragma once

#include "platform/Profile.h"

#include <QSettings>

namespace velmora {

// The per-user profile in QSettings, under the organization "Local AppWizard-Generated
// Applications" and the application "Velmora"; sections are groups.
class QtProfile : public Profile {
public:
    static constexpr const char* Organization = "Local AppWizard-Generated Applications";
    static constexpr const char* Application = "Velmora";

    QtProfile();

    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback = {}) const override;
    void SetString(const std::string& section, const std::string& key,
                   const std::string& value) override;
    void Remove(const std::string& section, const std::string& key) override;
    void Sync() { settings.sync(); }

private:
    mutable QSettings settings;
};

} // namespace velmora
