#pragma once

#include <QString>

namespace tessellon {

// The first nChar characters of s; all of s when nChar exceeds its length, "" below 1.
QString sleft(const QString& s, int nChar);
// The last nChar characters of s; "" for nChar 0.
QString sRight(const QString& s, int nChar);
// s without suffix when it ends with it (case-sensitive), else s unchanged.
QString TrimSuffix(const QString& s, const QString& suffix);

} // namespace tessellon
