#pragma once

#include <QString>

#include <memory>

namespace tessellon {

// The advance widths of Helvetica, the font the poster PDF writes its texts in. The PDF and the
// painter plan their pages with the same widths, so that both put every text in the same box.
class HelveticaMetrics {
public:
    HelveticaMetrics();
    ~HelveticaMetrics();
    HelveticaMetrics(const HelveticaMetrics&) = delete;
    HelveticaMetrics& operator=(const HelveticaMetrics&) = delete;

    // The advance width of `text` at `size` points, in points. Characters outside Latin-1
    // count as '?', as the PDF writes them.
    double Width(const QString& text, double size) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace tessellon
