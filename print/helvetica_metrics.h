#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace tessellon {

// Helvetica, the font the poster PDF writes its texts in while they all fit its WinAnsi
// encoding: which texts fit, their bytes in it and their advance widths. The PDF and the
// painter plan their pages with the same widths, so that both put every text in the same box.
class HelveticaMetrics {
public:
    HelveticaMetrics();
    ~HelveticaMetrics();
    HelveticaMetrics(const HelveticaMetrics&) = delete;
    HelveticaMetrics& operator=(const HelveticaMetrics&) = delete;

    // Whether WinAnsi holds every character of `text`.
    static bool Fits(const QString& text);
    // `text` as Helvetica shows it: each character WinAnsi does not hold as '?'.
    static QString Shown(const QString& text);
    // The WinAnsi bytes of Shown(text).
    static QByteArray Encoded(const QString& text);

    // The advance width of Shown(text) at `size` points, in points.
    double Width(const QString& text, double size) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace tessellon
