#pragma once

#include <QString>

namespace tessellon {

// Where the help file is looked for and what is said when it is not there. The file is searched
// under its own name in the installation folder named by the settings value `app_dir` first,
// then beside the program, then in the data folder of an installed program.
class HelpLocator {
public:
    // The help file's name, without a folder.
    static QString HelpFileName();

    // The full path of the help file, or an empty text when neither folder holds it. An empty
    // `appDir` skips the first place.
    static QString GetHelpFilePath(const QString& appDir, const QString& programDir);
    // The same, with the running program's folder.
    static QString GetHelpFilePath(const QString& appDir);

    // True when `helpFilePath` is empty or names no existing file.
    static bool IsMissing(const QString& helpFilePath);

    // The message box shown when the help file cannot be found; it names the file.
    static QString MissingFileText();
    static QString MissingFileTitle();
};

} // namespace tessellon
