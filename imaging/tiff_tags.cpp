#include "imaging/tiff_tags.h"

namespace tessellon {

quint32 TiffTags::Get(const QByteArray& b, qsizetype at, int bytes, bool bigEndian) {
    quint32 v = 0;
    for (int i = 0; i < bytes; ++i) {
        const quint32 byte = static_cast<uchar>(b[at + (bigEndian ? i : bytes - 1 - i)]);
        v = (v << 8) | byte;
    }
    return v;
}

std::optional<quint32> TiffTags::Tag(const QByteArray& b, qsizetype base, quint16 tag) {
    if (base + 8 > b.size())
        return std::nullopt;
    const bool be = b[base] == 'M';
    if (!be && b[base] != 'I')
        return std::nullopt;
    const qsizetype ifd = base + Get(b, base + 4, 4, be);
    if (ifd + 2 > b.size() || ifd < base)
        return std::nullopt;
    const int count = static_cast<int>(Get(b, ifd, 2, be));
    for (int i = 0; i < count; ++i) {
        const qsizetype e = ifd + 2 + qsizetype(i) * 12;
        if (e + 12 > b.size())
            return std::nullopt;
        if (Get(b, e, 2, be) != tag)
            continue;
        const quint32 type = Get(b, e + 2, 2, be);
        if (type == 3)
            return Get(b, e + 8, 2, be);
        if (type == 4)
            return Get(b, e + 8, 4, be);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace tessellon
