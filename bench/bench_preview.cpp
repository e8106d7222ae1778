// Times the preview work of the main window on a 24-megapixel photo:
//  1. one DrawTileGrid with 25 x 25 tiles on the preview-sized copy (what every arrow tick and
//     every pointer move of a drag redraws), and for comparison on the full-size image;
//  2. loading a 24 MP JPEG until the preview shows, through the window's own handlers, and the
//     time until the full image has been decoded in the background.
#include "app/frm_main.h"
#include "common/recording_message_service.h"
#include "settings/memory_settings_store.h"
#include "source/preview_renderer.h"
#include "source/source_image.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
    window.chkPreviewTiles->setChecked(true);
    window.SetCurrentFolder(dir.path());
    std::vector<double> shown, decoded;
    for (int run = 0; run < 5; ++run) {
        window.lstFiles->clearSelection();
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        window.lstFiles->setCurrentRow(0); // as a click on the file does
        window.picCur->repaint();          // the preview is on screen
        shown.push_back(t.nsecsElapsed() / 1e6);
        if (!window.State().bImgSelected)
            return 4;
        window.Image().Full(); // waits for the background decode
        decoded.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("load 24 MP JPEG until the preview shows: median %.1f ms (runs:", Median(shown));
    for (double v : shown)
        std::printf(" %.0f", v);
    std::printf(")\nfull image decoded in the background after: median %.1f ms\n", Median(decoded));
    return 0;
}
