#include "imaging/jpeg_segments.h"

#include "imaging/tiff_tags.h"

#include <cstring>
#include <map>

namespace tessellon {

JpegSegments JpegSegments::Read(const QByteArray& b) {
    JpegSegments out;
    std::map<int, QByteArray> iccChunks;
    int iccCount = 0;
    qsizetype pos = 2;
    while (pos + 4 <= b.size()) {
        if (static_cast<uchar>(b[pos]) != 0xff)
            break;
        const int marker = static_cast<uchar>(b[pos + 1]);
        if (marker == 0xff) {
            ++pos;
            continue;
        }
        if (marker == 0xda || marker == 0xd9)
            break;
        const qsizetype length = static_cast<qsizetype>(TiffTags::Get(b, pos + 2, 2, true));
        const qsizetype data = pos + 4;
        const qsizetype end = pos + 2 + length;
        if (length < 2 || end > b.size())
            break;
        if (marker == 0xe1 && length >= 16 &&
            std::memcmp(b.constData() + data, "Exif\0\0", 6) == 0) {
            const auto o = TiffTags::Tag(b.left(end), data + 6, 0x0112);
            if (o && *o >= 1 && *o <= 8)
                out.orientation = static_cast<int>(*o);
        } else if (marker == 0xee && length >= 7 &&
                   std::memcmp(b.constData() + data, "Adobe", 5) == 0) {
            out.adobe = true;
        } else if (marker == 0xe2 && length >= 16 &&
                   std::memcmp(b.constData() + data, "ICC_PROFILE\0", 12) == 0) {
            const int seq = static_cast<uchar>(b[data + 12]);
            iccCount = static_cast<uchar>(b[data + 13]);
            iccChunks[seq] = b.mid(data + 14, end - data - 14);
        }
        pos = end;
    }
    if (iccCount > 0 && static_cast<int>(iccChunks.size()) == iccCount &&
        iccChunks.begin()->first == 1 && iccChunks.rbegin()->first == iccCount) {
        for (const auto& [seq, chunk] : iccChunks)
            out.icc += chunk;
    }
    return out;
}

} // namespace tessellon
