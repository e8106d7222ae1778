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

QString Text(const QRectF& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString Tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(60000) && p.exitCode() == 0
               ? QString::fromUtf8(p.readAllStandardOutput())
               : QString();
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
    QTest::addColumn<QString>("sheet"); // overlap, tiles wide x high, row, column, turned
    QTest::addColumn<QString>("visible");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("cuts");
    QTest::addColumn<QStringList>("glue");
    // A 300 x 200 pt page with the picture at 20, 20, 260 x 160 pt; every character of a text
    // is 4 pt wide. Texts sit 1.5 pt inside 10 pt high boxes; a neighbour's name lies beside
    // (top, bottom) or below (sides) a 5 pt triangle.
    QTest::newRow("margins, crop marks")
        << QMarginsF() << false << "0 2x2 0 0 0"
        << "20,20 260x160"
        << QStringList{"A1 of 2 × 2 22,185 47x10", "A2 284.5,91.75 11x16.5", "B1 141,185 18x10"}
        << QStringList{"17,20 5,20",   "283,20 295,20",   "280,17 280,5", "280,183 280,195",
                       "17,180 5,180", "283,180 295,180", "20,17 20,5",   "20,183 20,195"}
        << QStringList{};
    // The right sheet lies on top of the left one and is cut along its left edge.
    QTest::newRow("overlap, sheet on top")
        << QMarginsF() << false << "36 2x1 0 1 0"
        << "20,20 260x160" << QStringList{"A2 of 2 × 1 22,185 47x10", "A1 4.5,91.75 11x16.5"}
        << QStringList{"19.8,0 19.8,200"} << QStringList{};
    // Turned tiles: the poster's left lies at the sheet's bottom.
    QTest::newRow("overlap, turned")
        << QMarginsF() << false << "36 2x1 0 1 1"
        << "20,20 260x160" << QStringList{"A2 of 2 × 1 22,185 47x10", "A1 141,185 18x10"}
        << QStringList{"0,180.2 300,180.2"} << QStringList{};
    // Only the picture less the trims prints: 24.5, 29 to 262, 171; the right and lower
    // neighbours cover 36 pt strips, which carry everything.
    QTest::newRow("adjust edges, overlap")
        << QMarginsF(4.5, 9, 18, 9) << false << "36 2x2 0 0 0"
        << "24.5,29 201.5x106"
        << QStringList{"A1 of 2 × 2 26.5,148 47x10", "A2 238.5,73.75 11x16.5",
                       "B1 116.25,148 18x10"}
        << QStringList{} << QStringList{"226,29 36x142", "24.5,135 237.5x36"};
    QTest::newRow("borderless, no room")
        << QMarginsF() << true << "0 2x2 1 1 0"
        << "0,0 300x200" << QStringList{} << QStringList{} << QStringList{};
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
    QStringList labels, cuts, glue;
    for (const AidText& t : plan.labels)
        labels << t.text + u' ' + Text(t.box);
    for (const AidLines& l : plan.cuts)
        for (const QLineF& line : l.lines)
            cuts << QStringLiteral("%1,%2 %3,%4")
                        .arg(line.x1())
                        .arg(line.y1())
                        .arg(line.x2())
                        .arg(line.y2());
    for (const AidLines& l : plan.glue)
        glue << Text(l.clip);
    QTEST(Text(plan.visible), "visible");
    QTEST(labels, "labels");
    QTEST(cuts, "cuts");
    QTEST(glue, "glue");
}

void TestSheetAids::pdf_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("edge");
    QTest::addColumn<QRectF>("printed");  // where aids may go: the page, or the trimmed picture
    QTest::addColumn<double>("overlap");  // points
    QTest::addColumn<QRectF>("probe");    // on the first sheet: marks only, never labels
    QTest::addColumn<QStringList>("own"); // each sheet's own label
    const QStringList full{"A1 of 2 × 2", "A2 of 2 × 2", "B1 of 2 × 2", "B2 of 2 × 2"};
    // 6 x 4 in paper, 0.25 in margins: the picture is 18, 18 to 414, 270 pt on a 432 x 288 pt
    // page; a 0.5 in overlap is 36 pt. Without overlap the top-left margin holds crop marks;
    // with it, the first sheet's right strip is a glue area.
    const QStringList paper{"--tiles", "2x2", "--paper", "Photo 4\" x 6\"", "--margins", "0.25"};
    QTest::newRow("butted") << paper << false << QRectF(0, 0, 432, 288) << 0.0
                            << QRectF(0, 0, 20, 17) << full;
    QTest::newRow("overlap") << paper << false << QRectF(0, 0, 432, 288) << 36.0
                             << QRectF(378, 18, 36, 40) << full;
    // Trims 16, 0, 8, 4 of 1/64 in: top 18, right 0, bottom 9, left 4.5 pt.
    QTest::newRow("adjust edges") << paper << true << QRectF(QPointF(22.5, 36), QPointF(414, 261))
                                  << 36.0 << QRectF(378, 36, 36, 40)
                                  << QStringList{"A1 of 2 × 2", "A2 of 2 × 2", "B1", ""};
}

// Sheets saved with each choice of aids and read back with poppler: the labels stand on their
// own sheets outside the visible picture, and the picture left visible is the same, pixel for
// pixel, as on sheets saved without aids.
void TestSheetAids::pdf() {
    QFETCH(QStringList, options);
    QFETCH(bool, edge);
    QFETCH(QRectF, printed);
    QFETCH(double, overlap);
    QFETCH(QRectF, probe);
    QFETCH(QStringList, own);
    auto poster = Poster(options, QStringLiteral("300x200"));
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
            const QRectF v = visible(page);
            const QRect inside(QPoint(v.left() * 2, v.top() * 2),
                               QPoint(v.right() * 2 - 1, v.bottom() * 2 - 1));
            QCOMPARE(sheet.copy(inside), bare[page].copy(inside));
            // Only the marks reach into the probe.
            const QRect p(probe.left() * 2, probe.top() * 2, probe.width() * 2, probe.height() * 2);
            if (page == 0)
                QCOMPARE(sheet.copy(p) != bare[0].copy(p), bool(aids & 2));
        }
    }
}

QTEST_MAIN(TestSheetAids)
#include "tst_sheet_aids.moc"
