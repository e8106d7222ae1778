#include "settings/settings_store.h"

#include "common/number_format.h"
#include "common/rounding.h"

namespace tessellon {
namespace {

// Only blanks are removed, as a stored text may legitimately hold other white space.
QString TrimBlanks(const QString& s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s.at(begin) == u' ')
        ++begin;
    while (end > begin && s.at(end - 1) == u' ')
        --end;
    return s.mid(begin, end - begin);
}

bool IsNumericType(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

} // namespace

QString PrefValueName(PrefValue value) {
    switch (value) {
    case PrefValue::AppDir:
        return QStringLiteral("app_dir");
    case PrefValue::LastFolder:
        return QStringLiteral("last_folder");
    case PrefValue::NumTiles:
        return QStringLiteral("prefs_numTiles");
    case PrefValue::EdgeAdjust:
        return QStringLiteral("prefs_edgeAdjust");
    case PrefValue::ShowTiles:
        return QStringLiteral("prefs_showTiles");
    case PrefValue::HeightEqualsWidth:
        return QStringLiteral("prefs_heightEqualsWidth");
    case PrefValue::PaperRegLine:
        return QStringLiteral("paperRegLine");
    case PrefValue::MarginLocked:
        return QStringLiteral("cmbMarginLocked");
    case PrefValue::Overlap:
        return QStringLiteral("prefs_overlap");
    case PrefValue::RotateTiles:
        return QStringLiteral("prefs_rotateTiles");
    case PrefValue::OutputType:
        return QStringLiteral("prefs_outputType");
    case PrefValue::AidLabels:
        return QStringLiteral("prefs_aidLabels");
    case PrefValue::AidMarks:
        return QStringLiteral("prefs_aidMarks");
    case PrefValue::AidOverviewPage:
        return QStringLiteral("prefs_aidOverviewPage");
    case PrefValue::AidOverviewImage:
        return QStringLiteral("prefs_aidOverviewImage");
    case PrefValue::Language:
        return QStringLiteral("prefs_language");
    }
    return {};
}

StoredPref SettingsStore::ToStoredPref(const QVariant& data) {
    if (data.typeId() == QMetaType::Bool)
        return std::int32_t{data.toBool() ? 1 : 0};
    if (IsNumericType(data)) {
        // Numbers are rounded directly; a detour through text could lose digits.
        if (const auto n = Nearest(data.toDouble()))
            return *n;
        return TrimBlanks(data.toString());
    }
    const QString text = data.toString();
    if (const auto number = ParseNumber(text)) {
        // A number too large for 32 bits stays text rather than being cut.
        if (const auto n = Nearest(*number))
            return *n;
    }
    return TrimBlanks(text);
}

QString SettingsStore::StoredToText(const QVariant& raw) {
    switch (raw.typeId()) {
    case QMetaType::QString: {
        QString text = raw.toString();
        const qsizetype nul = text.indexOf(QChar(u'\0'));
        if (nul >= 0)
            text.truncate(nul);
        return text;
    }
    // A 32-bit value, however the backend hands it over.
    case QMetaType::Int:
        return QString::number(raw.toInt());
    case QMetaType::UInt:
        return QString::number(raw.toUInt());
    default:
        return {};
    }
}

QString SettingsStore::GetPref(PrefValue value) const {
    return StoredToText(ReadValue(PrefValueName(value)));
}

int SettingsStore::SavePref(PrefValue value, const QVariant& data) {
    WriteValue(PrefValueName(value), ToStoredPref(data));
    return 1;
}

} // namespace tessellon
