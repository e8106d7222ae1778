// Times the preview work of the main window on a 24-megapixel photo:
//  1. one DrawTileGrid with 25 x 25 tiles on the preview-sized copy (what every arrow tick and
//     every pointer move of a drag redraws), and for comparison on the full-size image;
//  2. loading 24 and 100 MP JPEGs and 40 MP BMP and TIFF files until the preview shows, through
//     the window's own handlers, the time until the full image has been decoded, and how many
//     frames of the loading animation were shown meanwhile (the window kept painting);
//  3. the window's start-up until its first paint;
//  4. with --gigapixel, loading a 1-gigapixel JPEG (40000 x 25000) until the preview shows.
#include "app/frm_main.h"
#include "layout/preview_renderer.h"
#include "source/source_image.h"
#include "tests/support/find_control.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_message_service.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace tessellon;

namespace {

// A smooth landscape of colour with fine grain: compresses and decodes like a photograph.
QImage PhotoLike(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QRandomGenerator rng(7);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double u = double(x) / w, v = double(y) / h;
            const int n = int(rng.bounded(24)) - 12;
            const int r = std::clamp(int(128 + 90 * std::sin(u * 9 + v * 3)) + n, 0, 255);
            const int g = std::clamp(int(120 + 80 * std::sin(v * 11 - u * 2)) + n, 0, 255);
            const int b = std::clamp(int(110 + 70 * std::cos((u + v) * 7)) + n, 0, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    return img;
}

// The process's resident memory now, from the kernel's account of it.
double ResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Poster state for a w x h image with 25 x 25 tiles of 6 x 4 inches.
PosterState Poster(int w, int h) {
    PosterState s;
    s.bImgSelected = true;
    s.lImgWidth = w;
    s.lImgHeight = h;
    s.SelectTilesWide(24);
    s.SelectTilesHigh(24);
    return s;
}

// Paints of a widget, counted.
class PaintWatch : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A w x h photo made of one PhotoLike picture repeated, quick to make at any size.
QImage Repeated(int w, int h) {
    const QImage piece = PhotoLike(2000, 1250).convertToFormat(QImage::Format_RGB888);
    QImage img(w, h, QImage::Format_RGB888);
    if (img.isNull())
        return img;
    for (int y = 0; y < h; ++y) {
        const uchar* from = piece.constScanLine(y % piece.height());
        uchar* to = img.scanLine(y);
        for (int x = 0; x < w; x += piece.width())
            std::memcpy(to + 3 * x, from, 3 * size_t(std::min(piece.width(), w - x)));
    }
    return img;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool gigapixel = app.arguments().contains(QStringLiteral("--gigapixel"));
    {
        // --- 3. Start-up: the window as main() builds it, until it has painted once ---
        QTemporaryDir startDir;
        MemorySettingsStore settings;
        settings.SavePref(PrefValue::AppDir, startDir.path());
        RecordingMessageService messages;
        QElapsedTimer t;
        t.start();
        frmMain window(settings, messages);
        PaintWatch watch;
        window.installEventFilter(&watch);
        window.Form_Load();
        window.resize(1180, 760);
        window.show();
        while (watch.paints == 0 && t.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        std::printf("start-up until the first paint: %.1f ms (%.1f ms since the process "
                    "started)\n",
                    t.nsecsElapsed() / 1e6, sinceStart.nsecsElapsed() / 1e6);
    }
    constexpr int W = 6000, H = 4000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo24.jpg"));
    std::printf("making a %d x %d JPEG...\n", W, H);
    const QImage photo = PhotoLike(W, H);
    if (!photo.save(path, "JPEG", 90))
        return 1;
    std::printf("  %.1f MB on disk\n", QFileInfo(path).size() / 1048576.0);

    // --- 1. DrawTileGrid, 25 x 25 tiles ---
    const PosterState poster = Poster(W, H);
    const TileCoordTable table = poster.CalcTileCoord();
    const PreviewCopy small = PreviewRenderer::BuildPreviewCopy(photo, W, H, QSize(546, 672));
    const PreviewCopy full{photo.convertToFormat(QImage::Format_RGB32), 1.0};
    for (const auto& [name, copy, runs] : {std::tuple{"preview-sized copy", &small, 200},
                                           std::tuple{"full 24 MP image", &full, 10}}) {
        std::vector<double> ms;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer t;
            t.start();
            const auto g =
                PreviewRenderer::DrawTileGrid(copy->image, copy->dPreviewScale, table, 25, 25);
            ms.push_back(t.nsecsElapsed() / 1e6);
            if (!g)
                return 2;
        }
        std::printf("DrawTileGrid 25x25 on %-20s (%dx%d): median %.3f ms\n", name,
                    copy->image.width(), copy->image.height(), Median(ms));
    }
    {
        // Most of the full-size figure is the copy the grid is painted on.
        std::vector<double> ms;
        for (int i = 0; i < 10; ++i) {
            QElapsedTimer t;
            t.start();
            QImage c = full.image;
            c.detach();
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        std::printf("  of which copying the 24 MP image: median %.3f ms\n", Median(ms));
    }
    {
        std::vector<double> ms;
        for (int i = 0; i < 200; ++i) {
            QElapsedTimer t;
            t.start();
            const TileCoordTable tt = poster.CalcTileCoord();
            const auto g =
                PreviewRenderer::DrawTileGrid(small.image, small.dPreviewScale, tt, 25, 25);
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        std::printf("CalcTileCoord + DrawTileGrid (one arrow-tick redraw): median %.3f ms\n",
                    Median(ms));
    }

    // --- 2. Loading until the preview shows ---
    RecordingMessageService messages;
    MemorySettingsStore settings;
    settings.SavePref(PrefValue::AppDir, dir.path()); // the profile file goes there
    frmMain window(settings, messages);
    window.Form_Load();
    window.resize(1180, 760);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 3;
    testing::Find<QCheckBox>(window, "chkPreviewTiles")->setChecked(true);
    auto* files = testing::Find<QListWidget>(window, "lstFiles");
    auto* picture = testing::Find<QWidget>(window, "picCur");
    int ticks = 0; // loading-animation frames shown while a file loads
    QObject::connect(testing::Find<QTimer>(window, "tmrLoadingImg"), &QTimer::timeout,
                     [&ticks] { ++ticks; });
    // Loads `name` from a folder of its own `runs` times, as a click does.
    const auto timeLoads = [&](const QString& file, const char* what, int runs) -> int {
        window.SetCurrentFolder(QFileInfo(file).absolutePath());
        std::vector<double> shown, resident;
        ticks = 0;
        for (int run = 0; run < runs; ++run) {
            files->clearSelection();
            QApplication::processEvents();
            QElapsedTimer t;
            t.start();
            files->setCurrentRow(0); // as a click on the file does
            picture->repaint();      // the preview is on screen
            shown.push_back(t.nsecsElapsed() / 1e6);
            if (!window.State().bImgSelected) {
                std::printf("%s: %s\n", what, qPrintable(window.LoadErrorText()));
                return 4;
            }
            resident.push_back(ResidentMb());
        }
        std::printf("load %s until the preview shows: median %.1f ms (runs:", what, Median(shown));
        for (double v : shown)
            std::printf(" %.0f", v);
        std::printf(")\n  the program's resident memory after the load: median %.0f MB; animation "
                    "frames meanwhile: %d in %d loads\n",
                    Median(resident), ticks, runs);
        return 0;
    };
    if (const int r = timeLoads(path, "24 MP JPEG", 5))
        return r;

    // 100 megapixels, and a 40-megapixel BMP and TIFF, each in a folder of its own.
    QDir(dir.path()).mkdir(QStringLiteral("mp100"));
    const QString path100 = dir.filePath(QStringLiteral("mp100/photo100.jpg"));
    std::printf("making a 12250 x 8200 JPEG...\n");
    if (!PhotoLike(12250, 8200).save(path100, "JPEG", 90))
        return 1;
    std::printf("  %.1f MB on disk\n", QFileInfo(path100).size() / 1048576.0);
    if (const int r = timeLoads(path100, "100 MP JPEG", 3))
        return r;
    const QImage big = PhotoLike(8000, 5000);
    for (const char* format : {"bmp", "tif"}) {
        QDir(dir.path()).mkdir(QString::fromLatin1(format));
        const QString file =
            dir.filePath(QStringLiteral("%1/photo40.%1").arg(QLatin1String(format)));
        if (!big.save(file))
            return 1;
        if (const int r = timeLoads(file, format, 3))
            return r;
    }
    if (gigapixel) {
        QDir(dir.path()).mkdir(QStringLiteral("gp"));
        const QString pathGp = dir.filePath(QStringLiteral("gp/photo1000.jpg"));
        std::printf("making a 40000 x 25000 JPEG...\n");
        if (!Repeated(40000, 25000).save(pathGp, "JPEG", 90))
            return 1;
        std::printf("  %.1f MB on disk\n", QFileInfo(pathGp).size() / 1048576.0);
        if (const int r = timeLoads(pathGp, "1 GP JPEG", 2))
            return r;
    }
    return 0;
}
