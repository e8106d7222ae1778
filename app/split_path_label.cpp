#include "app/split_path_label.h"

#include <QDir>

namespace tessellon {

QString SplitPathLabel(const QString& sOrig, short iInsertWinStart, short iInsertWinEnd) {
    const QChar separator = QDir::separator();
    const QString lineBreak = QStringLiteral("\r\n");
    QString out;
    out.reserve(sOrig.size() + sOrig.size() / 16 * lineBreak.size());
    int count = 0;
    for (const QChar c : sOrig) {
        out += c;
        count = c == u' ' ? 0 : count + 1;
        if (count > iInsertWinStart && c == separator) {
            out += lineBreak;
            count = 0;
        }
        // Checked on its own: after a break at a separator the count is 0 and cannot match.
        if (count == iInsertWinEnd) {
            out += lineBreak;
            count = 0;
        }
    }
    return out;
}

} // namespace tessellon
