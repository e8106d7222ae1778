#pragma once

#include "settings/settings_store.h"

#include <QSettings>

#include <memory>

namespace tessellon {

// The preference store on QSettings: the user's native settings of QuillmarkSoftware /
// Tessellon (the registry on Windows), or an INI file of the caller's choosing.
class QSettingsStore : public SettingsStore {
public:
    // The user's own settings of the program.
    QSettingsStore();
    // An INI file at `iniFilePath`, so tests never touch the user's settings.
    explicit QSettingsStore(const QString& iniFilePath);

    // Where the values live (registry path or file name), for messages and tests.
    QString Location() const;

protected:
    QVariant ReadValue(const QString& name) const override;
    void WriteValue(const QString& name, const StoredPref& data) override;

private:
    // A fresh QSettings per operation: every write reaches the store before the call returns.
    std::unique_ptr<QSettings> Open() const;

    QString iniFilePath_;
};

} // namespace tessellon
