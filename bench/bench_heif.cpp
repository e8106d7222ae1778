// Opening a 48-megapixel photo as HEIC against the same picture as JPEG, the way the main window
// opens it (SourceImage): the time until the preview copy is there, the time until the full image
// is, and the peak memory of the process. Each file is opened in a process of its own, so that
// each peak is its own (goal: HEIC peak <= 1.2 x the JPEG peak).
//
//   build/bench_heif [WIDTHxHEIGHT [FOLDER]]   (default 8000x6000; needs heif-enc)
// The photos are made once in FOLDER (default: a temporary one) and used again from there.
#include "source/source_image.h"
#include "tests/support/heif_test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace tessellon;

namespace {

// A smooth landscape of colour with fine grain: compresses and decodes like a photograph.
QImage PhotoLike(int w, int h) {
    QImage img(w, h, QImage::Format_RGB888);
    QRandomGenerator rng(7);
    for (int y = 0; y < h; ++y) {
        uchar* line = img.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const double u = double(x) / w, v = double(y) / h;
            const int n = int(rng.bounded(24)) - 12;
            line[3 * x] = uchar(std::clamp(int(128 + 90 * std::sin(u * 9 + v * 3)) + n, 0, 255));
            line[3 * x + 1] =
                uchar(std::clamp(int(120 + 80 * std::sin(v * 11 - u * 2)) + n, 0, 255));
            line[3 * x + 2] = uchar(std::clamp(int(110 + 70 * std::cos((u + v) * 7)) + n, 0, 255));
        }
    }
    return img;
}

// Opens `path` as the window does and prints "preview_ms full_ms peak_MB".
int Open(const QString& path) {
    QElapsedTimer t;
    t.start();
    SourceImage source;
    if (!source.Open(path, QSize(800, 600))) {
        std::fprintf(stderr, "%s\n", qPrintable(source.Error()));
        return 1;
    }
    const qint64 preview = t.elapsed();
    if (source.Full().isNull())
        return 1;
    const qint64 full = t.elapsed();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%lld %lld %ld\n", preview, full, usage.ru_maxrss / 1024);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == u"--open")
        return Open(args[2]);
    if (const QString missing = testing::HeifToolsMissing(); !missing.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(missing));
        return 2;
    }
    const QStringList size = (args.size() > 1 ? args[1] : QStringLiteral("8000x6000")).split(u'x');
    const int w = size.value(0).toInt(), h = size.value(1).toInt();
    QTemporaryDir temporary;
    const QDir dir(args.size() > 2 ? args[2] : temporary.path());
    const QString jpeg = dir.filePath(QStringLiteral("photo_%1x%2.jpg").arg(w).arg(h));
    const QString heic = dir.filePath(QStringLiteral("photo_%1x%2.heic").arg(w).arg(h));
    if (!QFileInfo::exists(jpeg) || !QFileInfo::exists(heic)) {
        std::printf("making a %d x %d photo as JPEG and HEIC...\n", w, h);
        std::fflush(stdout);
        // JPEG at quality 90; HEIC at a quality that makes a file about as large, as phones do.
        const QImage photo = PhotoLike(w, h);
        if (!QDir().mkpath(dir.path()) || !photo.save(jpeg, "JPEG", 90) ||
            !testing::HeifEncode(photo, heic, {"-p", "preset=ultrafast", "-q", "60"}))
            return 1;
    }
    std::printf("%-6s %9s %10s %10s %9s\n", "file", "MB", "preview ms", "full ms", "peak MB");
    long jpegPeak = 0;
    for (const QString& path : {jpeg, heic}) {
        // The best of three runs for the times, the highest peak.
        long bestPreview = -1, bestFull = -1, peak = 0;
        for (int run = 0; run < 3; ++run) {
            QProcess p;
            p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--open"), path});
            if (!p.waitForFinished(600000) || p.exitCode() != 0) {
                std::fprintf(stderr, "%s\n", p.readAllStandardError().constData());
                return 1;
            }
            const QStringList f = QString::fromLatin1(p.readAllStandardOutput()).split(u' ');
            const long preview = f.value(0).toLong(), full = f.value(1).toLong();
            bestPreview = bestPreview < 0 ? preview : std::min(bestPreview, preview);
            bestFull = bestFull < 0 ? full : std::min(bestFull, full);
            peak = std::max(peak, f.value(2).trimmed().toLong());
        }
        std::printf("%-6s %9.1f %10ld %10ld %9ld\n", qPrintable(QFileInfo(path).suffix()),
                    QFileInfo(path).size() / 1048576.0, bestPreview, bestFull, peak);
        if (path == jpeg)
            jpegPeak = peak;
        else
            std::printf("HEIC peak / JPEG peak: %.2f (goal <= 1.20)\n", double(peak) / jpegPeak);
    }
    return 0;
}
