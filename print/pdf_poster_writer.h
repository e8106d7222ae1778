#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QLineF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace tessellon {

// Writes a poster document: pages of exact sizes holding JPEG pictures embedded as they are
// (DCTDecode, never decoded), with an optional colour profile shared by every picture, and
// the viewer preference to print at actual size. Pages go to the file as they are made, so
// memory does not grow with the page count. The document is written to a temporary file
// beside its path and appears under that path only on Commit; Discard, a failure or the
// destructor leave nothing behind.
//
// Lengths are in points (1/72 inch); boxes are measured from the page's top-left corner. A
// page is built between BeginPage and EndPage; further marks on the page (text, lines) belong
// there too.
//
// Texts are written in Helvetica, which needs nothing embedded, while every text of the
// document fits its WinAnsi encoding (English and the Western European languages); from the
// first text beyond it on, in DejaVu Sans, embedded as a subset of the glyphs the document
// uses. So that a document keeps one face throughout, ExpectTexts tells the writer its texts
// before the first is measured.
class PdfPosterWriter {
public:
    PdfPosterWriter();
    ~PdfPosterWriter();
    PdfPosterWriter(const PdfPosterWriter&) = delete;
    PdfPosterWriter& operator=(const PdfPosterWriter&) = delete;

    Result<> Open(const QString& path);
    // An ICC profile of three components for the pictures that follow.
    Result<> SetColourProfile(const QByteArray& icc);
    // Whether `icc` is an ICC profile of an RGB colour space (the pictures are RGB).
    static bool IsRgbProfile(const QByteArray& icc);
    // Starts a page whose MediaBox is `size`.
    Result<> BeginPage(QSizeF size);
    // Draws a JPEG of `pixels` stretched to `box`.
    Result<> DrawJpeg(const QByteArray& jpeg, QSize pixels, const QRectF& box);
    // Draws a JPEG of `pixels` stretched to `box` whose bytes are not known yet: the page is
    // made as DrawJpeg makes it, and the picture goes to the file when SupplyJpeg brings it,
    // which must be before Commit. Returns the number SupplyJpeg takes.
    Result<int> DrawJpegLater(QSize pixels, const QRectF& box);
    // The bytes of picture `picture` of DrawJpegLater, of the pixel size given there.
    Result<> SupplyJpeg(int picture, const QByteArray& jpeg);
    // Takes `texts` as texts the document will hold; after Open, before any text is measured.
    void ExpectTexts(const QStringList& texts);
    // Writes `text` in the document's face of `size` points starting at `baselineStart`, in
    // `grey` (0 black, 1 white). The text stays text: readers can find, select and copy it.
    Result<> DrawText(const QString& text, QPointF baselineStart, double size, double grey = 0);
    // The advance width of `text` in the document's face of `size` points; 0 before Open. A
    // text measured counts as one of the document's.
    double TextWidth(const QString& text, double size) const;
    // Strokes each line `width` points wide in `grey`, seen only inside `clip` when given.
    Result<> StrokeLines(const std::vector<QLineF>& lines, double width, double grey,
                         std::optional<QRectF> clip = std::nullopt);
    // Fills `box` in `grey`.
    Result<> FillRect(const QRectF& box, double grey);
    Result<> EndPage();
    // Closes the document and puts it under its path, replacing a file of that name.
    Result<> Commit();
    void Discard();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace tessellon
