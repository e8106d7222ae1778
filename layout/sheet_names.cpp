#include "layout/sheet_names.h"

#include <QCoreApplication>

namespace tessellon {

QString SheetNames::Name(int row, int column) {
    return QChar(u'A' + row) + QString::number(column + 1);
}

QString SheetNames::NameInLayout(int row, int column, int tilesWide, int tilesHigh) {
    return QCoreApplication::translate("SheetNames", "%1 of %2 \u00d7 %3")
        .arg(Name(row, column))
        .arg(tilesWide)
        .arg(tilesHigh);
}

} // namespace tessellon
