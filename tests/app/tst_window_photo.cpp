// The window's photo: what it holds after opening, and where a save takes the photo from.

#include "app_test_support.h"

#include "app/poster_photo.h"
#include "export/banded_photo_source.h"
#include "export/save_progress.h"
#include "export/tile_saver.h"
#include "imaging/pixel_array.h"
#include "layout/preview_renderer.h"
#include "source/source_image.h"
#include "tests/support/export_test_support.h"
#include "tests/support/heif_test_support.h"

#include <sys/resource.h>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

// A picture whose every pixel differs from its neighbours, so that a turn, a mirror or a
// shifted row shows.
QImage Pattern(int w, int h) {
    QImage img(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, ((x + y) * 3) % 256));
    return img;
}

// All rows of `source` as one picture.
QImage AllRows(TileSource& source) {
    RowBandSource& rows = source.Rows();
    const int h = rows.Size().height();
    if (!rows.Reserve(h))
        return {};
    const auto band = rows.Rows(0, h - 1);
    return band ? band->pixels.Image().copy(0, -band->top, rows.Size().width(), h) : QImage();
}

constexpr const char* kLimitedOut = "TESSELLON_LIMITED_OUT";
constexpr const char* kLimitedPhoto = "TESSELLON_LIMITED_PHOTO";

// Runs this test's `function` in a child process whose address space is limited to `limitMb`,
// with `env` added to its environment. Empty when it passes, else what it printed.
QString ChildFailure(const QString& function, int limitMb,
                     const QList<std::pair<const char*, QString>>& env) {
    QProcess child;
    QProcessEnvironment all = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : env)
        all.insert(QLatin1String(name), value);
    child.setProcessEnvironment(all);
    child.setChildProcessModifier([limitMb] {
        const rlimit as{rlim_t(limitMb) << 20, rlim_t(limitMb) << 20};
        setrlimit(RLIMIT_AS, &as);
    });
    child.start(QCoreApplication::applicationFilePath(), {function});
    if (!child.waitForFinished(120000))
        return QStringLiteral("the child did not finish");
    const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0
               ? QString()
               : QStringLiteral("the child failed:\n") + output;
}

const QStringList kTiles{"--tiles", "25x25", "--custom", "6x4", "--margins", "0"};

} // namespace

class TstWindowPhoto : public QObject {
    Q_OBJECT
private slots:
    // A photo's rows for a save are the photo as the window shows it: read from the file in
    // bands only for an upright JPEG, or a plain TIFF not held, that the window does not turn,
    // decoded whole otherwise. The
    // expected rows are Qt's own decode of the file, turned by QImage.
    void photoForSaving_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tag");   // EXIF orientation written into the file
        QTest::addColumn<int>("angle"); // the window's turn
        QTest::addColumn<QTransform>("upright");
        QTest::addColumn<bool>("bands");
        QTest::addColumn<bool>("held"); // otherwise read from the file again when saved
        const QTransform none;
        QTest::newRow("upright JPEG") << "p.jpg" << 1 << 0 << none << true << false;
        QTest::newRow("JPEG turned by the window") << "p.jpg" << 1 << 90 << none << false << false;
        QTest::newRow("JPEG turned by its tag")
            << "p.jpg" << 6 << 0 << QTransform().rotate(90) << false << false;
        QTest::newRow("JPEG, tag and window")
            << "p.jpg" << 3 << 270 << QTransform().rotate(180) << false << false;
        QTest::newRow("PNG") << "p.png" << 1 << 0 << none << false << true;
        QTest::newRow("PNG turned by the window") << "p.png" << 1 << 180 << none << false << true;
        // Pixels beyond the largest held (made small here) are read again too.
        QTest::newRow("PNG read again") << "p.png" << 1 << 0 << none << false << false;
        QTest::newRow("TIFF read again, turned") << "p.tif" << 1 << 90 << none << false << false;
        QTest::newRow("TIFF read again") << "p.tif" << 1 << 0 << none << true << false;
    }
    void photoForSaving() {
        QFETCH(QString, name);
        QFETCH(int, tag);
        QFETCH(int, angle);
        QFETCH(QTransform, upright);
        QFETCH(bool, bands);
        QFETCH(bool, held);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QVERIFY(Pattern(320, 200).save(path, nullptr, 95));
        if (tag != 1)
            QCOMPARE(QProcess::execute(QStringLiteral("exiftool"),
                                       {"-q", "-overwrite_original", "-n",
                                        QStringLiteral("-Orientation=%1").arg(tag), path}),
                     0);
        QImageReader plain(path);
        plain.setAutoTransform(false);
        const QImage expected =
            plain.read().transformed(upright).transformed(QTransform().rotate(angle));

        SourceImage source;
        if (!held && !name.endsWith(u".jpg"))
            source.SetLargestHeld(1000);
        QVERIFY(source.Open(path, QSize(60, 60)));
        source.RotateBy(angle);
        QCOMPARE(source.Size(), expected.size());
        QCOMPARE(source.IsReadFromFile(), !held);
        // A photo read again keeps only a reduced copy.
        if (source.IsReadFromFile())
            QVERIFY(source.PreviewSource().width() < expected.width());

        PosterPhoto photo(source);
        for (int run = 0; run < 2; ++run) { // a save that asks before replacing runs twice
            auto opened = photo.Open();
            QVERIFY2(opened, qPrintable(opened.error()));
            QCOMPARE(dynamic_cast<BandedPhotoSource*>(opened->get()) != nullptr, bands);
            const QImage rows = AllRows(**opened);
            QCOMPARE(rows.size(), expected.size());
            QVERIFY(MaxChannelDifference(rows, expected) <= (name.endsWith(u".jpg") ? 2 : 0));
        }
    }

    // The photo is read again from its file when it is saved: a file changed or removed since
    // it was opened is refused, saying so, and nothing is written.
    void changedFileIsRefused_data() {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QString>("change");
        for (const int angle : {0, 90}) {
            QTest::addRow("rewritten, turned by %d", angle) << angle << "rewrite";
            QTest::addRow("removed, turned by %d", angle) << angle << "remove";
        }
        QTest::newRow("touched") << 0 << "touch";
    }
    void changedFileIsRefused() {
        QFETCH(int, angle);
        QFETCH(QString, change);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(Pattern(300, 200).save(path));
        SourceImage source;
        QVERIFY(source.Open(path, QSize(50, 50)));
        source.RotateBy(angle);
        if (change == u"rewrite") {
            QVERIFY(Pattern(200, 300).save(path));
        } else if (change == u"remove") {
            QVERIFY(QFile::remove(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                     QFileDevice::FileModificationTime));
        }
        auto poster = Poster(kTiles, QStringLiteral("300x200"));
        QVERIFY(poster);
        RecordingMessageService messages;
        RecordingProgress progress;
        TileSaver saver(messages, progress);
        const SaveOutcome outcome = saver.processSaveNow(
            *poster, PosterPhoto::Opener(source),
            {dir.path(), QStringLiteral("t"), QStringLiteral("t_"), ImageFormat::Jpeg});
        QCOMPARE(outcome.status, SaveOutcome::Status::Failed);
        QCOMPARE(messages.Messages().size(), 1);
        QVERIFY2(messages.Messages().first().text.contains(u"photo.jpg has changed or is gone"),
                 qPrintable(messages.Messages().first().text));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("t"))));
        QVERIFY(progress.shown.isEmpty());
    }

    // A larger copy than the one kept is decoded from the file again, turned as the window
    // turns the photo; it is refused once the file has changed.
    void previewAtLeast_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("angle");
        QTest::addColumn<QSize>("wanted");
        QTest::newRow("upright") << "big.jpg" << 0 << QSize(1000, 600);
        QTest::newRow("turned") << "big.jpg" << 90 << QSize(600, 1000);
        QTest::newRow("PNG, not held") << "big.png" << 90 << QSize(600, 1000);
    }
    void previewAtLeast() {
        QFETCH(QString, name);
        QFETCH(int, angle);
        QFETCH(QSize, wanted);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QImage smooth(4000, 2400, QImage::Format_RGB32);
        for (int y = 0; y < smooth.height(); ++y)
            for (int x = 0; x < smooth.width(); ++x)
                smooth.setPixel(x, y, qRgb(x * 255 / 4000, y * 255 / 2400, 90));
        QVERIFY(smooth.save(path, nullptr, 95));
        SourceImage source;
        source.SetLargestHeld(1000);
        QVERIFY(source.Open(path, QSize(100, 100)));
        QVERIFY(source.IsReadFromFile());
        source.RotateBy(angle);
        const auto copy = source.PreviewAtLeast(wanted);
        QVERIFY2(copy, qPrintable(copy.error()));
        QVERIFY(copy->width() >= wanted.width() && copy->height() >= wanted.height());
        QVERIFY(qint64(copy->width()) * copy->height() < qint64(4000) * 2400); // reduced
        const QImage expected =
            smooth.transformed(QTransform().rotate(angle))
                .scaled(copy->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(MaxChannelDifference(copy->convertToFormat(QImage::Format_RGB32), expected) <= 4);
        QVERIFY(QFile::remove(path));
        QVERIFY(!source.PreviewAtLeast(wanted));
    }

    // The large preview of a photo read from its file is drawn from a reduced copy with the
    // pixels the screen shows of the poster's part: the part of the photo, scaled.
    void previewFromReducedCopy_data() {
        QTest::addColumn<QRect>("window"); // the poster's part, in photo pixels
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("reduced"); // worked out: the photo by picture / window
        QTest::newRow("whole photo")
            << QRect(0, 0, 4000, 3000) << QSize(400, 300) << QSize(400, 300);
        QTest::newRow("a quarter of its width")
            << QRect(1000, 1000, 1000, 750) << QSize(400, 300) << QSize(1600, 1200);
        QTest::newRow("tall part, wide picture")
            << QRect(2000, 0, 500, 3000) << QSize(600, 200) << QSize(4000, 3000);
    }
    void previewFromReducedCopy() {
        QFETCH(QRect, window);
        QFETCH(QSize, picture);
        QFETCH(QSize, reduced);
        const QSize photoSize(4000, 3000);
        TileCoordTable table;
        table.count = 1;
        table.tiles = {{window.left(), window.top(), window.right(), window.bottom()}};
        QCOMPARE(PreviewRenderer::ReducedSizeFor(photoSize, table, picture), reduced);
        // A smooth picture, so that scaling in one step or two differs little.
        QImage photo(photoSize, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(x * 255 / 4000, y * 255 / 3000, 128));
        const QImage small = photo.scaled(reduced, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage shown =
            PreviewRenderer::FillPreview(small, photoSize, table, picture, false, 1, 1);
        const QImage expected = photo.copy(window).scaled(shown.size(), Qt::IgnoreAspectRatio,
                                                          Qt::SmoothTransformation);
        QVERIFY(shown.width() == picture.width() || shown.height() == picture.height());
        QVERIFY2(MaxChannelDifference(shown, expected) <= 3,
                 qPrintable(QString::number(MaxChannelDifference(shown, expected))));
    }

    // The window holds only its preview of a JPEG: a photo whose pixels need more memory than
    // the program may have opens and saves (in a child process with a limited address space),
    // and its tiles are those of the photo decoded whole without a limit.
    void largePhotoUnderMemoryLimit() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("The sanitizer's shadow memory needs an unlimited address space");
#endif
        QTemporaryDir dir;
        const QString photo = dir.filePath(QStringLiteral("big.jpg"));
        {
            QImage big(12000, 8000, QImage::Format_RGB888);
            big.fill(QColor(40, 120, 200));
            QPainter(&big).fillRect(3000, 2000, 4000, 3000, QColor(200, 60, 30));
            QVERIFY(big.save(photo, "JPEG", 90));
        }
        const QString out = dir.filePath(QStringLiteral("window"));
        const QString failure = ChildFailure(QStringLiteral("openAndSaveInChild"), 400,
                                             {{kLimitedOut, out}, {kLimitedPhoto, photo}});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QString whole = dir.filePath(QStringLiteral("whole"));
        QCOMPARE(
            RunCliProcess(QStringList{"export", photo, "--out", whole, "--decode-whole"} + kTiles)
                .status,
            0);
        const QStringList names = QDir(whole).entryList(QDir::Files, QDir::Name);
        QCOMPARE(names.size(), 625);
        QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name), names);
        for (const QString& name : names)
            QVERIFY2(ReadAll(out + u'/' + name) == ReadAll(whole + u'/' + name), qPrintable(name));
    }
    // A plain TIFF the command line cuts in bands has no reduced decode for the window's preview:
    // one whose pixels need more memory than the program may have is refused when opened, saying
    // how much it needs (in a child process whose address space would hold them, but not also
    // the room to cut them).
    void largeTiffRefusedUnderMemoryLimit() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("The sanitizer's shadow memory needs an unlimited address space");
#endif
        QTemporaryDir dir;
        const QString photo = dir.filePath(QStringLiteral("big.tif"));
        QVERIFY(WriteTiff(photo, QSize(12000, 8000), COMPRESSION_LZW, 16, 0, {},
                          [](int y, std::uint8_t* row) { std::memset(row, y % 256, 12000 * 3); }));
        const QString failure =
            ChildFailure(QStringLiteral("openRefusedInChild"), 600, {{kLimitedPhoto, photo}});
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    // largeTiffRefusedUnderMemoryLimit's child.
    void openRefusedInChild() {
        const QString photo = qEnvironmentVariable(kLimitedPhoto);
        if (photo.isEmpty() || !qEnvironmentVariable(kLimitedOut).isEmpty())
            QSKIP("runs as largeTiffRefusedUnderMemoryLimit's child");
        PixelArray::ShareArenasUnderLimit(); // as the program does at start
        SourceImage source;
        QVERIFY(!source.Open(photo, QSize(1200, 800)));
        QVERIFY2(source.Error().contains(QStringLiteral("12000 x 8000 pixels need 275 MB")),
                 qPrintable(source.Error()));
    }

    // largePhotoUnderMemoryLimit's child: opens the photo as the window does and saves its
    // tiles into the folder it is given.
    void openAndSaveInChild() {
        const QString out = qEnvironmentVariable(kLimitedOut);
        if (out.isEmpty())
            QSKIP("runs as largePhotoUnderMemoryLimit's child");
        PixelArray::ShareArenasUnderLimit(); // as the program does at start
        SourceImage source;
        QVERIFY2(source.Open(qEnvironmentVariable(kLimitedPhoto), QSize(1200, 800)),
                 qPrintable(source.Error()));
        QCOMPARE(source.Size(), QSize(12000, 8000));
        auto poster = Poster(kTiles, QStringLiteral("12000x8000"));
        QVERIFY(poster);
        RecordingProgress progress;
        TileSaver saver(progress);
        auto opened = PosterPhoto(source).Open();
        QVERIFY2(opened, qPrintable(opened.error()));
        const QFileInfo target(out);
        const SaveOutcome outcome = saver.Save(
            *poster, **opened,
            {target.absolutePath(), target.fileName(), QStringLiteral("big_"), ImageFormat::Jpeg},
            OverwritePolicy::Refuse);
        QVERIFY2(outcome.status == SaveOutcome::Status::Saved, qPrintable(outcome.text));
    }
};

QTEST_MAIN(TstWindowPhoto)
#include "tst_window_photo.moc"
