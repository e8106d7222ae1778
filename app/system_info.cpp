#include "app/system_info.h"

#include <QCoreApplication>
#include <QStringList>
#include <QSysInfo>

namespace tessellon {
namespace {

bool Known(const QString& value) {
    return !value.trimmed().isEmpty() && value.compare(u"unknown", Qt::CaseInsensitive) != 0;
}

} // namespace

SystemInfo SystemInfo::Current() {
    SystemInfo info;
    info.productName = QSysInfo::prettyProductName();
    info.kernelType = QSysInfo::kernelType();
    info.kernelVersion = QSysInfo::kernelVersion();
    info.cpuArch = QSysInfo::currentCpuArchitecture();
    info.buildCpuArch = QSysInfo::buildCpuArchitecture();
    info.buildAbi = QSysInfo::buildAbi();
    info.qtRuntime = QString::fromLatin1(qVersion());
    info.qtBuild = QStringLiteral(QT_VERSION_STR);
    return info;
}

bool SystemInfo::IsAvailable() const {
    return Known(productName) || Known(kernelType) || Known(kernelVersion);
}

QString SystemInfo::Report() const {
    const auto value = [](const QString& v) {
        return Known(v) ? v : QCoreApplication::translate("SystemInfo", "(unknown)");
    };
    QStringList lines;
    lines << QCoreApplication::translate("SystemInfo", "Operating system: ") + value(productName);
    lines << QCoreApplication::translate("SystemInfo", "Kernel: ") + value(kernelType) + u' ' +
                 value(kernelVersion);
    lines << QCoreApplication::translate("SystemInfo", "CPU architecture: ") + value(cpuArch);
    lines << QCoreApplication::translate("SystemInfo", "Built for: ") + value(buildCpuArch) +
                 QStringLiteral(" (") + value(buildAbi) + u')';
    lines << QCoreApplication::translate("SystemInfo", "Qt version: ") + value(qtRuntime) +
                 QStringLiteral(" (built with ") + value(qtBuild) + u')';
    return lines.join(u'\n') + u'\n';
}

} // namespace tessellon
