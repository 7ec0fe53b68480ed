#include "shell/QtProfile.h"

namespace velmora {

namespace {
QString KeyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}
} // namespace

QtProfile::QtProfile()
    : settings(QString::fromUtf8(Organization), QString::fromUtf8(Application)) {}

std::string QtProfile::GetString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
    const QVariant value = settings.value(KeyOf(section, key));
    return value.isValid() ? value.toString().toStdString() : fallback;
}

void QtProfile::SetString(const std::string& section, const std::string& key,
                          const std::string& value) {
    settings.setValue(KeyOf(section, key), QString::fromStdString(value));
}

void QtProfile::Remove(const std::string& section, const std::string& key) {
    settings.remove(KeyOf(section, key));
}

} // namespace velmora
