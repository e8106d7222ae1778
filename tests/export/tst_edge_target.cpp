#include "export_test_support.h"

#include "common/string_table.h"
#include "export/edge_test_target.h"
#include "export/edge_test_target_texts.h"

#include <QtTest>
#include <algorithm>
#include <array>
#include <cmath>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

QRect CaptionRect(const EdgeTestTarget::CaptionLayout& c) {
    // Antialiasing may reach a pixel beyond the measured box.
    return QRect(c.x - 2, c.y - 2, c.extent.width() + 4, c.extent.height() + 4);
}

} // namespace

class TestEdgeTarget : public QObject {
    Q_OBJECT
private slots:
    void everyStripePixel_data() {
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("w");
        QTest::addColumn<int>("wp");
        QTest::addColumn<int>("hp");
        QTest::newRow("4 x 6") << 6.0 << 4.0 << 512 << 768;
        QTest::newRow("smallest") << 0.75 << 0.75 << 96 << 96;
        QTest::newRow("halves to even") << 1.00390625 << 2.01171875 << 258 << 128;
    }

    // Outside the caption every pixel follows the distance rule; inside it the caption is drawn.
    void everyStripePixel() {
        QFETCH(double, h);
        QFETCH(double, w);
        QFETCH(int, wp);
        QFETCH(int, hp);
        const EdgeTestTarget::Result r = EdgeTestTarget::CreateEdgeTestImage(h, w);
        QVERIFY(!r.gImgError);
        QCOMPARE(r.image.ImageWidth(), wp);
        QCOMPARE(r.image.ImageHeight(), hp);
        QCOMPARE(r.image.ImageInfo(ImageAttribute::HorizontalResolution), 128);
        QCOMPARE(r.image.ImageInfo(ImageAttribute::VerticalResolution), 128);
        const auto caption = EdgeTestTarget::CaptionPlacement(wp, hp);
        QVERIFY(caption.ok());
        const QRect skip = CaptionRect(*caption);
        // Stripes of 8 pixels from the outside in: brown, blue, green, red; then white.
        const std::array<QColor, 5> colours{QColor(180, 120, 0), QColor(0, 0, 255),
                                            QColor(0, 255, 0), QColor(255, 0, 0),
                                            QColor(Qt::white)};
        const PixelArray p = r.image.ReadPixels();
        int black = 0;
        for (int y = 0; y < hp; ++y)
            for (int x = 0; x < wp; ++x) {
                const int edge = std::min({x, y, wp - 1 - x, hp - 1 - y});
                if (!skip.contains(x, y))
                    QCOMPARE(QColor(p(0, x, y), p(1, x, y), p(2, x, y)),
                             colours[static_cast<size_t>(std::min(edge / 8, 4))]);
                else if (p(0, x, y) < 64 && p(1, x, y) < 64 && p(2, x, y) < 64)
                    ++black;
            }
        QVERIFY(black > 0);
    }

    void captionSizeRule_data() {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<double>("fraction");
        QTest::newRow("4 x 6") << 512 << 768 << 0.5;
        QTest::newRow("wide and low") << 2000 << 96 << 0.5;
        QTest::newRow("full width") << 300 << 300 << 1.0;
        QTest::newRow("huge") << 6400 << 6400 << 0.5;
    }

    void captionSizeRule() {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(double, fraction);
        const auto c = EdgeTestTarget::CaptionPlacement(w, h, fraction);
        QVERIFY(c.ok());
        const QString text = StringTable::Text(str::EdgeTestPrint);
        QCOMPARE(text, QStringLiteral("Edge Test Print"));
        const int maxW = int(std::nearbyint(fraction * w)),
                  maxH = int(std::nearbyint(fraction * h));
        if (c->fontSize <= 200) {
            // The first size that exceeds a limit, one above the largest that fits.
            QVERIFY(c->extent.width() > maxW || c->extent.height() > maxH);
            QCOMPARE(*ImageObject::MeasureText(text, c->fontSize), c->extent);
            if (c->fontSize > 6) {
                const QSize below = *ImageObject::MeasureText(text, c->fontSize - 1);
                QVERIFY(below.width() <= maxW && below.height() <= maxH);
            }
        } else {
            QCOMPARE(c->fontSize, 201);
            QCOMPARE(c->extent, *ImageObject::MeasureText(text, 200));
        }
        // Centred, halves to the even neighbour (the default rounding mode of nearbyint).
        QCOMPARE(c->x, int(std::nearbyint((w - c->extent.width()) / 2.0)));
        QCOMPARE(c->y, int(std::nearbyint((h - c->extent.height()) / 2.0)));
    }

    void invalidSize() {
        const EdgeTestTarget::Result r = EdgeTestTarget::CreateEdgeTestImage(0, 4);
        QVERIFY(r.gImgError);
        QVERIFY(!r.gImgErrorText.isEmpty());
        PixelArray none;
        QVERIFY(!EdgeTestTarget::DrawEdgeStripes(none).ok());
    }

    void fileType() {
        const QList<std::pair<const char*, int>> cases{{"/x/test.bmp", int(ImageFormat::Bmp)},
                                                       {"/x/test.BMP", int(ImageFormat::Bmp)},
                                                       {"/x/test.tif", int(ImageFormat::Tiff)},
                                                       {"/x/test.Jpg", int(ImageFormat::Jpeg)},
                                                       {"/x/test.jpeg", 0},
                                                       {"/x/test.tiff", 0},
                                                       {"/x/test", 0}};
        for (const auto& [path, format] : cases)
            QCOMPARE(int(FormatFromFileName(QLatin1String(path)).value_or(ImageFormat(0))), format);
    }

    // Spot checks of texts whose oddities are deliberate.
    void texts() {
        using T = EdgeTestTargetTexts;
        QCOMPARE(
            T::InvalidPrintSize(QStringLiteral(" Print Size Per Tile ")),
            QStringLiteral("The custom print size that you currently have entered in not valid.  "
                           "The height and width must both be between 0.75 and 50.00 inches "
                           "long.  Please enter valid values in the \"Print Size Per Tile\" "
                           "section of the main dialog."));
        QCOMPARE(T::InvalidPrintSizeTitle(), QStringLiteral("Invalide print dimensions"));
        QCOMPARE(T::SaveCanceledTitle(), QStringLiteral("canceled"));
        QVERIFY(
            T::Completed(QStringLiteral("/t/a.bmp"))
                .startsWith(QStringLiteral("Image successfully saved to disk.\r\n\r\nNext you "
                                           "need to:\r\n\r\n(1) Print this image (/t/a.bmp) ")));
    }

    void confirmText() {
        const QString inches = EdgeTestTargetTexts::Confirm(6, 4, kUnitInches);
        QVERIFY2(inches.startsWith(QStringLiteral(
                     "A 6.00 inch high x 4.00 inch wide test image will now be created.  ")),
                 qPrintable(inches));
        QVERIFY(inches.contains(
            QStringLiteral("Each stripe is 1/16 inch wide.\r\n\r\nIn order to to test")));
        const QString mm = EdgeTestTargetTexts::Confirm(6, 4, kUnitMillimeters);
        QVERIFY(mm.startsWith(
            QStringLiteral("A 152.4 mm high x 101.6 mm wide test image will now be created.  ")));
        QVERIFY(
            mm.contains(QStringLiteral("Each stripe is 1.6 mm wide.\r\n\r\nIn order to to test")));
    }
};

QTEST_MAIN(TestEdgeTarget)
#include "tst_edge_target.moc"
