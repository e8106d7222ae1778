#include "app/system_info.h"

#include <QCoreApplication>
#include <QStringList>
#include <QSysInfo>

namespace tessellon {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("SystemInfo", text);
}

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
    const auto value = [](const QString& v) { return Known(v) ? v : Tr("(unknown)"); };
    QStringList lines;
    lines << Tr("Operating system: ") + value(productName);
    lines << Tr("Kernel: ") + value(kernelType) + u' ' + value(kernelVersion);
    lines << Tr("CPU architecture: ") + value(cpuArch);
    lines << Tr("Built for: ") + value(buildCpuArch) + QStringLiteral(" (") + value(buildAbi) +
                 u')';
    lines << Tr("Qt version: ") + value(qtRuntime) + QStringLiteral(" (built with ") +
                 value(qtBuild) + u')';
    return lines.join(u'\n') + u'\n';
}

} // namespace tessellon
