#pragma once

#include <QString>

namespace tessellon {

// The rating text for a print resolution in pixels per inch.
QString QualityRating(double r);

} // namespace tessellon
