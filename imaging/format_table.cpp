#include "imaging/format_table.h"

#include <QCoreApplication>

#include <array>

namespace tessellon {
namespace {

constexpr std::array kRows{
    FormatRow{ImageFormat::Bmp, ".bmp", "bmp", QT_TRANSLATE_NOOP("FormatTable", "Bitmap (.bmp)"),
              QT_TRANSLATE_NOOP("FormatTable", "Bitmap (*.bmp)"), FormatWriter::QtImage, "bmp",
              ImageFormat::Bmp},
    FormatRow{ImageFormat::Tiff, ".tif", "tif", QT_TRANSLATE_NOOP("FormatTable", "Tiff (.tif)"),
              QT_TRANSLATE_NOOP("FormatTable", "Tiff (*.tif)"), FormatWriter::QtImage, "tiff",
              ImageFormat::Tiff},
    FormatRow{ImageFormat::Jpeg, ".jpg", "jpg", QT_TRANSLATE_NOOP("FormatTable", "Jpeg (.jpg)"),
              QT_TRANSLATE_NOOP("FormatTable", "Jpeg (*.jpg)"), FormatWriter::Jpeg, nullptr,
              ImageFormat::Jpeg},
    FormatRow{ImageFormat::Pdf, ".pdf", "pdf", QT_TRANSLATE_NOOP("FormatTable", "Pdf (.pdf)"),
              QT_TRANSLATE_NOOP("FormatTable", "Pdf (*.pdf)"), FormatWriter::PdfDocument, nullptr,
              ImageFormat::Jpeg},
};

} // namespace

QString FormatRow::Caption() const {
    return QCoreApplication::translate("FormatTable", caption);
}

QString FormatRow::Filter() const {
    return QCoreApplication::translate("FormatTable", filter);
}

std::span<const FormatRow> FormatTable::Rows() {
    return kRows;
}

const FormatRow& FormatTable::Row(ImageFormat format) {
    for (const FormatRow& row : kRows)
        if (row.code == format)
            return row;
    return kRows.front(); // unreachable: every format has a row
}

std::optional<ImageFormat> FormatTable::FromCliName(const QString& name) {
    for (const FormatRow& row : kRows)
        if (name.compare(row.CliName(), Qt::CaseInsensitive) == 0)
            return row.code;
    return std::nullopt;
}

QString FormatTable::CliNames(const QString& separator) {
    QStringList names;
    for (const FormatRow& row : kRows)
        names << row.CliName();
    return names.join(separator);
}

std::optional<ImageFormat> FormatTable::ImageFormatFromFileName(const QString& fileName) {
    if (fileName.size() < 3)
        return std::nullopt;
    const QString ending = fileName.right(3);
    for (const FormatRow& row : kRows)
        if (row.IsImage() && ending.compare(row.Extension().mid(1), Qt::CaseInsensitive) == 0)
            return row.code;
    return std::nullopt;
}

std::optional<ImageFormat> FormatTable::FromExtension(const QString& fileName) {
    for (const FormatRow& row : kRows)
        if (fileName.size() > row.Extension().size() &&
            fileName.endsWith(row.Extension(), Qt::CaseInsensitive))
            return row.code;
    return std::nullopt;
}

QStringList FormatTable::ImageFilters() {
    QStringList filters;
    for (const FormatRow& row : kRows)
        if (row.IsImage())
            filters << row.Filter();
    return filters;
}

} // namespace tessellon
