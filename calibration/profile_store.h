#pragma once

#include "calibration/profile_file.h"
#include "calibration/profile_table.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tessellon {

class MessageService;
class SettingsStore;

// The edge calibration profiles of the run and their file. Every change of the table is
// written to the file at once; a write that would not change the file is left out. When the
// file changed since it was read (another window wrote it), the two tables are merged by
// profile name before writing, so neither side's profiles are lost. A change the user made
// that cannot be written is told through the message service.
//
// The user's file is never lost without a trace. A file the reader could not take over exactly
// (lines skipped or cut off, values changed, an encoding it had to guess) is copied to
// printer_edge_config.bak (.bak2, ... when that exists) before it is first replaced. A file
// that exists but cannot be read is not written over: the shipped profiles are used, and when
// the user changes a profile the old file is first moved aside the same way. Each backup, and
// a file that moves to the user's data folder, is told once through the notice service.
class ProfileStore {
public:
    struct SaveResult {
        bool written = false; // the file holds the table (now or already)
        // An unreadable or not wholly read file was kept: nothing written (held), or it was
        // kept as backupPath first.
        bool held = false;
        QString backupPath;
        QString error; // why the file was not written
    };

    // Where the file lives. `file` is in the application folder; `fallback`, when set, is the
    // file in the user's data folder used because the application folder cannot be written:
    // it is read once it exists (else `file` is), and every write goes there.
    struct Locations {
        QString file;
        QString fallback;
    };

    // The file of the application folder of `settings` (app_dir or the program's folder).
    // `notices` (optional) is told of backups and of a moved file.
    explicit ProfileStore(const SettingsStore& settings, MessageService* notices = nullptr);
    // The file at a fixed path.
    explicit ProfileStore(QString filePath, MessageService* notices = nullptr);
    explicit ProfileStore(Locations locations, MessageService* notices = nullptr);
    ProfileStore(const ProfileStore&) = delete; // the poster state points at the table
    ProfileStore& operator=(const ProfileStore&) = delete;

    const ProfileTable& Table() const { return table_; }
    qsizetype Count() const { return table_.Count(); }

    // The file the table is written to.
    QString GetProfileFilePath() const;
    // The file the table was last read from.
    const QString& ReadPath() const { return readPath_; }
    Locations CurrentLocations() const;

    // Reads the file into the table: 1 read (at least one profile), 0 no file, -33 no
    // profile in the file, -2 the file could not be read. The table changes only on 1.
    short ReadBorderPrefs();
    // Whether the last read took the file over exactly, and why a file could not be read.
    bool LastReadWhole() const { return lastWhole_; }
    const QString& LastReadReason() const { return lastReason_; }
    // Writes the whole table, merged with what another instance wrote meanwhile; failures
    // leave the old file and keep the table in memory. While an unreadable file is held,
    // nothing is written.
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
    static QString NoticeTitle();
    static QString BackupNotice(const QString& backupPath, const QString& reason);
    static QString MovedNotice(const QString& filePath);
    static QString NotSavedText(const QString& filePath, const QString& reason);

private:
    SaveResult Save(bool userChange);
    // Saves a change the user made and tells `messages` (when given) when it cannot be saved.
    void SaveUserChange(MessageService* messages);
    static QString FreeBackupPath(const QString& path);

    const SettingsStore* settings_ = nullptr;
    Locations fixed_;
    MessageService* notices_ = nullptr;
    ProfileTable table_;
    QString readPath_;
    bool lastWhole_ = false;
    QString lastReason_;
    bool holdUnreadable_ = false;
    // The file read from must be kept before it is replaced.
    bool backupFirst_ = false;
    // The table as the file at readPath_ holds it byte for byte, when known.
    std::optional<QList<EdgeProfile>> synced_;
};

} // namespace tessellon
