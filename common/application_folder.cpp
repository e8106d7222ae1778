#include "common/application_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace tessellon {

QString ApplicationFolder::Resolve(const QString& appDir, const QString& programDir) {
    return appDir.isEmpty() ? programDir : appDir;
}

QString ApplicationFolder::Resolve(const QString& appDir) {
    return Resolve(appDir, QCoreApplication::applicationDirPath());
}

bool ApplicationFolder::CanCreateFilesIn(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(Join(folder, QStringLiteral("tessellon_probe_XXXXXX")));
    return probe.open();
}

bool ApplicationFolder::UsesUserDataFolder(const QString& appDir, const QString& programDir) {
    const bool installed = appDir.isEmpty() && !InstalledDataFolder(programDir).isEmpty();
    return installed || !CanCreateFilesIn(Resolve(appDir, programDir));
}

bool ApplicationFolder::UsesUserDataFolder(const QString& appDir) {
    return UsesUserDataFolder(appDir, QCoreApplication::applicationDirPath());
}

QString ApplicationFolder::InstalledDataFolder(const QString& programDir) {
    if (programDir.isEmpty())
        return {};
    const QString folder =
        QDir::cleanPath(Join(programDir, QStringLiteral(TESSELLON_DATA_FROM_BIN)));
    return QFileInfo(folder).isDir() ? folder : QString();
}

QString ApplicationFolder::Join(const QString& folder, const QString& fileName) {
    if (folder.endsWith(u'/'))
        return folder + fileName;
#ifdef Q_OS_WIN
    // Folders typed into the settings on Windows use the native separator.
    if (folder.endsWith(u'\\'))
        return folder + fileName;
#endif
    return folder + u'/' + fileName;
}

} // namespace tessellon
