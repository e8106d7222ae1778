#include "cli/cli_profiles.h"

#include "common/file_kind.h"
#include "layout/poster_state.h"
#include "settings/qsettings_store.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace tessellon {

void CliProfiles::AddOptions(QCommandLineParser& p) {
    p.addOptions({
        {QStringLiteral("edge-profile"),
         QStringLiteral("Compensate the clipping of this edge calibration profile."),
         QStringLiteral("NAME")},
        {QStringLiteral("profiles"),
         QStringLiteral("Edge calibration profile file (default: the application's)."),
         QStringLiteral("FILE")},
    });
}

CliProfiles::Opened CliProfiles::Open(const QCommandLineParser& p, const SettingsStore* settings) {
    Opened opened;
    if (p.isSet(QStringLiteral("profiles"))) {
        const QString path = p.value(QStringLiteral("profiles"));
        // A file the user names is read as it is: a typing mistake must not create a file, and
        // a file without profiles must not be replaced by the shipped ones.
        if (const QString why = FileKind::WhyNotRegular(path); !why.isEmpty()) {
            opened.error = QStringLiteral("Profile file not found: %1").arg(path);
            // Something of that name that is no file says what it is.
            if (QFileInfo(path).exists())
                opened.error += QStringLiteral(" (%1)").arg(why);
            return opened;
        }
        auto store = std::make_unique<ProfileStore>(path);
        switch (store->ReadBorderPrefs()) {
        case ProfileFile::kRead:
            opened.store = std::move(store);
            break;
        case ProfileFile::kNoProfile:
            opened.error = QStringLiteral("No edge calibration profile in %1").arg(path);
            break;
        default:
            opened.error = QStringLiteral("Cannot read profile file %1").arg(path);
            break;
        }
        return opened;
    }

    // The application's own file is only read: its profiles, or the shipped ones when it has
    // none, and a line on what could not be taken over. Only the application writes it.
    const QSettingsStore real;
    opened.store = std::make_unique<ProfileStore>(
        ProfileStore(settings ? *settings : real).CurrentLocations());
    switch (opened.store->ReadBorderPrefs()) {
    case ProfileFile::kRead:
        if (!opened.store->LastReadWhole())
            opened.warning = QStringLiteral("Note: %1 could not be read exactly as it was "
                                            "written; it is left unchanged")
                                 .arg(opened.store->ReadPath());
        break;
    case ProfileFile::kUnreadable:
        opened.warning = QStringLiteral("Cannot read profile file %1 (%2); the shipped profiles "
                                        "are used")
                             .arg(opened.store->ReadPath(), opened.store->LastReadReason());
        opened.store->SetDefaultProfiles();
        break;
    case ProfileFile::kNoProfile:
        opened.warning =
            QStringLiteral("No edge calibration profile in %1; the shipped profiles are used")
                .arg(opened.store->ReadPath());
        opened.store->SetDefaultProfiles();
        break;
    default:
        opened.store->SetDefaultProfiles();
        break;
    }
    return opened;
}

Result<> CliProfiles::Apply(const QCommandLineParser& p, PosterState& poster,
                            const SettingsStore* settings, std::unique_ptr<ProfileStore>& holder,
                            QTextStream& err) {
    if (!p.isSet(QStringLiteral("edge-profile"))) {
        if (p.isSet(QStringLiteral("profiles")))
            return Result<>::Fail(QStringLiteral("--profiles needs --edge-profile NAME"));
        return Result<>::Ok();
    }
    Opened opened = Open(p, settings);
    if (!opened.store)
        return Result<>::Fail(opened.error);
    if (!opened.warning.isEmpty())
        err << opened.warning << Qt::endl;
    const QString name = p.value(QStringLiteral("edge-profile"));
    const qsizetype index = opened.store->Table().IndexOf(name);
    if (index < 0)
        return Result<>::Fail(
            QStringLiteral("Unknown edge calibration profile: %1 (see tessellon-cli profiles)")
                .arg(name));
    holder = std::move(opened.store);
    poster.SetProfileTable(&holder->Table());
    poster.SetCurrentProfile(index);
    poster.SetPrinterClips(true);
    return Result<>::Ok();
}

} // namespace tessellon
