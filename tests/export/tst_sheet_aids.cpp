#include "export_test_support.h"

#include "calibration/profile_table.h"
#include "export/pdf_tile_sink.h"
#include "export/sheet_aids.h"
#include "export/tile_saver.h"
#include "tests/support/recording_message_service.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

QString Text(QPointF p) {
    return QString::number(p.x()) + u',' + QString::number(p.y());
}
QString Text(const QRectF& r) {
    return Text(r.topLeft()) + QStringLiteral(" %1x%2").arg(r.width()).arg(r.height());
}

// The pixels of a box given in points of a page rendered at 144 dpi.
QImage Part(const QImage& page, const QRectF& box) {
    return page.copy(QRectF(box.topLeft() * 2, box.size() * 2).toRect());
}

QString Tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestSheetAids : public QObject {
    Q_OBJECT
private slots:
    void plan_data();
    void plan();
    void pdf_data();
    void pdf();
};

void TestSheetAids::plan_data() {
    QTest::addColumn<QMarginsF>("trims"); // left, top, right, bottom; none when all 0
    QTest::addColumn<bool>("borderless");
    QTest::addColumn<QString>("sheet");    // overlap, tiles wide x high, row, column, turned
    QTest::addColumn<QStringList>("aids"); // the visible picture, labels, cut lines, glue areas
    // A 300 x 200 pt page with the picture at 20, 20, 260 x 160 pt; every character of a text
    // is 4 pt wide. Texts sit 1.5 pt inside 10 pt high boxes; a neighbour's name lies beside
    // (top, bottom) or below (sides) a 5 pt triangle.
    QTest::newRow("margins, crop marks")
        << QMarginsF() << false << "0 2x2 0 0 0"
        << QStringList{"20,20 260x160", "A1 of 2 × 2 22,185 47x10", "A2 284.5,91.75 11x16.5",
                       "B1 141,185 18x10",
                       "cut 17,20 5,20; 283,20 295,20; 280,17 280,5; 280,183 280,195; 17,180 "
                       "5,180; 283,180 295,180; 20,17 20,5; 20,183 20,195"};
    // The right sheet lies on top of the left one and is cut along its left edge.
    QTest::newRow("overlap, sheet on top")
        << QMarginsF() << false << "36 2x1 0 1 0"
        << QStringList{"20,20 260x160", "A2 of 2 × 1 22,185 47x10", "A1 4.5,91.75 11x16.5",
                       "cut 19.8,0 19.8,200"};
    // Turned tiles: the poster's left lies at the sheet's bottom.
    QTest::newRow("overlap, turned") << QMarginsF() << false << "36 2x1 0 1 1"
                                     << QStringList{"20,20 260x160", "A2 of 2 × 1 22,185 47x10",
                                                    "A1 141,185 18x10", "cut 0,180.2 300,180.2"};
    // Only the picture less the trims prints: 24.5, 29 to 262, 171; the right and lower
    // neighbours cover 36 pt strips (glue), which carry everything.
    QTest::newRow("adjust edges, overlap")
        << QMarginsF(4.5, 9, 18, 9) << false << "36 2x2 0 0 0"
        << QStringList{"24.5,29 201.5x106",      "A1 of 2 × 2 26.5,148 47x10",
                       "A2 238.5,73.75 11x16.5", "B1 116.25,148 18x10",
                       "glue 226,29 36x142",     "glue 24.5,135 237.5x36"};
    QTest::newRow("borderless, no room")
        << QMarginsF() << true << "0 2x2 1 1 0" << QStringList{"0,0 300x200"};
}

void TestSheetAids::plan() {
    QFETCH(QMarginsF, trims);
    QFETCH(bool, borderless);
    QFETCH(QString, sheet);
    const QStringList s = sheet.split(QRegularExpression(QStringLiteral("[ x]")));
    PdfSheetLayout layout;
    layout.page = QSizeF(300, 200);
    layout.picture = borderless ? QRectF(0, 0, 300, 200) : QRectF(20, 20, 260, 160);
    if (!trims.isNull())
        layout.trims = trims;
    layout.overlap = s[0].toDouble();
    layout.tilesWide = s[1].toInt();
    layout.tilesHigh = s[2].toInt();
    layout.turned = s[5] == u'1';
    const SheetAidsPlan plan =
        SheetAids::Plan(layout, s[3].toInt(), s[4].toInt(),
                        [](const QString& t, double) { return 4.0 * t.size(); });
    QStringList aids{Text(plan.visible)};
    for (const AidText& t : plan.labels)
        aids << t.text + u' ' + Text(t.box);
    QStringList cuts;
    for (const AidLines& l : plan.cuts)
        for (const QLineF& line : l.lines)
            cuts << Text(line.p1()) + u' ' + Text(line.p2());
    if (!cuts.isEmpty())
        aids << QStringLiteral("cut ") + cuts.join(QStringLiteral("; "));
    for (const AidLines& l : plan.glue)
        aids << QStringLiteral("glue ") + Text(l.clip);
    QTEST(aids, "aids");
}

void TestSheetAids::pdf_data() {
    QTest::addColumn<bool>("edge");
    QTest::addColumn<QRectF>("printed");  // where aids may go: the page, or the trimmed picture
    QTest::addColumn<double>("overlap");  // points
    QTest::addColumn<QRectF>("probe");    // on the first sheet: marks only, never labels
    QTest::addColumn<QStringList>("own"); // each sheet's own label
    const QStringList full{"A1 of 2 × 2", "A2 of 2 × 2", "B1 of 2 × 2", "B2 of 2 × 2"};
    // 6 x 4 in paper, 0.25 in margins: the picture is 18, 18 to 414, 270 pt on a 432 x 288 pt
    // page; a 0.5 in overlap is 36 pt. Without overlap the top-left margin holds crop marks;
    // with it, the first sheet's right strip is a glue area.
    QTest::newRow("butted") << false << QRectF(0, 0, 432, 288) << 0.0 << QRectF(0, 0, 20, 17)
                            << full;
    QTest::newRow("overlap") << false << QRectF(0, 0, 432, 288) << 36.0 << QRectF(378, 18, 36, 40)
                             << full;
    // Trims 16, 0, 8, 4 of 1/64 in: top 18, right 0, bottom 9, left 4.5 pt.
    QTest::newRow("adjust edges") << true << QRectF(QPointF(22.5, 36), QPointF(414, 261)) << 36.0
                                  << QRectF(378, 36, 36, 40)
                                  << QStringList{"A1 of 2 × 2", "A2 of 2 × 2", "B1", ""};
}

// Sheets saved with each choice of aids and read back with poppler: the labels stand on their
// own sheets outside the visible picture, and the picture left visible is the same, pixel for
// pixel, as on sheets saved without aids.
void TestSheetAids::pdf() {
    QFETCH(bool, edge);
    QFETCH(QRectF, printed);
    QFETCH(double, overlap);
    QFETCH(QRectF, probe);
    QFETCH(QStringList, own);
    auto poster = Poster({"--tiles", "2x2", "--paper", "Photo 4\" x 6\"", "--margins", "0.25"},
                         QStringLiteral("300x200"));
    QVERIFY(poster);
    const ProfileTable profiles({{QStringLiteral("Wide"), {16, 0, 8, 4}}});
    poster->SetProfileTable(&profiles);
    poster->SetPrinterClips(edge);
    poster->dOverlap = overlap / 72;
    const auto visible = [&](int page) { // the right and lower sheets lie on top
        return printed.intersected(QRectF(18, 18, 396, 252))
            .adjusted(0, 0, page % 2 ? 0 : -overlap, page / 2 ? 0 : -overlap);
    };
    QTemporaryDir dir;
    QList<QImage> bare;                   // the sheets without aids
    for (const int aids : {0, 1, 2, 3}) { // none, labels, marks, both
        RecordingMessageService messages;
        RecordingProgress progress;
        SaveTilesRequest request{dir.path(), {}, QStringLiteral("p%1").arg(aids), ImageFormat::Pdf};
        request.aids.labels = aids & 1;
        request.aids.marks = aids & 2;
        request.aids.overviewPage = false; // the sheets alone
        const SaveOutcome saved =
            TileSaver(messages, progress).processSaveNow(*poster, PatternImage(300, 200), request);
        QCOMPARE(saved.status, SaveOutcome::Status::Saved);
        const QString text = Tool(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-bbox"), saved.file, QStringLiteral("-")});
        const QStringList pages = text.split(QStringLiteral("<page "));
        QCOMPARE(pages.size(), 5);
        Tool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("144"), saved.file,
                                          dir.filePath(QString::number(aids))});
        for (int page = 0; page < 4; ++page) {
            static const QRegularExpression word(
                QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                               "yMax=\"([\\d.]+)\">([^<]*)<"));
            QStringList words;
            for (const auto& m : word.globalMatch(pages[page + 1])) {
                const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                 QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
                QVERIFY2(printed.contains(box) && !box.intersects(visible(page)),
                         qPrintable(m.captured(5)));
                words << m.captured(5);
            }
            const QString label = aids & 1 ? own[page] : QString();
            QCOMPARE(words.isEmpty(), label.isEmpty());
            QVERIFY(words.join(u' ').contains(label));
            const QImage sheet(dir.filePath(QStringLiteral("%1-%2.ppm").arg(aids).arg(page + 1)));
            if (!aids)
                bare << sheet;
            QVERIFY(!sheet.isNull());
            QCOMPARE(Part(sheet, visible(page)), Part(bare[page], visible(page)));
            if (page == 0) // only the marks reach into the probe
                QCOMPARE(Part(sheet, probe) != Part(bare[0], probe), bool(aids & 2));
        }
    }
}

QTEST_MAIN(TestSheetAids)
#include "tst_sheet_aids.moc"
