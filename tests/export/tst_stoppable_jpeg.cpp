#include "export/stoppable_jpeg_decoder.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;

class TestStoppableJpeg : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
};

void TestStoppableJpeg::decode_data() {
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<int>("outcome");
    using O = StoppableJpegDecoder::Outcome;
    QTest::newRow("colour") << QImage::Format_RGB32 << QByteArray("JPG") << false
                            << int(O::Decoded);
    QTest::newRow("grey") << QImage::Format_Grayscale8 << QByteArray("JPG") << false
                          << int(O::Decoded);
    QTest::newRow("stopped") << QImage::Format_RGB32 << QByteArray("JPG") << true
                             << int(O::Stopped);
    QTest::newRow("not a JPEG") << QImage::Format_RGB32 << QByteArray("PNG") << false
                                << int(O::NotHandled);
}

void TestStoppableJpeg::decode() {
    QFETCH(QImage::Format, format);
    QFETCH(QByteArray, type);
    QFETCH(bool, stop);
    QFETCH(int, outcome);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    QImage source(97, 61, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgb(x * 2, y * 4, (x * y) % 256));
    source = source.convertToFormat(format);
    source.setDotsPerMeterX(5906); // 150 dpi
    source.setDotsPerMeterY(3937); // 100 dpi
    QVERIFY(source.save(path, type.constData()));

    const std::atomic_bool stopFlag{stop};
    const auto result = StoppableJpegDecoder::Decode(path, stopFlag);
    QCOMPARE(int(result.outcome), outcome);
    if (result.outcome != StoppableJpegDecoder::Outcome::Decoded) {
        QVERIFY(result.image.isNull());
        return;
    }
    // The same pixels and resolution as Qt's own reader gives.
    const QImage expected(path);
    QCOMPARE(result.image.format(), expected.format());
    QCOMPARE(result.image, expected);
    QCOMPARE(result.image.dotsPerMeterX(), expected.dotsPerMeterX());
    QCOMPARE(result.image.dotsPerMeterY(), expected.dotsPerMeterY());
}

QTEST_GUILESS_MAIN(TestStoppableJpeg)
#include "tst_stoppable_jpeg.moc"
