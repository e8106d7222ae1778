#include "print/helvetica_metrics.h"

#include <podofo/podofo.h>

namespace tessellon {
namespace {

// `text` in WinAnsi by the PDF library's own table, which leaves out what it does not hold.
QByteArray WinAnsi(const QString& text) {
    if (text.isEmpty())
        return {};
    const QByteArray utf8 = text.toUtf8();
    try {
        const PoDoFo::PdfString string(reinterpret_cast<const PoDoFo::pdf_utf8*>(utf8.constData()),
                                       utf8.size());
        const PoDoFo::PdfRefCountedBuffer bytes =
            PoDoFo::PdfEncodingFactory::GlobalWinAnsiEncodingInstance()->ConvertToEncoding(string,
                                                                                           nullptr);
        return QByteArray(bytes.GetBuffer(), static_cast<qsizetype>(bytes.GetSize()));
    } catch (const PoDoFo::PdfError&) {
        return {};
    }
}

} // namespace

// The PDF library's own Helvetica, in a document that is never written.
struct HelveticaMetrics::Impl {
    PoDoFo::PdfMemDocument document;
    const PoDoFo::PdfFontMetrics* metrics = nullptr;
};

HelveticaMetrics::HelveticaMetrics() : d_(std::make_unique<Impl>()) {
    try {
        if (PoDoFo::PdfFont* font = d_->document.CreateFont("Helvetica", false, false))
            d_->metrics = font->GetFontMetrics();
    } catch (const PoDoFo::PdfError&) {
        d_->metrics = nullptr;
    }
}

HelveticaMetrics::~HelveticaMetrics() = default;

bool HelveticaMetrics::Fits(const QString& text) {
    // One byte for each UTF-16 unit, none dropped.
    return WinAnsi(text).size() == text.size();
}

QString HelveticaMetrics::Shown(const QString& text) {
    if (Fits(text))
        return text;
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text)
        shown += Fits(QString(c)) ? c : u'?';
    return shown;
}

QByteArray HelveticaMetrics::Encoded(const QString& text) {
    return WinAnsi(Shown(text));
}

double HelveticaMetrics::Width(const QString& text, double size) const {
    if (!d_->metrics)
        return 0;
    double width = 0;
    for (const QChar c : Shown(text))
        width += d_->metrics->UnicodeCharWidth(c.unicode());
    return width * size / d_->metrics->GetFontSize();
}

} // namespace tessellon
