#pragma once

#include "common/units.h"
#include "paper/paper_preset.h"

#include <QString>
#include <QStringList>

#include <array>

namespace tessellon {

// Everything the paper dialog's controls show for the model's current state.
struct PaperView {
    UnitCode iUnits = kUnitInches; // which unit option is set
    QStringList paperNames;        // lstPaperSize items, current unit
    int paperSelection = 0;        // selected row of lstPaperSize
    QString unitWord;              // both lblUnits labels
    QString marginUnitsLabel;      // lblMarginUnits
    QString widthText;             // txtWidth
    QString heightText;            // txtHeight
    bool sizeEditable = false;     // txtWidth / txtHeight enabled (custom entry only)
    QStringList marginItems;       // the item list of each of the four margin boxes
    std::array<QString, kMarginCount> marginTexts; // cmbMargins texts, top, right, bottom, left
    bool locked = false;                           // chkLock
    QString sizeWithBorders;                       // lblSizeWithBorders
    QString sizeWithoutBorders;                    // lblSizeWithoutBorders
};

} // namespace tessellon
