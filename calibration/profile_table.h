#pragma once

#include "calibration/edge_profile.h"

#include <QList>
#include <QStringList>

namespace tessellon {

// The ordered list of edge calibration profiles the program works with.
class ProfileTable {
public:
    ProfileTable() = default;
    explicit ProfileTable(QList<EdgeProfile> profiles) : profiles_(std::move(profiles)) {}

    qsizetype Count() const { return profiles_.size(); }
    const EdgeProfile& At(qsizetype index) const { return profiles_.at(index); }
    EdgeProfile& operator[](qsizetype index) { return profiles_[index]; }
    const QList<EdgeProfile>& Profiles() const { return profiles_; }
    void SetProfiles(QList<EdgeProfile> profiles) { profiles_ = std::move(profiles); }
    void Append(EdgeProfile p) { profiles_.append(std::move(p)); }
    void RemoveAt(qsizetype index) { profiles_.removeAt(index); }

    QStringList Names() const;
    // Index of the profile with exactly this name, or -1.
    qsizetype IndexOf(const QString& name) const;

private:
    QList<EdgeProfile> profiles_;
};

} // namespace tessellon
