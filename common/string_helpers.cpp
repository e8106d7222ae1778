#include "common/string_helpers.h"

namespace tessellon {

QString sleft(const QString& s, int nChar) {
    if (nChar < 1)
        return {};
    return s.left(nChar);
}

QString sRight(const QString& s, int nChar) {
    if (nChar < 1)
        return {};
    return s.right(nChar);
}

QString TrimSuffix(const QString& s, const QString& suffix) {
    const int n = static_cast<int>(suffix.size());
    if (n > 0 && s.size() >= n && sRight(s, n) == suffix)
        return sleft(s, static_cast<int>(s.size()) - n);
    return s;
}

} // namespace tessellon
