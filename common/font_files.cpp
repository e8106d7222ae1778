#include "common/font_files.h"

#include <QFileInfo>

namespace tessellon {

QString FontFiles::DejaVuSans() {
    // Debian's, Arch's and Fedora's places, then one for a font installed by hand.
    static const char* const candidates[] = {
        "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
        "/usr/share/fonts/TTF/DejaVuSans.ttf",
        "/usr/share/fonts/dejavu/DejaVuSans.ttf",
        "/usr/local/share/fonts/DejaVuSans.ttf",
    };
    for (const char* path : candidates)
        if (QFileInfo(QString::fromLatin1(path)).isFile())
            return QString::fromLatin1(path);
    return {};
}

} // namespace tessellon
