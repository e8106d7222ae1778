#include "layout/quality_rating.h"

#include "common/string_table.h"

namespace tessellon {

QString QualityRating(double r) {
    if (r > 200)
        return StringTable::Text(str::Excellent);
    if (r > 140)
        return StringTable::Text(str::VeryGood);
    if (r > 90)
        return StringTable::Text(str::Good);
    if (r > 70)
        return StringTable::Text(str::Fair);
    if (r > 35)
        return StringTable::Text(str::GoodFromDistance);
    return StringTable::Text(str::FairFromDistance);
}

} // namespace tessellon
