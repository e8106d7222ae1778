#pragma once

#include "imaging/image_format.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace tessellon {

// How the files of a format are made.
enum class FormatWriter {
    Jpeg,        // libjpeg-turbo, straight from the pixel arrays
    QtImage,     // Qt's image writer plugin named by the row
    PdfDocument, // one PDF for the whole poster, each page an embedded JPEG
};

// Everything the program knows about one output format, in one place.
struct FormatRow {
    ImageFormat code;
    const char* extension; // with its dot
    const char* cliName;   // the command line's --format value
    const char* caption;   // the save dialog's option (untranslated)
    const char* filter;    // a file dialog's name filter (untranslated)
    FormatWriter writer;
    const char* qtFormat; // for FormatWriter::QtImage
    // How each tile is encoded before it is written (itself for image formats).
    ImageFormat tileEncoding;

    // A raster image format (one file per picture) rather than a document.
    bool IsImage() const { return writer != FormatWriter::PdfDocument; }
    QString Extension() const { return QString::fromLatin1(extension); }
    QString CliName() const { return QString::fromLatin1(cliName); }
    QString Caption() const;
    QString Filter() const;
};

// The program's output formats, in the order the save dialog offers them.
class FormatTable {
public:
    static std::span<const FormatRow> Rows();
    // The row of a format; every ImageFormat has one.
    static const FormatRow& Row(ImageFormat format);
    // The format a --format value names (any letter case); empty for other values.
    static std::optional<ImageFormat> FromCliName(const QString& name);
    // The --format values, joined by `separator`.
    static QString CliNames(const QString& separator);
    // The image format a file name's last three characters name (any letter case); documents
    // are not image files, so ".pdf" gives none.
    static std::optional<ImageFormat> ImageFormatFromFileName(const QString& fileName);
    // The format whose extension ends `fileName` (any letter case; documents too); empty when
    // the name ends in no extension of the table.
    static std::optional<ImageFormat> FromExtension(const QString& fileName);
    // The file dialog filters of the image formats.
    static QStringList ImageFilters();
};

} // namespace tessellon
