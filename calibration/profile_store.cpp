#include "calibration/profile_store.h"

#include "common/application_folder.h"
#include "common/message_service.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace tessellon {
namespace {

// The table after both changes: `ours` made from `base` here, `theirs` what another window
// or program wrote over `base` meanwhile. Profiles are matched by name; a profile only one side
// changed takes that side's values, one only the other side added or deleted is added or
// deleted here too, and where both changed one, ours wins.
QList<EdgeProfile> MergeByName(const QList<EdgeProfile>& base, const QList<EdgeProfile>& ours,
                               const QList<EdgeProfile>& theirs) {
    const auto find = [](const QList<EdgeProfile>& list, const QString& name) {
        return std::find_if(list.begin(), list.end(),
                            [&name](const EdgeProfile& p) { return p.name == name; });
    };
    QList<EdgeProfile> out;
    for (const EdgeProfile& mine : ours) {
        const auto was = find(base, mine.name);
        const auto now = find(theirs, mine.name);
        if (was == base.end() || *was != mine)
            out.append(mine); // ours is new or changed here
        else if (now != theirs.end())
            out.append(*now); // unchanged here: theirs, as it is now
        // else: unchanged here and deleted there
    }
    for (const EdgeProfile& other : theirs)
        if (find(base, other.name) == base.end() && find(out, other.name) == out.end())
            out.append(other);
    if (out.size() > ProfileFile::kMaxProfiles)
        out.resize(ProfileFile::kMaxProfiles);
    return out;
}

} // namespace

ProfileStore::ProfileStore(const SettingsStore& settings, MessageService* notices)
    : settings_(&settings), notices_(notices) {}

ProfileStore::ProfileStore(QString filePath, MessageService* notices)
    : fixed_{std::move(filePath), {}}, notices_(notices) {}

ProfileStore::ProfileStore(Locations locations, MessageService* notices)
    : fixed_(std::move(locations)), notices_(notices) {}

ProfileStore::Locations ProfileStore::CurrentLocations() const {
    if (!settings_)
        return fixed_;
    const QString appDir = settings_->GetPref(PrefValue::AppDir);
    const QString folder = ApplicationFolder::Resolve(appDir);
    Locations out{ApplicationFolder::Join(folder, ProfileFile::FileName()), {}};
    if (ApplicationFolder::UsesUserDataFolder(appDir)) {
        // Only named here; the folder is made when the file is first written.
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (!data.isEmpty() && QDir::cleanPath(data) != QDir::cleanPath(folder))
            out.fallback = ApplicationFolder::Join(data, ProfileFile::FileName());
    }
    return out;
}

QString ProfileStore::GetProfileFilePath() const {
    const Locations where = CurrentLocations();
    return where.fallback.isEmpty() ? where.file : where.fallback;
}

short ProfileStore::ReadBorderPrefs() {
    const Locations where = CurrentLocations();
    readPath_ = !where.fallback.isEmpty() && QFileInfo::exists(where.fallback) ? where.fallback
                                                                               : where.file;
    ProfileFile::ReadResult r = ProfileFile::Read(readPath_);
    holdUnreadable_ = r.result == ProfileFile::kUnreadable;
    lastWhole_ = r.whole;
    lastReason_ = r.reason;
    backupFirst_ =
        (r.result == ProfileFile::kRead || r.result == ProfileFile::kNoProfile) && !r.whole;
    synced_.reset();
    if (r.result == ProfileFile::kRead) {
        if (r.whole)
            synced_ = r.profiles;
        table_.SetProfiles(std::move(r.profiles));
    }
    return r.result;
}

ProfileStore::SaveResult ProfileStore::SaveBorderPrefs() {
    return Save(false);
}

QString ProfileStore::FreeBackupPath(const QString& path) {
    const QString base = path + QStringLiteral(".bak");
    QString candidate = base;
    // An earlier backup is never replaced.
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = base + QString::number(n);
    return candidate;
}

ProfileStore::SaveResult ProfileStore::Save(bool userChange) {
    if (synced_ && *synced_ == table_.Profiles())
        return {true, false, {}, {}};
    if (holdUnreadable_ && !userChange)
        return {false, true, {}, {}};
    SaveResult result;
    const Locations where = CurrentLocations();
    const QString path = where.fallback.isEmpty() ? where.file : where.fallback;
    const bool present = QFileInfo::exists(path) || QFileInfo(path).isSymLink();
    if ((holdUnreadable_ || backupFirst_) && path == readPath_ && present) {
        const QString backup = FreeBackupPath(path);
        // What cannot be read is moved aside; what could be read is copied, byte for byte.
        const bool kept = holdUnreadable_ ? QDir().rename(path, backup) : QFile::copy(path, backup);
        if (!kept) // the table stays in memory only
            return {false,
                    true,
                    {},
                    QCoreApplication::translate("ProfileStore", "the old file cannot be kept")};
        result.backupPath = backup;
        result.held = true;
    }
    holdUnreadable_ = false;
    backupFirst_ = false;
    // Another window or program may have written the file since it was read here: its
    // profiles are merged in rather than written over.
    if (synced_ && path == readPath_) {
        const ProfileFile::ReadResult now = ProfileFile::Read(path);
        if (now.result == ProfileFile::kRead && now.profiles != *synced_)
            table_.SetProfiles(MergeByName(*synced_, table_.Profiles(), now.profiles));
    }
    if (!where.fallback.isEmpty())
        QDir().mkpath(QFileInfo(path).absolutePath());
    const ProfileFile::WriteResult write = ProfileFile::Write(path, table_.Profiles());
    result.written = static_cast<bool>(write);
    result.error = write.error;
    if (notices_ && !result.backupPath.isEmpty())
        notices_->Information(NoticeTitle(), BackupNotice(result.backupPath, lastReason_));
    if (result.written) {
        if (notices_ && path != readPath_ && !readPath_.isEmpty())
            notices_->Information(NoticeTitle(), MovedNotice(path));
        readPath_ = path;
        synced_ = table_.Profiles();
    }
    return result;
}

QList<EdgeProfile> ProfileStore::ShippedProfiles() {
    return {{QCoreApplication::translate("ProfileStore", "default"), {0, 0, 0, 0}},
            {QCoreApplication::translate("ProfileStore", "Kodak photo lab default"), {3, 4, 3, 2}},
            {QCoreApplication::translate("ProfileStore", "Fuji photo lab default"), {2, 6, 3, 6}}};
}

void ProfileStore::SetDefaultProfiles() {
    table_.SetProfiles(ShippedProfiles());
}

short ProfileStore::LoadProfiles() {
    const short result = ReadBorderPrefs();
    if (result < 1)
        SetDefaultProfiles();
    // A file that cannot be written where it was read is copied to the user's data folder only
    // when the user changes a profile.
    if (readPath_ != GetProfileFilePath() && result != ProfileFile::kUnreadable)
        synced_ = table_.Profiles();
    SaveBorderPrefs();
    return result;
}

QString ProfileStore::CheckProfileName(const QString& name) {
    if (name.contains(u'\t') || name.contains(u'\r') || name.contains(u'\n'))
        return InvalidNameText();
    return {};
}

void ProfileStore::SaveUserChange(MessageService* messages) {
    const SaveResult saved = Save(true);
    if (!saved.written && messages)
        messages->Critical(NoticeTitle(), NotSavedText(GetProfileFilePath(), saved.error));
}

bool ProfileStore::CreateProfile(const QString& name, MessageService& messages) {
    if (name.isEmpty())
        return false;
    if (const QString problem = CheckProfileName(name); !problem.isEmpty()) {
        messages.Critical(InvalidNameTitle(), problem);
        return false;
    }
    // More would be dropped silently the next time the file is read.
    if (table_.Count() >= ProfileFile::kMaxProfiles) {
        messages.Critical(TableFullTitle(), TableFullText());
        return false;
    }
    table_.Append({name, {0, 0, 0, 0}});
    SaveUserChange(&messages);
    return true;
}

bool ProfileStore::RenameProfile(qsizetype index, const QString& newName,
                                 MessageService& messages) {
    if (index < 0 || index >= table_.Count() || newName.isEmpty() ||
        newName == table_.At(index).name)
        return false;
    if (const QString problem = CheckProfileName(newName); !problem.isEmpty()) {
        messages.Critical(InvalidNameTitle(), problem);
        return false;
    }
    table_[index].name = newName;
    SaveUserChange(&messages);
    return true;
}

bool ProfileStore::DeleteProfile(qsizetype index, MessageService& messages) {
    if (table_.Count() <= 1) {
        messages.Critical(OnlyProfileTitle(), OnlyProfileText());
        return false;
    }
    if (index < 0 || index >= table_.Count())
        return false;
    if (messages.YesNoCancel(DeleteTitle(), DeleteQuestion(table_.At(index).name)) !=
        MessageService::Answer::Yes)
        return false;
    table_.RemoveAt(index);
    SaveUserChange(&messages);
    return true;
}

bool ProfileStore::StoreEdgeSelections(qsizetype index, const std::array<int, 4>& positions) {
    if (index < 0 || index >= table_.Count())
        return false;
    auto& clip = table_[index].clip;
    for (size_t i = 0; i < clip.size(); ++i)
        clip[i] = std::clamp(positions[i], 0, kMaxClipValue);
    SaveUserChange(notices_);
    return true;
}

bool ProfileStore::IsInitialProfile(qsizetype currentProfile) const {
    if (table_.Count() > 3 || currentProfile < 0 || currentProfile >= table_.Count())
        return false;
    const auto& clip = table_.At(currentProfile).clip;
    return std::all_of(clip.begin(), clip.end(), [](int v) { return v == 0; });
}

int ProfileStore::SelectionAfterRefill(const QStringList& names, const QString& previousText,
                                       int previousIndex) {
    const qsizetype last = names.lastIndexOf(previousText);
    if (last >= 0)
        return static_cast<int>(last);
    if (previousIndex < 0 || previousIndex >= names.size())
        return 0;
    return previousIndex;
}

QString ProfileStore::OnlyProfileText() {
    return QCoreApplication::translate(
        "ProfileStore",
        "You must have at least one Edge Calibration Profile.  You can not delete your "
        "only one.");
}

QString ProfileStore::OnlyProfileTitle() {
    return QCoreApplication::translate("ProfileStore", "Can not remove profile");
}

QString ProfileStore::DeleteQuestion(const QString& name) {
    return QCoreApplication::translate(
               "ProfileStore",
               "Are you sure that you want to delete the currently selected Edge Calibration "
               "Profile") +
           QStringLiteral(" (") + name + QStringLiteral(")?");
}

QString ProfileStore::DeleteTitle() {
    return QCoreApplication::translate("ProfileStore", "Delete Edge Calibration Profile");
}

QString ProfileStore::InvalidNameText() {
    return QCoreApplication::translate(
        "ProfileStore",
        "A profile name can not contain a tab or a line break.  Please type the name on "
        "one line, without tabs.");
}

QString ProfileStore::InvalidNameTitle() {
    return QCoreApplication::translate("ProfileStore", "Invalid profile name");
}

QString ProfileStore::TableFullText() {
    return QCoreApplication::translate(
        "ProfileStore",
        "You can not have more than 199 Edge Calibration Profiles.  Please delete a "
        "profile before you create a new one.");
}

QString ProfileStore::NoticeTitle() {
    return QCoreApplication::translate("ProfileStore", "Edge Calibration Profiles");
}

QString ProfileStore::BackupNotice(const QString& backupPath, const QString& reason) {
    QString text = QCoreApplication::translate(
                       "ProfileStore",
                       "Your edge calibration profile file could not be read exactly as it was "
                       "written.  The original file has been kept as:\n%1")
                       .arg(backupPath);
    if (!reason.isEmpty())
        text += u'\n' + QCoreApplication::translate("ProfileStore", "Reason: %1").arg(reason);
    return text;
}

QString ProfileStore::NotSavedText(const QString& filePath, const QString& reason) {
    QString text = QCoreApplication::translate(
                       "ProfileStore",
                       "Your change to the edge calibration profiles could not be saved in:\n%1\n"
                       "It is kept until Tessellon is closed.")
                       .arg(filePath);
    if (!reason.isEmpty())
        text += u'\n' + QCoreApplication::translate("ProfileStore", "Reason: %1").arg(reason);
    return text;
}

QString ProfileStore::MovedNotice(const QString& filePath) {
    return QCoreApplication::translate(
               "ProfileStore",
               "The application folder can not be written to.  Your edge calibration profiles "
               "are now stored in:\n%1")
        .arg(filePath);
}

QString ProfileStore::TableFullTitle() {
    return QCoreApplication::translate("ProfileStore", "Can not create profile");
}

} // namespace tessellon
