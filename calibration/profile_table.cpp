#include "calibration/profile_table.h"

namespace tessellon {

QStringList ProfileTable::Names() const {
    QStringList names;
    names.reserve(profiles_.size());
    for (const auto& p : profiles_)
        names.append(p.name);
    return names;
}

qsizetype ProfileTable::IndexOf(const QString& name) const {
    for (qsizetype i = 0; i < profiles_.size(); ++i)
        if (profiles_[i].name == name)
            return i;
    return -1;
}

} // namespace tessellon
