#pragma once

#include <QString>

namespace tessellon {

// The application folder: the folder named by the settings value app_dir (which the program
// only reads), or the program's own folder when that value is empty. The one-argument forms
// take the program's own folder from the running program.
class ApplicationFolder {
public:
    static QString Resolve(const QString& appDir);
    static QString Resolve(const QString& appDir, const QString& programDir);

    // Whether files the program writes beside itself (the edge profile file) go to the user's
    // application data folder instead of the application folder: when files cannot be created
    // there, or when the program is an installed one, whose folder is shared by all users even
    // where one of them may write it.
    static bool UsesUserDataFolder(const QString& appDir);
    static bool UsesUserDataFolder(const QString& appDir, const QString& programDir);

    // The installed data folder (the help file) when `programDir` is the program folder of an
    // installation, empty otherwise: a program run from its build folder has none.
    static QString InstalledDataFolder(const QString& programDir);

    // True when a file can actually be created in `folder`. Permission bits alone are not
    // trusted: on Windows they do not reflect access rights.
    static bool CanCreateFilesIn(const QString& folder);

    // `folder` and `fileName` with exactly one separator between them.
    static QString Join(const QString& folder, const QString& fileName);
};

} // namespace tessellon
