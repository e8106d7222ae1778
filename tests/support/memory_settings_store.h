#pragma once

#include "settings/settings_store.h"

#include <QHash>
#include <QStringList>

#include <optional>

namespace tessellon {

// A preference store held in memory. It keeps each value's type (32-bit integer or text),
// records the order of writes and can refuse writes, so the type rule and the write
// discipline can be checked without touching any real settings.
class MemorySettingsStore : public SettingsStore {
public:
    // The stored value, type included; empty when missing.
    std::optional<StoredPref> Stored(PrefValue value) const;
    // Puts a raw value in place (any type, e.g. a text with a NUL), bypassing the type rule.
    void SetRaw(PrefValue value, const QVariant& raw);
    void Clear() { values_.clear(); }

    // Names of all writes in order, refused ones included.
    const QStringList& WriteLog() const { return writeLog_; }
    void ClearWriteLog() { writeLog_.clear(); }
    // While set, every write fails silently and leaves the old value.
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

protected:
    QVariant ReadValue(const QString& name) const override;
    void WriteValue(const QString& name, const StoredPref& data) override;

private:
    QHash<QString, QVariant> values_;
    QStringList writeLog_;
    bool readOnly_ = false;
};

} // namespace tessellon
