#pragma once

#include "calibration/edge_profile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace tessellon {

// The text file of edge calibration profiles: one line per profile, the name, a TAB and the
// four clip values top, right, bottom, left as two digits each followed by ",", ended by CR LF:
//   Kodak photo lab default<TAB>03,04,03,02,<CR><LF>
class ProfileFile {
public:
    // Results of Read; only kRead is a success.
    static constexpr short kRead = 1;
    static constexpr short kNoFile = 0;
    static constexpr short kNoProfile = -33;
    static constexpr short kUnreadable = -2;

    // Never more profiles than this are read back, however long the file is.
    static constexpr int kMaxProfiles = 199;

    struct ReadResult {
        short result = kNoFile;
        QList<EdgeProfile> profiles; // filled only when result is kRead
        // True when writing `profiles` back gives the file's bytes exactly: nothing was
        // skipped, cut off, changed or decoded by guesswork. False for a file that exists but
        // gave no profile.
        bool whole = false;
        QString reason; // why an existing file could not be read
    };

    static QString FileName() { return QStringLiteral("printer_edge_config"); }

    // Splits one line (without its line end). Empty when the line holds no TAB. The name is
    // everything before the first TAB. The values are the first four comma-separated numbers
    // after it (so 3,4,3,2, reads as written); failing that, the two characters after the TAB
    // and each third character on. Values are rounded down, a field that is no number gives 0,
    // and values are brought into 0..16.
    static std::optional<EdgeProfile> ParseProfileLine(const QString& line);
    // The line of one profile, CR LF included.
    static QString FormatProfileLine(const EdgeProfile& profile);
    // The whole file's bytes: names in UTF-8 (plain ASCII names give plain ASCII).
    static QByteArray Encode(const QList<EdgeProfile>& profiles);

    // Reads at most kMaxProfiles profiles; lines without a TAB are skipped. UTF-8 and, with
    // their byte order mark, UTF-16 and UTF-32 files are read as such; other bytes in the
    // system's 8-bit code page.
    static ReadResult Read(const QString& path);
    struct WriteResult {
        QString error; // why the file could not be written; empty when it was
        explicit operator bool() const { return error.isEmpty(); }
    };
    // Replaces the file atomically: either the complete new table is there or the old file
    // is left untouched. A symbolic link of that name is replaced itself, not followed; a
    // folder, device or pipe of that name is refused.
    static WriteResult Write(const QString& path, const QList<EdgeProfile>& profiles);
};

} // namespace tessellon
