#pragma once

#include "calibration/profile_file.h"
#include "calibration/profile_table.h"

#include <QString>
#include <QStringList>

#include <array>

namespace tessellon {

class MessageService;
class SettingsStore;

// The edge calibration profiles of the run and their file. Every change of the table is
// written to the file at once. A file that exists but cannot be read is never overwritten
// without a trace: the shipped profiles are used, nothing is written until the user changes a
// profile, and then the old file is first moved aside to printer_edge_config.bak.
class ProfileStore {
public:
    struct SaveResult {
        bool written = false;
        // The unreadable file was kept: nothing written (held) or moved to backupPath first.
        bool held = false;
        QString backupPath;
    };

    // The file lives in the application folder of `settings` (app_dir or the program's
    // folder), or in the user's application data folder when that folder is not writable.
    explicit ProfileStore(const SettingsStore& settings);
    // The file at a fixed path.
    explicit ProfileStore(QString filePath);
    ProfileStore(const ProfileStore&) = delete; // the poster state points at the table
    ProfileStore& operator=(const ProfileStore&) = delete;

    const ProfileTable& Table() const { return table_; }
    qsizetype Count() const { return table_.Count(); }

    QString GetProfileFilePath() const;

    // Reads the file into the table: 1 read (at least one profile), 0 no file, -33 no
    // profile in the file, -2 the file could not be read. The table changes only on 1.
    short ReadBorderPrefs();
    // Writes the whole table; failures leave the old file and keep the table in memory. While
    // an unreadable file is held, nothing is written.
    SaveResult SaveBorderPrefs();
    // Replaces the table by the three shipped profiles.
    void SetDefaultProfiles();
    static QList<EdgeProfile> ShippedProfiles();

    // Start of a run or of the dialog: read the file, fall back to the shipped profiles when it
    // gives none, and write the table back. Returns the result of ReadBorderPrefs.
    short LoadProfiles();

    // True while a file that could not be read is kept from being overwritten.
    bool HoldsUnreadableFile() const { return holdUnreadable_; }

    // --- Changes by the user; each one is saved at once ---
    // Appends a profile with all values 0. An empty name does nothing; a name with a TAB or a
    // line break, or a full table, is refused with a message. True when appended (last).
    bool CreateProfile(const QString& name, MessageService& messages);
    // Renames profile `index`; an empty or unchanged name does nothing, an invalid one is
    // refused with a message. True when renamed.
    bool RenameProfile(qsizetype index, const QString& newName, MessageService& messages);
    // Refuses to delete the only profile (message), otherwise asks; only Yes deletes.
    bool DeleteProfile(qsizetype index, MessageService& messages);
    // Copies the dialog's four edge selector positions (top, right, bottom, left) into
    // profile `index`, brought into 0..16.
    bool StoreEdgeSelections(qsizetype index, const std::array<int, 4>& positions);

    // True when the table holds at most three profiles and `currentProfile` clips nothing.
    bool IsInitialProfile(qsizetype currentProfile) const;

    // The entry the main window's profile selector selects after a refill: the last name equal
    // to the text it showed, else its old index, else 0.
    static int SelectionAfterRefill(const QStringList& names, const QString& previousText,
                                    int previousIndex);

    // Empty when `name` may be stored, else the reason.
    static QString CheckProfileName(const QString& name);

    static QString OnlyProfileText();
    static QString OnlyProfileTitle();
    static QString DeleteQuestion(const QString& name);
    static QString DeleteTitle();
    static QString InvalidNameText();
    static QString InvalidNameTitle();
    static QString TableFullText();
    static QString TableFullTitle();

private:
    SaveResult SaveUserChange();
    QString FreeBackupPath() const;

    const SettingsStore* settings_ = nullptr;
    QString fixedPath_;
    ProfileTable table_;
    bool holdUnreadable_ = false;
};

} // namespace tessellon
