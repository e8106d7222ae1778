#pragma once

#include "calibration/profile_store.h"
#include "common/result.h"

#include <QString>
#include <QTextStream>

#include <memory>
#include <optional>

class QCommandLineParser;

namespace tessellon {

class PosterState;
class SettingsStore;

// The edge calibration profile options of the poster commands (--edge-profile, --profiles), also
// read by the `profiles` command. Profile files are only read, never written: a file named by
// --profiles must hold profiles; the application's own file gives the shipped profiles when it
// is missing or has none.
class CliProfiles {
public:
    static void AddOptions(QCommandLineParser& parser);

    struct Opened {
        std::unique_ptr<ProfileStore> store; // empty on failure
        QString error;                       // why the file could not be used
        QString warning;                     // a default file that could not be read
    };
    // The file of --profiles, or the default file of `settings` (the real settings when null).
    static Opened Open(const QCommandLineParser& parser, const SettingsStore* settings);

    // With --edge-profile: opens the profiles, selects the named one and turns the edge
    // compensation on. The store must outlive the poster's use of it, so it is kept in `holder`.
    // Warnings go to `err`.
    static Result<> Apply(const QCommandLineParser& parser, PosterState& poster,
                          const SettingsStore* settings, std::unique_ptr<ProfileStore>& holder,
                          QTextStream& err);
};

} // namespace tessellon
