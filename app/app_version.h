#pragma once

#include <QString>

namespace tessellon {

// The version as the program shows it: major, ".", minor and revision run together
// ("1.0.0" shows as 1.00, "2.1.12" as 2.112).
QString GetAppVersionString(const QString& version = QStringLiteral(TESSELLON_VERSION));

} // namespace tessellon
