#include "imaging/image_format.h"

#include "imaging/format_table.h"

namespace tessellon {

QString FormatExtension(ImageFormat format) {
    return FormatTable::Row(format).Extension();
}

std::optional<ImageFormat> FormatFromFileName(const QString& fileName) {
    return FormatTable::ImageFormatFromFileName(fileName);
}

std::optional<ImageFormat> FormatFromCode(int code) {
    for (const FormatRow& row : FormatTable::Rows())
        if (static_cast<int>(row.code) == code)
            return row.code;
    return std::nullopt;
}

} // namespace tessellon
