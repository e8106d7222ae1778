#include "print/pdf_poster_writer.h"

#include "common/font_files.h"
#include "print/helvetica_metrics.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <podofo/podofo.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <ostream>
#include <streambuf>
#include <vector>

namespace tessellon {
namespace {

// A std::ostream's buffer over a Qt device, so that the PDF library writes into a QSaveFile.
class DeviceStreamBuf : public std::streambuf {
public:
    explicit DeviceStreamBuf(QIODevice& device) : device_(device) {
        setp(buffer_, buffer_ + sizeof buffer_);
    }
    bool Failed() const { return failed_; }

protected:
    int_type overflow(int_type c) override {
        if (!Flush())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        if (n <= epptr() - pptr()) {
            std::memcpy(pptr(), s, static_cast<size_t>(n));
            pbump(static_cast<int>(n));
            return n;
        }
        // Large blocks (the pictures) go straight to the device.
        if (!Flush() || device_.write(s, n) != n) {
            failed_ = true;
            return 0;
        }
        return n;
    }
    int sync() override { return Flush() ? 0 : -1; }
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override {
        if (!Flush())
            return pos_type(off_type(-1));
        if (dir == std::ios_base::cur)
            off += device_.pos();
        else if (dir == std::ios_base::end)
            off += device_.size();
        return device_.seek(off) ? pos_type(off) : pos_type(off_type(-1));
    }
    pos_type seekpos(pos_type pos, std::ios_base::openmode which) override {
        return seekoff(off_type(pos), std::ios_base::beg, which);
    }

private:
    bool Flush() {
        const qint64 n = pptr() - pbase();
        if (n > 0 && device_.write(pbase(), n) != n)
            failed_ = true;
        setp(buffer_, buffer_ + sizeof buffer_);
        return !failed_;
    }

    QIODevice& device_;
    char buffer_[64 * 1024];
    bool failed_ = false;
};

QByteArray Number(double v) {
    QByteArray text = QByteArray::number(v, 'f', 4);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

// The library's name for what went wrong, for a message's %1.
QString Why(const PoDoFo::PdfError& e) {
    return QString::fromLatin1(PoDoFo::PdfError::ErrorName(e.GetError()));
}

// A PDF literal string of `bytes`.
QByteArray LiteralString(const QByteArray& bytes) {
    QByteArray out = "(";
    for (const char c : bytes) {
        if (c == '(' || c == ')' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + ')';
}

} // namespace

struct PdfPosterWriter::Impl {
    QSaveFile file;
    std::unique_ptr<DeviceStreamBuf> buffer;
    std::unique_ptr<std::ostream> stream;
    std::unique_ptr<PoDoFo::PdfOutputDevice> device;
    std::unique_ptr<PoDoFo::PdfStreamedDocument> document;
    std::optional<PoDoFo::PdfObject> colourSpace;
    // The fonts are made on first use: a document without text has none.
    PoDoFo::PdfFont* helvetica = nullptr;
    PoDoFo::PdfFont* dejaVu = nullptr;
    bool dejaVuTried = false;
    bool beyondWinAnsi = false; // a text of the document is one Helvetica cannot write
    // The page being drawn: only its wrapper goes when it ends, its objects stay the document's.
    std::unique_ptr<PoDoFo::PdfPage> page;
    // The pages made, in order, as the document's one /Pages node lists them when it is
    // complete: PoDoFo's own insertion looks the end of the page tree up anew for every page,
    // a cost that grows with the count (a quarter of a 625-sheet poster's time).
    PoDoFo::PdfArray kids;
    double pageHeight = 0;
    // Pictures placed on their pages whose bytes come later, with their pixel sizes.
    std::vector<std::pair<std::unique_ptr<PoDoFo::PdfImage>, QSize>> later;
    QByteArray content;
    std::vector<PoDoFo::PdfFont*> pageFonts; // in the page's resources

    // Takes `text` as one of the document's.
    void Note(const QString& text) {
        if (!beyondWinAnsi && !HelveticaMetrics::Fits(text))
            beyondWinAnsi = true;
    }
    // The font `text` is measured and written in; every text goes through here. Helvetica,
    // which every reader has, needs nothing embedded and keeps the document small, but writes
    // only what its WinAnsi encoding holds; from the first text beyond that on (Polish, say)
    // the document writes in DejaVu Sans, embedded with just the glyphs it uses. Where DejaVu
    // Sans cannot be had, Helvetica writes what it cannot show as '?'. Null when the library
    // can make no font.
    PoDoFo::PdfFont* FontFor(const QString& text) {
        Note(text);
        if (beyondWinAnsi && DejaVu())
            return dejaVu;
        return Helvetica();
    }
    PoDoFo::PdfFont* Helvetica() {
        if (!helvetica && document) {
            try {
                helvetica = document->CreateFont("Helvetica", false, false);
            } catch (const PoDoFo::PdfError&) {
                helvetica = nullptr;
            }
        }
        return helvetica;
    }
    PoDoFo::PdfFont* DejaVu() {
        if (!dejaVu && !dejaVuTried && document) {
            dejaVuTried = true;
            const QString path = FontFiles::DejaVuSans();
            try {
                // Glyph ids as character codes (Identity-H), which reach every glyph; the
                // library adds the map back to Unicode that keeps the text searchable.
                if (!path.isEmpty())
                    dejaVu = document->CreateFontSubset(
                        "DejaVu Sans", false, false, false,
                        PoDoFo::PdfEncodingFactory::GlobalIdentityEncodingInstance(),
                        QFile::encodeName(path).constData());
            } catch (const PoDoFo::PdfError&) {
                dejaVu = nullptr;
            }
        }
        return dejaVu;
    }
    // The operand of a text-showing operator writing `text` in `font`.
    QByteArray Operand(PoDoFo::PdfFont* font, const QString& text) const {
        if (font == helvetica)
            return LiteralString(HelveticaMetrics::Encoded(text));
        const QByteArray utf8 = text.toUtf8();
        const PoDoFo::PdfString string(reinterpret_cast<const PoDoFo::pdf_utf8*>(utf8.constData()),
                                       utf8.size());
        // The subset embedded when the document closes holds the glyphs noted here.
        font->AddUsedSubsettingGlyphs(string, string.GetCharacterLength());
        const PoDoFo::PdfRefCountedBuffer codes =
            font->GetEncoding()->ConvertToEncoding(string, font);
        return '<' +
               QByteArray(codes.GetBuffer(), static_cast<qsizetype>(codes.GetSize())).toHex() + '>';
    }
    void ForgetFonts() {
        helvetica = dejaVu = nullptr;
        dejaVuTried = beyondWinAnsi = false;
    }

    // A point of the page (from the top-left corner) in PDF's coordinates (y up).
    QByteArray Point(QPointF p) const { return Number(p.x()) + ' ' + Number(pageHeight - p.y()); }
    QByteArray Rect(const QRectF& r) const {
        return Number(r.left()) + ' ' + Number(pageHeight - r.bottom()) + ' ' + Number(r.width()) +
               ' ' + Number(r.height()) + " re";
    }

    Result<> Failure(const QString& what) {
        Discard();
        return Result<>::Fail(what);
    }
    // A picture object of the document, coloured as the pictures are and compressed as JPEG,
    // whose bytes are set by the caller.
    std::unique_ptr<PoDoFo::PdfImage> NewJpegImage() {
        auto image = std::make_unique<PoDoFo::PdfImage>(document.get(), "Im");
        PoDoFo::PdfDictionary& dict = image->GetObject()->GetDictionary();
        if (colourSpace)
            dict.AddKey(PoDoFo::PdfName("ColorSpace"), *colourSpace);
        else
            image->SetImageColorSpace(PoDoFo::ePdfColorSpace_DeviceRGB);
        dict.AddKey(PoDoFo::PdfName::KeyFilter, PoDoFo::PdfName("DCTDecode"));
        return image;
    }
    // Puts `image` on the page, stretched to `box`.
    void Place(const PoDoFo::PdfImage& image, const QRectF& box) {
        page->AddResource(image.GetIdentifier(), image.GetObjectReference(),
                          PoDoFo::PdfName("XObject"));
        // The unit square of the picture onto the box; PDF's y axis points up.
        const double bottom = pageHeight - box.bottom();
        content += "q " + Number(box.width()) + " 0 0 " + Number(box.height()) + ' ' +
                   Number(box.left()) + ' ' + Number(bottom) + " cm /" +
                   QByteArray::fromStdString(image.GetIdentifier().GetName()) + " Do Q\n";
    }

    void Discard() {
        page.reset(); // before the document that holds its objects
        later.clear();
        ForgetFonts();
        try {
            document.reset();
        } catch (...) {
            // Whatever the library still had to say goes nowhere: the file is dropped.
        }
        device.reset();
        stream.reset();
        buffer.reset();
        // An uncommitted save file removes its temporary file when it goes.
        file.cancelWriting();
    }
};

PdfPosterWriter::PdfPosterWriter() : d_(std::make_unique<Impl>()) {}

PdfPosterWriter::~PdfPosterWriter() {
    d_->Discard();
}

Result<> PdfPosterWriter::Open(const QString& path) {
    d_->ForgetFonts();
    d_->file.setFileName(path);
    if (!d_->file.open(QIODevice::WriteOnly))
        return d_->Failure(
            QCoreApplication::translate("PdfPosterWriter", "The file could not be created: %1")
                .arg(d_->file.errorString()));
    try {
        d_->buffer = std::make_unique<DeviceStreamBuf>(d_->file);
        d_->stream = std::make_unique<std::ostream>(d_->buffer.get());
        d_->device = std::make_unique<PoDoFo::PdfOutputDevice>(d_->stream.get());
        d_->document = std::make_unique<PoDoFo::PdfStreamedDocument>(d_->device.get(),
                                                                     PoDoFo::ePdfVersion_1_4);
        // Posters are printed at actual size: the sheets are the paper.
        PoDoFo::PdfName none("None");
        d_->document->SetPrintScaling(none);
        d_->document->GetInfo()->SetCreator(PoDoFo::PdfString("Tessellon"));
    } catch (const PoDoFo::PdfError& e) {
        return d_->Failure(
            QCoreApplication::translate("PdfPosterWriter", "The PDF could not be started (%1)")
                .arg(Why(e)));
    }
    return Result<>::Ok();
}

bool PdfPosterWriter::IsRgbProfile(const QByteArray& icc) {
    // The header names the data colour space at bytes 16 to 19.
    return icc.size() >= 128 && icc.mid(16, 4) == "RGB ";
}

Result<> PdfPosterWriter::SetColourProfile(const QByteArray& icc) {
    if (!d_->document)
        return Result<>::Fail(
            QCoreApplication::translate("PdfPosterWriter", "The PDF is not open"));
    if (!IsRgbProfile(icc))
        return Result<>::Fail(QCoreApplication::translate(
            "PdfPosterWriter", "The colour profile is not an RGB profile"));
    try {
        PoDoFo::PdfObject* profile = d_->document->GetObjects()->CreateObject();
        profile->GetDictionary().AddKey(PoDoFo::PdfName("N"), static_cast<PoDoFo::pdf_int64>(3));
        profile->GetDictionary().AddKey(PoDoFo::PdfName("Alternate"), PoDoFo::PdfName("DeviceRGB"));
        profile->GetStream()->Set(icc.constData(), icc.size());
        PoDoFo::PdfArray space;
        space.push_back(PoDoFo::PdfName("ICCBased"));
        space.push_back(profile->Reference());
        d_->colourSpace.emplace(space);
    } catch (const PoDoFo::PdfError& e) {
        return d_->Failure(QCoreApplication::translate(
                               "PdfPosterWriter", "The colour profile could not be written (%1)")
                               .arg(Why(e)));
    }
    return Result<>::Ok();
}

Result<> PdfPosterWriter::BeginPage(QSizeF size) {
    if (!d_->document || d_->page)
        return Result<>::Fail(
            QCoreApplication::translate("PdfPosterWriter", "A page cannot be started here"));
    try {
        auto page = std::make_unique<PoDoFo::PdfPage>(
            PoDoFo::PdfRect(0, 0, size.width(), size.height()), d_->document.get());
        PoDoFo::PdfObject* tree = d_->document->GetPagesTree()->GetObject();
        page->GetObject()->GetDictionary().AddKey(PoDoFo::PdfName("Parent"), tree->Reference());
        d_->kids.push_back(page->GetObject()->Reference());
        d_->page = std::move(page);
    } catch (const PoDoFo::PdfError& e) {
        return d_->Failure(
            QCoreApplication::translate("PdfPosterWriter", "The page could not be made (%1)")
                .arg(Why(e)));
    }
    d_->pageHeight = size.height();
    d_->content.clear();
    d_->pageFonts.clear();
    return Result<>::Ok();
}

Result<> PdfPosterWriter::DrawJpeg(const QByteArray& jpeg, QSize pixels, const QRectF& box) {
    if (!d_->page)
        return Result<>::Fail(QCoreApplication::translate("PdfPosterWriter", "No page to draw on"));
    if (pixels.isEmpty() || jpeg.isEmpty())
        return d_->Failure(QCoreApplication::translate("PdfPosterWriter", "The picture is empty"));
    try {
        const std::unique_ptr<PoDoFo::PdfImage> image = d_->NewJpegImage();
        PoDoFo::PdfMemoryInputStream input(jpeg.constData(), jpeg.size());
        image->SetImageDataRaw(static_cast<unsigned>(pixels.width()),
                               static_cast<unsigned>(pixels.height()), 8, &input);
        d_->Place(*image, box);
    } catch (const PoDoFo::PdfError& e) {
        return d_->Failure(
            QCoreApplication::translate("PdfPosterWriter", "The picture could not be written (%1)")
                .arg(Why(e)));
    }
    if (d_->buffer->Failed())
        return d_->Failure(d_->file.errorString());
    return Result<>::Ok();
}

Result<int> PdfPosterWriter::DrawJpegLater(QSize pixels, const QRectF& box) {
    if (!d_->page)
        return Result<>::Fail(QCoreApplication::translate("PdfPosterWriter", "No page to draw on"));
    if (pixels.isEmpty())
        return d_->Failure(QCoreApplication::translate("PdfPosterWriter", "The picture is empty"));
    try {
        // The picture object is made now, so that the document's objects are numbered as when
        // the bytes are at hand; its bytes are written when they come.
        std::unique_ptr<PoDoFo::PdfImage> image = d_->NewJpegImage();
        d_->Place(*image, box);
        d_->later.emplace_back(std::move(image), pixels);
    } catch (const PoDoFo::PdfError& e) {
        return d_->Failure(
            QCoreApplication::translate("PdfPosterWriter", "The picture could not be written (%1)")
                .arg(Why(e)));
    }
    return static_cast<int>(d_->later.size()) - 1;
}

Result<> PdfPosterWriter::SupplyJpeg(int picture, const QByteArray& jpeg) {
    if (!d_->document || d_->page || picture < 0 || picture >= static_cast<int>(d_->later.size()) ||
        !d_->later[size_t(picture)].first)
        return Result<>::Fail(
            QCoreApplication::translate("PdfPosterWriter", "The PDF is not complete"));
    if (jpeg.isEmpty())
        return d_->Failure(QCoreApplication::translate("PdfPosterWriter", "The picture is empty"));
    auto& [image, pixels] = d_->later[size_t(picture)];
    try {
        PoDoFo::PdfMemoryInputStream input(jpeg.constData(), jpeg.size());
        image->SetImageDataRaw(static_cast<unsigned>(pixels.width()),
                               static_cast<unsigned>(pixels.height()), 8, &input);
    } catch (const PoDoFo::PdfError& e) {
        return d_->Failure(
            QCoreApplication::translate("PdfPosterWriter", "The picture could not be written (%1)")
                .arg(Why(e)));
    }
    image.reset();
    if (d_->buffer->Failed())
        return d_->Failure(d_->file.errorString());
    return Result<>::Ok();
}

Result<> PdfPosterWriter::DrawText(const QString& text, QPointF baselineStart, double size,
                                   double grey) {
    if (!d_->page)
        return Result<>::Fail(QCoreApplication::translate("PdfPosterWriter", "No page to draw on"));
    PoDoFo::PdfFont* font = nullptr;
    QByteArray operand;
    try {
        font = d_->FontFor(text);
        if (!font)
            return d_->Failure(
                QCoreApplication::translate("PdfPosterWriter", "The text font is missing"));
        auto& used = d_->pageFonts;
        if (std::find(used.begin(), used.end(), font) == used.end()) {
            d_->page->AddResource(font->GetIdentifier(), font->GetObject()->Reference(),
                                  PoDoFo::PdfName("Font"));
            used.push_back(font);
        }
        operand = d_->Operand(font, text);
    } catch (const PoDoFo::PdfError& e) {
        return d_->Failure(
            QCoreApplication::translate("PdfPosterWriter", "The text could not be written (%1)")
                .arg(Why(e)));
    }
    d_->content += "q " + Number(grey) + " g BT /" +
                   QByteArray::fromStdString(font->GetIdentifier().GetName()) + ' ' + Number(size) +
                   " Tf " + d_->Point(baselineStart) + " Td " + operand + " Tj ET Q\n";
    return Result<>::Ok();
}

void PdfPosterWriter::ExpectTexts(const QStringList& texts) {
    for (const QString& text : texts)
        d_->Note(text);
}

double PdfPosterWriter::TextWidth(const QString& text, double size) const {
    PoDoFo::PdfFont* font = nullptr;
    try {
        font = d_->FontFor(text);
    } catch (const PoDoFo::PdfError&) {
        font = nullptr;
    }
    if (!font)
        return 0;
    // The advance widths of what the font writes; the metrics measure at their own size, and
    // the widths scale with it.
    const QString shown = font == d_->helvetica ? HelveticaMetrics::Shown(text) : text;
    const PoDoFo::PdfFontMetrics* metrics = font->GetFontMetrics();
    double width = 0;
    for (const QChar c : shown)
        width += metrics->UnicodeCharWidth(c.unicode());
    return width * size / metrics->GetFontSize();
}

Result<> PdfPosterWriter::StrokeLines(const std::vector<QLineF>& lines, double width, double grey,
                                      std::optional<QRectF> clip) {
    if (!d_->page)
        return Result<>::Fail(QCoreApplication::translate("PdfPosterWriter", "No page to draw on"));
    QByteArray ops = "q ";
    if (clip)
        ops += d_->Rect(*clip) + " W n ";
    ops += Number(width) + " w " + Number(grey) + " G\n";
    for (const QLineF& line : lines)
        ops += d_->Point(line.p1()) + " m " + d_->Point(line.p2()) + " l\n";
    d_->content += ops + "S Q\n";
    return Result<>::Ok();
}

Result<> PdfPosterWriter::FillRect(const QRectF& box, double grey) {
    if (!d_->page)
        return Result<>::Fail(QCoreApplication::translate("PdfPosterWriter", "No page to draw on"));
    d_->content += "q " + Number(grey) + " g " + d_->Rect(box) + " f Q\n";
    return Result<>::Ok();
}

Result<> PdfPosterWriter::EndPage() {
    if (!d_->page)
        return Result<>::Fail(QCoreApplication::translate("PdfPosterWriter", "No page to end"));
    try {
        PoDoFo::PdfStream* stream = d_->page->GetContentsForAppending()->GetStream();
        stream->BeginAppend(false);
        stream->Append(d_->content.constData(), d_->content.size());
        stream->EndAppend();
    } catch (const PoDoFo::PdfError& e) {
        return d_->Failure(
            QCoreApplication::translate("PdfPosterWriter", "The page could not be written (%1)")
                .arg(Why(e)));
    }
    d_->page.reset();
    d_->content.clear();
    if (d_->buffer->Failed())
        return d_->Failure(d_->file.errorString());
    return Result<>::Ok();
}

Result<> PdfPosterWriter::Commit() {
    const bool waiting = std::any_of(d_->later.begin(), d_->later.end(),
                                     [](const auto& picture) { return picture.first != nullptr; });
    if (!d_->document || d_->page || waiting)
        return Result<>::Fail(
            QCoreApplication::translate("PdfPosterWriter", "The PDF is not complete"));
    try {
        PoDoFo::PdfDictionary& tree = d_->document->GetPagesTree()->GetObject()->GetDictionary();
        tree.AddKey(PoDoFo::PdfName("Kids"), d_->kids);
        tree.AddKey(PoDoFo::PdfName("Count"),
                    PoDoFo::PdfVariant(static_cast<PoDoFo::pdf_int64>(d_->kids.GetSize())));
        d_->document->Close();
    } catch (const PoDoFo::PdfError& e) {
        return d_->Failure(
            QCoreApplication::translate("PdfPosterWriter", "The PDF could not be completed (%1)")
                .arg(Why(e)));
    }
    d_->document.reset();
    d_->device.reset();
    d_->stream->flush();
    const bool written = !d_->buffer->Failed();
    d_->stream.reset();
    d_->buffer.reset();
    if (!written)
        return d_->Failure(d_->file.errorString());
    if (!d_->file.commit())
        return Result<>::Fail(
            QCoreApplication::translate("PdfPosterWriter", "The PDF could not be saved: %1")
                .arg(d_->file.errorString()));
    return Result<>::Ok();
}

void PdfPosterWriter::Discard() {
    d_->Discard();
}

} // namespace tessellon
