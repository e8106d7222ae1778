#pragma once

#include "imaging/image_format.h"

#include <QString>
#include <QStringList>

#include <array>
#include <span>

namespace tessellon {

// The kinds of image file the program reads.
enum class ImageFileType : short { Unknown, Jpeg, Tiff, Bmp, Png, Webp, Heif, Avif };

// The entries of the file list's type filter, in list order. Each input type is listed by one
// entry of its own kind (or shared with others); kAllImages lists the types marked for it,
// kEveryType every type that opens (the list's default).
enum FileListEntry : int {
    kAllImages = 0,
    kJpegOnly = 1,
    kTiffOnly = 2,
    kBmpOnly = 3,
    kAllFiles = 4,
    kPngWebp = 5,
    kEveryType = 6,
};

// Everything the program knows about one input type, in one place: the reader, the file
// list, File > Open, the save window's proposal and the desktop entry take it from here.
struct InputTypeRow {
    ImageFileType type;
    const char* name;     // as messages name the type: "JPEG"
    const char* qtFormat; // Qt's image format name, for the types Qt decodes
    // Extensions without the dot, the usual one first; compared in any letter case.
    std::array<const char*, 3> extensions;
    const char* mimeType;
    ImageFormat proposedTile; // the tile type the save window proposes for such a photo
    FileListEntry listEntry;  // the file list entry that lists this type
    bool inAllImages;         // listed by the "Image Files" entry too

    QStringList Extensions() const;
    QString Name() const { return QString::fromLatin1(name); }
};

class InputTypeTable {
public:
    static std::span<const InputTypeRow> Rows();
    // The row of a type; nullptr for Unknown.
    static const InputTypeRow* Row(ImageFileType type);
    // The type a file name asks for by its extension, in any letter case.
    static ImageFileType FromFileName(const QString& fileName);
    // Whether a file of `type` is listed by file list entry `entry`.
    static bool Lists(FileListEntry entry, ImageFileType type);
    // Every extension, in table order.
    static QStringList AllExtensions();
    // The types' names in table order, joined by commas and `lastJoin` before the last:
    // "JPEG, TIFF, BMP, PNG, WebP, HEIC or AVIF".
    static QString NameList(const QString& lastJoin);
    // The MIME types, in table order.
    static QStringList MimeTypes();
};

} // namespace tessellon
