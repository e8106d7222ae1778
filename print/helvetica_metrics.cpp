#include "print/helvetica_metrics.h"

#include <podofo/podofo.h>

namespace tessellon {

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

double HelveticaMetrics::Width(const QString& text, double size) const {
    if (!d_->metrics)
        return 0;
    double width = 0;
    for (const QChar c : text)
        width += d_->metrics->UnicodeCharWidth(c.unicode() < 256 ? c.unicode() : u'?');
    return width * size / d_->metrics->GetFontSize();
}

} // namespace tessellon
