#pragma once

#include <QString>

namespace tessellon {

// Font files the program draws and writes its texts with, taken from the system's fonts.
class FontFiles {
public:
    // DejaVu Sans (Debian's fonts-dejavu-core) in the first of the usual places that has it;
    // empty when none does.
    static QString DejaVuSans();
};

} // namespace tessellon
