#include "app/app_version.h"

#include <QStringList>

namespace tessellon {

QString GetAppVersionString(const QString& version) {
    const QStringList parts = version.split(u'.');
    auto part = [&parts](int i) {
        bool ok = false;
        const int v = i < parts.size() ? parts.at(i).trimmed().toInt(&ok) : 0;
        return QString::number(ok ? v : 0);
    };
    return part(0) + u'.' + part(1) + part(2);
}

} // namespace tessellon
