#include "export_test_support.h"

#include "../cli/cli_run.h"
#include "calibration/profile_table.h"
#include "export/tile_saver.h"
#include "tests/support/recording_message_service.h"

#include <QColorSpace>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

// Runs one of poppler's or qpdf's tools; its standard output.
QString Tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromLatin1(p.readAllStandardOutput());
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

SaveOutcome SavePoster(const PosterState& poster, const QString& folder, ImageFormat format,
                       RecordingProgress& progress, const QByteArray& icc = {}) {
    RecordingMessageService messages;
    TileSaver saver(messages, progress);
    saver.SetThreadCount(2);
    ImageObject img = PatternImage(poster.lImgWidth, poster.lImgHeight);
    img.SetIccProfile(icc);
    SaveTilesRequest request{folder, QStringLiteral("tiles"), QStringLiteral("p_"), format};
    request.aids.overviewPage = false; // the pages are the sheets alone
    return saver.processSaveNow(poster, img, request);
}

} // namespace

class TestPdf : public QObject {
    Q_OBJECT
private slots:
    void sheets_data();
    void sheets();
    void cancelLeavesNoFile_data();
    void cancelLeavesNoFile();
    void commandLine();
};

void TestPdf::sheets_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("mediaBox"); // as pdfinfo prints it
    QTest::addColumn<QString>("picture");  // width, height, left, bottom of the picture in points
    QTest::addColumn<bool>("icc");
    // The 4 x 6 in photo is listed 6 in wide and 4 in high; with 0.25 in margins all round
    // the picture is 5.5 x 3.5 in at 0.25, 0.25 in.
    QTest::newRow("inch preset") << QStringList{"--tiles",         "2x2",       "--paper",
                                                "Photo 4\" x 6\"", "--margins", "0.25"}
                                 << 4 << "0.00 0.00 432.00 288.00"
                                 << "396 0 0 252 18 18" << false;
    // A4 210 x 297 mm with its 12 mm margins: 186 x 273 mm at 12, 12 mm.
    QTest::newRow("mm preset") << QStringList{"--units", "mm",      "--tiles",
                                              "3x1",     "--paper", "A4 - 210 x 297"}
                               << 3 << "0.00 0.00 595.28 841.89"
                               << "527.2441 0 0 773.8583 34.0157 34.0157" << true;
    // 5 x 7 in, margins top 0.5, right 0.25, bottom 1, left 0.75: 4 x 5.5 in at 0.75, 1 in.
    const QStringList custom{"--tiles", "2x1", "--custom", "5x7", "--margins", "0.5,0.25,1,0.75"};
    QTest::newRow("custom") << custom << 2 << "0.00 0.00 360.00 504.00"
                            << "288 0 0 396 54 72" << false;
    // The padded tile fills the untrimmed area: the same box as without compensation.
    QTest::newRow("edge compensation")
        << (custom + QStringList{"--rotate-tiles", "--edge"}) << 2 << "0.00 0.00 360.00 504.00"
        << "288 0 0 396 54 72" << false;
}

// Every page is the paper with the tile's JPEG at the margins, and each embedded picture is
// the JPEG tile itself; read back with poppler and qpdf.
void TestPdf::sheets() {
    QFETCH(QStringList, options);
    QFETCH(int, pages);
    QFETCH(QString, mediaBox);
    QFETCH(QString, picture);
    QFETCH(bool, icc);
    const bool edge = options.removeAll(QStringLiteral("--edge")) > 0;
    auto poster = Poster(options, QStringLiteral("300x200"));
    QVERIFY(poster);
    const ProfileTable profiles({{QStringLiteral("Wide"), {16, 0, 8, 4}}});
    poster->SetProfileTable(&profiles);
    poster->SetCurrentProfile(0);
    poster->SetPrinterClips(edge);

    QTemporaryDir dir;
    RecordingProgress progress;
    const QByteArray profile = icc ? QColorSpace(QColorSpace::SRgb).iccProfile() : QByteArray();
    const SaveOutcome pdf = SavePoster(*poster, dir.path(), ImageFormat::Pdf, progress, profile);
    QCOMPARE(pdf.status, SaveOutcome::Status::Saved);
    QCOMPARE(pdf.file, dir.filePath(QStringLiteral("p_poster.pdf")));
    QCOMPARE(progress.okFolders, QStringList{pdf.file});
    QCOMPARE(FilesIn(dir.path()), QStringList{QStringLiteral("p_poster.pdf")});
    RecordingProgress jpegProgress;
    const SaveOutcome jpeg =
        SavePoster(*poster, dir.path(), ImageFormat::Jpeg, jpegProgress, profile);
    QCOMPARE(jpeg.status, SaveOutcome::Status::Saved);

    const QString info =
        Tool(QStringLiteral("pdfinfo"),
             {QStringLiteral("-box"), QStringLiteral("-l"), QString::number(99), pdf.file});
    QVERIFY(info.contains(QStringLiteral("Pages:           %1\n").arg(pages)));
    const QString box = mediaBox.split(u' ').replaceInStrings(u".", u"\\.").join(u" +");
    QCOMPARE(info.count(QRegularExpression(QStringLiteral("MediaBox: +") + box + u'\n')), pages);

    const QString qdf = Tool(QStringLiteral("qpdf"),
                             {QStringLiteral("--qdf"), QStringLiteral("--object-streams=disable"),
                              pdf.file, QStringLiteral("-")});
    QVERIFY(qdf.contains(
        QRegularExpression(QStringLiteral("/ViewerPreferences <<\\s*/PrintScaling /None"))));
    QCOMPARE(
        qdf.count(QRegularExpression(QStringLiteral("^q ") + QRegularExpression::escape(picture) +
                                         QStringLiteral(" cm /\\w+ Do"),
                                     QRegularExpression::MultilineOption)),
        pages);

    const QString list = Tool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf.file});
    QCOMPARE(list.count(icc ? QStringLiteral(" icc ") : QStringLiteral(" rgb ")), pages);
    Tool(QStringLiteral("pdfimages"),
         {QStringLiteral("-j"), pdf.file, dir.filePath(QStringLiteral("x"))});
    for (int i = 0; i < pages; ++i)
        QCOMPARE(
            ReadAll(dir.filePath(QStringLiteral("x-%1.jpg").arg(i, 3, 10, QChar(u'0')))),
            ReadAll(dir.filePath(QStringLiteral("tiles/p_%1.jpg").arg(i + 1, 3, 10, QChar(u'0')))));
}

void TestPdf::cancelLeavesNoFile_data() {
    QTest::addColumn<int>("cancelAt");
    QTest::newRow("first page") << 1;
    QTest::newRow("last page") << 6;
}

void TestPdf::cancelLeavesNoFile() {
    QFETCH(int, cancelAt);
    auto poster =
        Poster({"--tiles", "3x2", "--custom", "8x10", "--margins", "0"}, QStringLiteral("60x40"));
    QVERIFY(poster);
    QTemporaryDir dir;
    RecordingProgress progress(cancelAt);
    QCOMPARE(SavePoster(*poster, dir.path(), ImageFormat::Pdf, progress).status,
             SaveOutcome::Status::Canceled);
    QCOMPARE(FilesIn(dir.path()), QStringList());
}

// --out names the PDF; an existing one is replaced only with --yes. The overview page comes
// before the four sheets.
void TestPdf::commandLine() {
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("photo.jpg"));
    QVERIFY(PatternImage(240, 160).SaveImageFile(image, ImageFormat::Jpeg));
    const QString out = dir.filePath(QStringLiteral("wall.pdf"));
    QVERIFY(WriteAll(out, "old"));
    const QStringList args{"export", image, "--tiles", "2x2", "--format", "pdf", "--out", out};
    const CliRun refused = RunCli(args);
    QCOMPARE(refused.status, 2);
    QCOMPARE(ReadAll(out), QByteArray("old"));
    const CliRun replaced = RunCli(args + QStringList{"--yes"});
    QCOMPARE(replaced.status, 0);
    QVERIFY(replaced.out.endsWith(out + u'\n'));
    QVERIFY(
        Tool(QStringLiteral("pdfinfo"), {out}).contains(QStringLiteral("Pages:           5\n")));
    QCOMPARE(FilesIn(dir.path()), (QStringList{"photo.jpg", "wall.pdf"}));
}

QTEST_MAIN(TestPdf)
#include "tst_pdf.moc"
