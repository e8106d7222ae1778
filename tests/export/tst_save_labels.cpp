#include "export/save_folder_label.h"
#include "export/save_tiles_opening.h"
#include "export/split_path_label.h"
#include "layout/poster_state.h"
#include "tests/support/recording_message_service.h"

#include <QDir>
#include <QTest>

using namespace tessellon;
using Kind = RecordingMessageService::Kind;

namespace {

// Paths are written with '/' and a line break with '|'; both become what the program uses.
QString N(QString s) {
    s.replace(u'/', QDir::separator());
    return s.replace(u'|', QStringLiteral("\r\n"));
}

// Two-by-two tiles of 6 x 4 inches over a 120 x 80 image.
PosterState GoodPoster() {
    PosterState p;
    p.lImgWidth = 120;
    p.lImgHeight = 80;
    p.bImgSelected = true;
    return p;
}

} // namespace

class TestSaveLabels : public QObject {
    Q_OBJECT

private slots:
    void splitPathLabel_data() {
        QTest::addColumn<QString>("orig");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("expected");

        QTest::newRow("short path unchanged")
            << N("/home/pics/P1/") << 55 << 78 << N("/home/pics/P1/");
        QTest::newRow("empty") << QString() << 55 << 78 << QString();
        QTest::newRow("separator past start") << N("abcd/efg") << 3 << 100 << N("abcd/|efg");
        QTest::newRow("separator at start count") << N("abc/de") << 4 << 100 << N("abc/de");
        QTest::newRow("only first separator past start")
            << N("abcd/e/fghij/k") << 3 << 100 << N("abcd/|e/fghij/|k");
        QTest::newRow("blank resets count") << N("ab cd/ef") << 3 << 100 << N("ab cd/ef");
        QTest::newRow("end window repeats") << N("abcdefghij") << 55 << 4 << N("abcd|efgh|ij");
        QTest::newRow("end window at last char") << N("abcdefgh") << 55 << 4 << N("abcd|efgh|");
        QTest::newRow("blank restarts end window") << N("abc defgh") << 55 << 4 << N("abc defg|h");
        QTest::newRow("separator break resets end window")
            << N("abcd/efgh") << 2 << 5 << N("abcd/|efgh");
        QTest::newRow("one break when both meet") << N("abcd/") << 2 << 5 << N("abcd/|");
        // The other notation's separator is an ordinary character.
        const QString foreign = QDir::separator() == u'/' ? "abcd\\efg" : "abcd/efg";
        QTest::newRow("foreign separator") << foreign << 3 << 100 << foreign;
    }

    void splitPathLabel() {
        QFETCH(QString, orig);
        QFETCH(int, start);
        QFETCH(int, end);
        QTEST(SplitPathLabel(orig, short(start), short(end)), "expected");
    }

    void splitLongPathAtWindows() {
        // 60 characters without a blank, then a separator: the break follows it.
        const QString longPart = QString(59, u'x');
        const QString path = N(u'/' + longPart + QStringLiteral("/tail"));
        QCOMPARE(SplitPathLabel(path, 55, 78), N(u'/' + longPart + QStringLiteral("/|tail")));
        // 100 characters without a separator: a break after 78.
        const QString plain(100, u'y');
        QCOMPARE(SplitPathLabel(plain, 55, 78),
                 QString(78, u'y') + QStringLiteral("\r\n") + QString(22, u'y'));
    }

    void folderText() {
        const QString root = QDir::rootPath(), shown = QDir::toNativeSeparators(root);
        const QList<std::tuple<QString, QString, QString>> cases{
            {"/home/u/Pics", "Poster1", N("/home/u/Pics/Poster1/")},
            {root, "Poster1", shown + N("Poster1/")},
            {"/home/u/", "P", N("/home/u/P/")}, // the folder ends in a separator
            {"/home/u/Pics", "", N("/home/u/Pics/")},
            {root, "", shown}};
        for (const auto& [folder, name, expected] : cases)
            QCOMPARE(SaveFolderLabel::FolderText(folder, name), expected);
    }

    void opening_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("noTiles");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("shown"); // base name and format, or the message's title and text
        using S = SaveTilesOpening::Status;
        const auto row = [](const char* tag, const char* file, bool noTiles, S status,
                            const char* shown) {
            QTest::newRow(tag) << QString::fromLatin1(file) << noTiles << int(status)
                               << QString::fromLatin1(shown);
        };
        row("five characters", "a.jpg", false, S::Ok, "a_|1");
        row("capital ending", "Holiday.JPG", false, S::Ok, "Holiday_|1");
        row("tif", "scan.tif", false, S::Ok, "scan_|3");
        row("bmp", "x.Bmp", false, S::Ok, "x_|6");
        row("four characters", ".jpg", false, S::InvalidFile,
            "Problem|Invalid file chosen.  Can not continue.");
        row("long ending", "Holiday.jpeg", false, S::Ok, "Holiday_|1");
        row("png gives tif", "shot.PNG", false, S::Ok, "shot_|3");
        row("other type", "photo.gif", false, S::InvalidType,
            "Error|Unable to save - invalid image file type");
        row("no tiles", "a.jpg", true, S::NoTiles,
            "Can Not Continue|Invalid image/tile information.  Can not continue.");
        row("no tiles before a bad name", "abc", true, S::NoTiles,
            "Can Not Continue|Invalid image/tile information.  Can not continue.");
    }

    void opening() {
        QFETCH(QString, fileName);
        QFETCH(bool, noTiles);
        QFETCH(int, status);
        QFETCH(QString, shown);
        PosterState poster = GoodPoster();
        if (noTiles)
            poster.lImgWidth = 0;
        RecordingMessageService messages;
        const SaveTilesOpening o = SaveTilesOpening::Check(poster, fileName, messages);
        QCOMPARE(int(o.status), status);
        QCOMPARE(o.ok(), status == int(SaveTilesOpening::Status::Ok));
        if (o.ok()) {
            QVERIFY(messages.Messages().isEmpty());
            QCOMPARE(o.defaults.baseFileName + u'|' + QString::number(int(*o.defaults.format)),
                     shown);
            QCOMPARE(o.defaults.newFolderName,
                     o.defaults.baseFileName + QStringLiteral("poster_images"));
        } else {
            QCOMPARE(messages.Messages().size(), 1);
            const auto& m = messages.Messages().front();
            QCOMPARE(m.kind, Kind::Critical);
            QCOMPARE(m.title + u'|' + m.text, shown);
        }
    }

    void openingChecksTileSizesFirst() {
        PosterState poster = GoodPoster();
        poster.dTileWidth = 0.5; // below the smallest tile
        poster.lImgWidth = 0;
        RecordingMessageService messages;
        const SaveTilesOpening o = SaveTilesOpening::Check(poster, QStringLiteral("ab"), messages);
        QCOMPARE(o.status, SaveTilesOpening::Status::InvalidTileSizes);
        QCOMPARE(messages.Messages().size(), 1);
        QCOMPARE(messages.Messages().front().title,
                 QStringLiteral("Invalid Tile Print Size Entered"));
        QVERIFY(messages.Messages().front().text.endsWith(QStringLiteral("0.75 to 50.00 inches.")));
    }
};

QTEST_GUILESS_MAIN(TestSaveLabels)
#include "tst_save_labels.moc"
