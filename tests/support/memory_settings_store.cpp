#include "tests/support/memory_settings_store.h"

namespace tessellon {

std::optional<StoredPref> MemorySettingsStore::Stored(PrefValue value) const {
    const auto it = values_.constFind(PrefValueName(value));
    if (it == values_.cend())
        return std::nullopt;
    if (it->typeId() == QMetaType::Int)
        return StoredPref{static_cast<std::int32_t>(it->toInt())};
    return StoredPref{it->toString()};
}

void MemorySettingsStore::SetRaw(PrefValue value, const QVariant& raw) {
    values_.insert(PrefValueName(value), raw);
}

QVariant MemorySettingsStore::ReadValue(const QString& name) const {
    return values_.value(name);
}

void MemorySettingsStore::WriteValue(const QString& name, const StoredPref& data) {
    writeLog_.append(name);
    if (readOnly_)
        return;
    values_.insert(name, std::visit([](const auto& v) { return QVariant(v); }, data));
}

} // namespace tessellon
