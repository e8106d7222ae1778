#include "calibration/profile_store.h"

#include "common/message_service.h"
#include "settings/application_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tessellon {
ProfileStore::ProfileStore(const SettingsStore& settings) : settings_(&settings) {}

ProfileStore::ProfileStore(QString filePath) : fixedPath_(std::move(filePath)) {}

QString ProfileStore::GetProfileFilePath() const {
    if (!settings_)
        return fixedPath_;
    return ApplicationFolder::Join(ApplicationFolder::WritableDataFolder(*settings_),
                                   ProfileFile::FileName());
}

short ProfileStore::ReadBorderPrefs() {
    ProfileFile::ReadResult r = ProfileFile::Read(GetProfileFilePath());
    holdUnreadable_ = r.result == ProfileFile::kUnreadable;
    if (r.result == ProfileFile::kRead)
        table_.SetProfiles(std::move(r.profiles));
    return r.result;
}

ProfileStore::SaveResult ProfileStore::SaveBorderPrefs() {
    if (holdUnreadable_)
        return {false, true, {}};
    return {ProfileFile::Write(GetProfileFilePath(), table_.Profiles()), false, {}};
}

QString ProfileStore::FreeBackupPath() const {
    const QString base = GetProfileFilePath() + QStringLiteral(".bak");
    QString candidate = base;
    // An earlier backup is never replaced.
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = base + QString::number(n);
    return candidate;
}

ProfileStore::SaveResult ProfileStore::SaveUserChange() {
    SaveResult result;
    if (holdUnreadable_) {
        const QString path = GetProfileFilePath();
        if (QFileInfo::exists(path)) {
            const QString backup = FreeBackupPath();
            if (!QDir().rename(path, backup))
                return {false, true, {}}; // still held: the table stays in memory only
            result.backupPath = backup;
        }
        result.held = true;
        holdUnreadable_ = false;
    }
    result.written = ProfileFile::Write(GetProfileFilePath(), table_.Profiles());
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
    SaveBorderPrefs();
    return result;
}

QString ProfileStore::CheckProfileName(const QString& name) {
    if (name.contains(u'\t') || name.contains(u'\r') || name.contains(u'\n'))
        return InvalidNameText();
    return {};
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
    SaveUserChange();
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
    SaveUserChange();
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
    SaveUserChange();
    return true;
}

bool ProfileStore::StoreEdgeSelections(qsizetype index, const std::array<int, 4>& positions) {
    if (index < 0 || index >= table_.Count())
        return false;
    auto& clip = table_[index].clip;
    for (size_t i = 0; i < clip.size(); ++i)
        clip[i] = std::clamp(positions[i], 0, kMaxClipValue);
    SaveUserChange();
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

QString ProfileStore::TableFullTitle() {
    return QCoreApplication::translate("ProfileStore", "Can not create profile");
}

} // namespace tessellon
