#pragma once

#include <QString>

namespace tessellon {

// The texts of the paper labels of the main window.
struct PaperLabels {
    QString paperSize;
    QString tileSize;
    QString paperName;
    QString units;
    QString overlap; // in the current unit
};

} // namespace tessellon
