#include "settings/qsettings_store.h"

namespace tessellon {

QSettingsStore::QSettingsStore() = default;

QSettingsStore::QSettingsStore(const QString& iniFilePath) : iniFilePath_(iniFilePath) {}

std::unique_ptr<QSettings> QSettingsStore::Open() const {
    if (!iniFilePath_.isEmpty())
        return std::make_unique<QSettings>(iniFilePath_, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("QuillmarkSoftware"),
                                       QStringLiteral("Tessellon"));
}

QString QSettingsStore::Location() const {
    return Open()->fileName();
}

QVariant QSettingsStore::ReadValue(const QString& name) const {
    const auto settings = Open();
    if (settings->status() != QSettings::NoError)
        return {};
    return settings->value(name);
}

void QSettingsStore::WriteValue(const QString& name, const StoredPref& data) {
    const auto settings = Open();
    std::visit([&](const auto& v) { settings->setValue(name, v); }, data);
    // A failed write keeps the old value; the program goes on without a message.
    settings->sync();
}

} // namespace tessellon
