#include "export_test_support.h"

#include "../cli/cli_run.h"
#include "export/overview_page_layout.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

QString Tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(60000) && p.exitCode() == 0
               ? QString::fromLatin1(p.readAllStandardOutput())
               : QString();
}

} // namespace

class TestOverview : public QObject {
    Q_OBJECT
private slots:
    void pageLayout_data();
    void pageLayout();
    void pdfPage_data();
    void pdfPage();
    void image();
};

void TestOverview::pageLayout_data() {
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<QList<double>>("grid"); // tiles wide, high, tile width, height, overlap
    QTest::addColumn<QRectF>("picture");
    QTest::addColumn<QRectF>("lastSheet");
    QTest::addColumn<QList<QRectF>>("strips");
    QTest::addColumn<QPointF>("firstBaseline");
    QTest::addColumn<QPointF>("firstLabel"); // centred in what A2 and B1 leave of A1, 30 pt
    // Letter: margin 36, text 10 pt (heading 15): 4 facts and 4 steps take 19.5 + 52 + 6.5 + 52
    // = 130 pt and a gap of 15. Above: 540 x 575 at (36, 181) holds the 15 x 10 in poster as
    // 540 x 360 at its top; beside: only 309 wide. 36 pt per poster inch.
    QTest::newRow("text above, overlap")
        << QSizeF(612, 792) << QList<double>{2, 1, 8, 10, 1} << QRectF(36, 181, 540, 360)
        << QRectF(288, 181, 288, 360) << QList<QRectF>{QRectF(288, 181, 36, 360)} << QPointF(36, 51)
        << QPointF(162, 371.5);
    // Landscape, 10 x 15 in: above leaves 263 x 395; beside, a 288 pt column leaves 417 x 540,
    // which holds 360 x 540, centred across.
    QTest::newRow("text beside") << QSizeF(792, 612) << QList<double>{1, 2, 10, 7.5, 0}
                                 << QRectF(64.5, 36, 360, 540) << QRectF(64.5, 306, 360, 270)
                                 << QList<QRectF>{} << QPointF(468, 51) << QPointF(244.5, 181.5);
}

// Boxes of the overview page, with texts of no width so that nothing wraps.
void TestOverview::pageLayout() {
    QFETCH(QSizeF, page);
    QFETCH(QList<double>, grid);
    PosterOverview overview;
    overview.geometry = PosterGeometryInput{int(grid[0]), int(grid[1]), grid[2], grid[3], grid[4]};
    overview.heading = QStringLiteral("H");
    overview.facts = overview.steps = QStringList{"a", "b", "c", "d"};
    const OverviewPageLayout layout(page, overview, [](const QString&, double) { return 0.0; });
    QTEST(layout.Picture(), "picture");
    QTEST(layout.Sheets().back().box, "lastSheet");
    QCOMPARE(layout.Sheets().size(), size_t(grid[0] * grid[1]));
    const std::vector<QRectF> strips = layout.Strips();
    QTEST(QList<QRectF>(strips.begin(), strips.end()), "strips");
    QTEST(layout.Texts().front().baseline, "firstBaseline");
    QTEST(layout.Labels().front().text.baseline, "firstLabel");
}

void TestOverview::pdfPage_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QStringList>("texts"); // on page 1
    // 3 x 2 sheets of 5.5 x 3.5 in (4 x 6 photo paper, 0.25 in margins).
    QTest::newRow("overview") << QStringList{} << 7
                              << QStringList{"Final size: 16.50 x 7.00 inches",
                                             "Sheets: 6, 3 across and 2 down", "corner crop marks"};
    QTest::newRow("overlap, no marks")
        << QStringList{"--overlap", "0.5", "--no-marks", "--no-labels"} << 7
        << QStringList{"Final size: 15.50 x 6.50 inches", "Overlap: 0.50 inches",
                       "trim off any margin"};
    QTest::newRow("overlap, marks")
        << QStringList{"--overlap", "0.5"} << 7 << QStringList{"along its cut line"};
    QTest::newRow("no overview") << QStringList{"--no-overview"} << 6 << QStringList{};
}

// The first page, read back with poppler: every sheet's name, the size, the sheets, the steps;
// all pages the paper.
void TestOverview::pdfPage() {
    QFETCH(QStringList, options);
    QFETCH(int, pages);
    QFETCH(QStringList, texts);
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("photo.jpg"));
    QVERIFY(PatternImage(330, 140).SaveImageFile(image, ImageFormat::Jpeg));
    const QString pdf = dir.filePath(QStringLiteral("p.pdf"));
    QCOMPARE(RunCli(QStringList{"export", image, "--tiles", "3x2", "--margins", "0.25", "--format",
                                "pdf", "--out", pdf} +
                    options)
                 .status,
             0);
    const QString info = Tool(QStringLiteral("pdfinfo"), {"-box", "-l", "99", pdf});
    QVERIFY(info.contains(QStringLiteral("Pages:           %1\n").arg(pages)));
    QCOMPARE(
        info.count(QRegularExpression(QStringLiteral("MediaBox: +0.00 +0.00 +432.00 +288.00"))),
        pages);
    const QString first = Tool(QStringLiteral("pdftotext"), {"-f", "1", "-l", "1", pdf, "-"});
    for (const QString& text : texts)
        QVERIFY2(first.simplified().contains(text), qPrintable(text));
    if (pages == 6)
        return;
    // The names on the picture are the large words: A1 A2 A3 along the top, B1 B2 B3 below.
    const QString boxes =
        Tool(QStringLiteral("pdftotext"), {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    QMap<QString, QPointF> names;
    const QRegularExpression word(QStringLiteral(
        "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">(\\w+)<"));
    for (const auto& m : word.globalMatch(boxes))
        if (m.captured(3).toDouble() - m.captured(2).toDouble() > 12)
            names[m.captured(4)] = QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
    QCOMPARE(names.keys(), (QStringList{"A1", "A2", "A3", "B1", "B2", "B3"}));
    QVERIFY(names["A1"].x() < names["A2"].x() && names["A2"].x() < names["A3"].x());
    QVERIFY(names["A1"].y() < names["B1"].y() && qAbs(names["B1"].x() - names["A1"].x()) < 1);
}

// Only with --overview: the poster picture 1600 pixels wide, the sheets' edge dark between them.
void TestOverview::image() {
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("photo.jpg"));
    QVERIFY(PatternImage(200, 100).SaveImageFile(image, ImageFormat::Jpeg));
    const QStringList args{"export",         image, "--tiles", "2x1", "--custom", "4x4",
                           "--margins",      "0",   "--base",  "p",   "--yes",    "--out",
                           dir.filePath("t")};
    QCOMPARE(RunCli(args).status, 0);
    QCOMPARE(QDir(dir.filePath("t")).entryList(QDir::Files), (QStringList{"p001.jpg", "p002.jpg"}));
    QCOMPARE(RunCli(args + QStringList{"--overview"}).status, 0);
    const QImage got(dir.filePath(QStringLiteral("t/poverview.jpg")));
    const QImage want =
        QImage(image).scaled(1600, 800, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(got.size(), want.size());
    const QRgb a = got.pixel(400, 100), b = want.pixel(400, 100);
    QVERIFY(qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) < 40);
    QVERIFY(qGray(got.pixel(800, 600)) < 60 && qGray(got.pixel(801, 600)) > 200);
}

QTEST_MAIN(TestOverview)
#include "tst_overview.moc"
