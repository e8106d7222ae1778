#include "imaging/input_type_table.h"

namespace tessellon {
namespace {

constexpr std::array kRows{
    InputTypeRow{ImageFileType::Jpeg,
                 "JPEG",
                 "jpeg",
                 {"jpg", "jpeg", "jpe"},
                 "image/jpeg",
                 ImageFormat::Jpeg,
                 kJpegOnly,
                 true},
    InputTypeRow{ImageFileType::Tiff,
                 "TIFF",
                 "tiff",
                 {"tif", "tiff"},
                 "image/tiff",
                 ImageFormat::Tiff,
                 kTiffOnly,
                 true},
    InputTypeRow{
        ImageFileType::Bmp, "BMP", "bmp", {"bmp"}, "image/bmp", ImageFormat::Bmp, kBmpOnly, true},
    // Photos of the newer types become JPEG tiles, which every printer and lab takes.
    InputTypeRow{
        ImageFileType::Png, "PNG", "png", {"png"}, "image/png", ImageFormat::Jpeg, kPngWebp, false},
    InputTypeRow{ImageFileType::Webp,
                 "WebP",
                 "webp",
                 {"webp"},
                 "image/webp",
                 ImageFormat::Jpeg,
                 kPngWebp,
                 false},
    // Decoded through libheif (HeifDecoder), not Qt.
    InputTypeRow{ImageFileType::Heif,
                 "HEIC",
                 nullptr,
                 {"heic", "heif", "hif"},
                 "image/heif",
                 ImageFormat::Jpeg,
                 kEveryType,
                 false},
    InputTypeRow{ImageFileType::Avif,
                 "AVIF",
                 nullptr,
                 {"avif"},
                 "image/avif",
                 ImageFormat::Jpeg,
                 kEveryType,
                 false},
};

} // namespace

QStringList InputTypeRow::Extensions() const {
    QStringList out;
    for (const char* e : extensions)
        if (e)
            out << QString::fromLatin1(e);
    return out;
}

std::span<const InputTypeRow> InputTypeTable::Rows() {
    return kRows;
}

const InputTypeRow* InputTypeTable::Row(ImageFileType type) {
    for (const InputTypeRow& row : kRows)
        if (row.type == type)
            return &row;
    return nullptr;
}

ImageFileType InputTypeTable::FromFileName(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return ImageFileType::Unknown;
    const QString ext = fileName.mid(dot + 1);
    for (const InputTypeRow& row : kRows)
        for (const char* e : row.extensions)
            if (e && ext.compare(QLatin1String(e), Qt::CaseInsensitive) == 0)
                return row.type;
    return ImageFileType::Unknown;
}

bool InputTypeTable::Lists(FileListEntry entry, ImageFileType type) {
    if (entry == kAllFiles)
        return true;
    const InputTypeRow* row = Row(type);
    if (!row)
        return false;
    if (entry == kEveryType)
        return true;
    return entry == kAllImages ? row->inAllImages : row->listEntry == entry;
}

QStringList InputTypeTable::AllExtensions() {
    QStringList out;
    for (const InputTypeRow& row : kRows)
        out << row.Extensions();
    return out;
}

QString InputTypeTable::NameList(const QString& lastJoin) {
    QStringList names;
    for (const InputTypeRow& row : kRows)
        names << row.Name();
    const QString last = names.takeLast();
    return names.isEmpty() ? last : names.join(QStringLiteral(", ")) + lastJoin + last;
}

QStringList InputTypeTable::MimeTypes() {
    QStringList out;
    for (const InputTypeRow& row : kRows)
        out << QString::fromLatin1(row.mimeType);
    return out;
}

} // namespace tessellon
