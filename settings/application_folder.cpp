#include "settings/application_folder.h"

#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tessellon {

QString ApplicationFolder::Resolve(const QString& appDir, const QString& programDir) {
    return appDir.isEmpty() ? programDir : appDir;
}

QString ApplicationFolder::Resolve(const SettingsStore& settings) {
    return Resolve(settings.GetPref(PrefValue::AppDir), QCoreApplication::applicationDirPath());
}

bool ApplicationFolder::CanCreateFilesIn(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(Join(folder, QStringLiteral("tessellon_probe_XXXXXX")));
    return probe.open();
}

QString ApplicationFolder::WritableDataFolder(const QString& appDir, const QString& programDir) {
    const QString folder = Resolve(appDir, programDir);
    if (CanCreateFilesIn(folder))
        return folder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty())
        return folder;
    QDir().mkpath(data);
    return data;
}

QString ApplicationFolder::WritableDataFolder(const SettingsStore& settings) {
    return WritableDataFolder(settings.GetPref(PrefValue::AppDir),
                              QCoreApplication::applicationDirPath());
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
