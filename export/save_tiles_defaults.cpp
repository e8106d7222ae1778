#include "export/save_tiles_defaults.h"

#include "imaging/image_file_reader.h"

namespace tessellon {
namespace {

// The tile type proposed for a source: its own where the program writes it, lossless TIFF for
// PNG, JPEG for WebP.
std::optional<ImageFormat> ProposedFormat(ImageFileType type) {
    switch (type) {
    case ImageFileType::Jpeg:
    case ImageFileType::Webp:
        return ImageFormat::Jpeg;
    case ImageFileType::Tiff:
    case ImageFileType::Png:
        return ImageFormat::Tiff;
    case ImageFileType::Bmp:
        return ImageFormat::Bmp;
    case ImageFileType::Unknown:
        break;
    }
    return std::nullopt;
}

} // namespace

SaveTilesDefaults SaveTilesDefaults::For(const QString& fileName) {
    SaveTilesDefaults d;
    const ImageFileType type = ImageFileReader::TypeFromName(fileName);
    // An image extension goes whole (".jpeg" too); any other name loses four characters.
    const qsizetype cut =
        type == ImageFileType::Unknown ? 4 : fileName.size() - fileName.lastIndexOf(u'.');
    if (fileName.size() < cut + 1) {
        d.nameProblem = Message{InvalidFileTitle(), InvalidFileText()};
    } else {
        const QString base = fileName.left(fileName.size() - cut);
        d.baseFileName = base + u'_';
        d.newFolderName = base + u'_' + tr("poster") + u'_' + tr("images");
    }
    d.format = ProposedFormat(type);
    if (!d.format)
        d.formatProblem = Message{InvalidTypeTitle(), InvalidTypeText()};
    return d;
}

} // namespace tessellon
