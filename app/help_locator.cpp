#include "app/help_locator.h"

#include "common/application_folder.h"
#include "common/string_table.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tessellon {
namespace {

bool IsFile(const QString& path) {
    // A folder that happens to carry the help file's name is no help file.
    return QFileInfo(path).isFile();
}

} // namespace

QString HelpLocator::HelpFileName() {
    return QStringLiteral("tessellon_help.html");
}

QString HelpLocator::GetHelpFilePath(const QString& appDir, const QString& programDir) {
    if (!appDir.isEmpty()) {
        const QString candidate = ApplicationFolder::Join(appDir, HelpFileName());
        if (IsFile(candidate))
            return candidate;
    }
    if (programDir.isEmpty())
        return {};
    const QString candidate = ApplicationFolder::Join(programDir, HelpFileName());
    if (IsFile(candidate))
        return candidate;
    const QString installed = ApplicationFolder::InstalledDataFolder(programDir);
    if (installed.isEmpty())
        return {};
    const QString shared = ApplicationFolder::Join(installed, HelpFileName());
    return IsFile(shared) ? shared : QString();
}

QString HelpLocator::GetHelpFilePath(const QString& appDir) {
    return GetHelpFilePath(appDir, QCoreApplication::applicationDirPath());
}

bool HelpLocator::IsMissing(const QString& helpFilePath) {
    return helpFilePath.isEmpty() || !IsFile(helpFilePath);
}

QString HelpLocator::MissingFileText() {
    return StringTable::Text(str::HelpFileIs) + QStringLiteral(" (") + HelpFileName().trimmed() +
           QStringLiteral(") ") + StringTable::Text(str::HelpFileMissing);
}

QString HelpLocator::MissingFileTitle() {
    return StringTable::Text(str::HelpFileMissingTitle);
}

} // namespace tessellon
