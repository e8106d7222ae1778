#pragma once

#include "common/units.h"

#include <QString>
#include <QStringList>

namespace tessellon {

// Texts of the edge calibration dialog that depend on a clip value (1/64 inch units, 0..16) or
// on the display unit.

// The clipped amount with its surrounding blanks: " 3/64 inches " in inches (the fraction in
// lowest terms), " 1.2 mm " in millimetres. For v = 1..16.
QString FormatClipAmount(int v, UnitCode units);

// The clipped-amount label of one edge: "None of the image is clipped" for 0, else
// "Printer cuts off" + amount + "of image".
QString EdgeClipDescription(int v, UnitCode units);

// The 17 items of an edge selector; item v stands for clip value v (4 - v/4 stripes seen).
QStringList EdgeSelectorItems();

// The step-1 description with its stripe width in the display unit: "1/16 inch" in inches,
// "1.59 mm" in millimetres.
QString Step1DescForUnits(const QString& text, UnitCode units);

} // namespace tessellon
