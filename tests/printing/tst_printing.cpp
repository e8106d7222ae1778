#include "private_cups.h"

#include "../cli/cli_run.h"
#include "cli/cli_app.h"
#include "imaging/image_object.h"
#include "layout/poster_state.h"
#include "print/helvetica_metrics.h"
#include "print/pdf_poster_writer.h"
#include "print/poster_overview.h"
#include "print/sheet_painter.h"
#include "printing/print_job.h"
#include "printing/sheet_range.h"
#include "tests/support/export_test_support.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

// Dark pixels (labels, marks) outside the picture's box on page `page` at 72 dpi.
int DarkOutside(const QString& pdf, int page, const QRectF& picture, const QString& dir) {
    const QImage img = RenderPage(pdf, page, 72, dir);
    int dark = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            dark += !picture.adjusted(-1, -1, 1, 1).contains(QPointF(x + 0.5, y + 0.5)) &&
                    qGray(img.pixel(x, y)) < 128;
    return dark;
}

// Where the red picture lies on page `page`, in points from the top-left corner, read from a
// rendering at 288 dpi (a quarter point per pixel).
QRectF RedBox(const QString& pdf, int page, const QString& dir) {
    const QRect box = Bounds(RenderPage(pdf, page, 288, dir), [](QRgb c) {
        return qRed(c) > 150 && qGreen(c) < 110 && qBlue(c) < 110;
    });
    return QRectF(QPointF(box.topLeft()) / 4, QSizeF(box.size()) / 4);
}

// Each side of `a` within half a point of that of `b`.
bool Near(const QRectF& a, const QRectF& b) {
    return a.adjusted(-0.5, -0.5, 0.5, 0.5).contains(b) &&
           b.adjusted(-0.5, -0.5, 0.5, 0.5).contains(a);
}

QString Describe(const QRectF& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
    std::unique_ptr<PrivateCups> cups_;
    QTemporaryDir dir_;
    QString image_;

    // Prints through the private queue and returns the PDF it produced.
    QString PrintAndRead(const QStringList& args, const QString& name) {
        QFile::remove(cups_->Output("tess_a4"));
        const CliRun run = RunCli(QStringList{"print", image_, "--printer", "tess_a4"} + args);
        if (run.status != 0) {
            qWarning() << run.err << cups_->ReadLog().right(2000);
            return {};
        }
        return cups_->WaitForPdf("tess_a4", dir_.filePath(name));
    }

private slots:
    void initTestCase() {
        // A red photo: the picture's rectangle shows on any page.
        image_ = dir_.filePath(QStringLiteral("red.png"));
        QImage red(600, 400, QImage::Format_RGB888);
        red.fill(QColor(220, 20, 20));
        QVERIFY(red.save(image_));
        cups_ = std::make_unique<PrivateCups>();
        if (!cups_->Unavailable().isEmpty())
            QSKIP(qPrintable(cups_->Unavailable()));
    }

    void sheetRange_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("sheets");
        // A poster of 3 x 2 sheets: A1 A2 A3 / B1 B2 B3, numbered 1 to 6.
        QTest::newRow("everything") << "" << QList<int>{};
        QTest::newRow("one name") << "B2" << QList<int>{4};
        QTest::newRow("lower case") << "b3" << QList<int>{5};
        QTest::newRow("numbers, en dash") << "4\u20136" << QList<int>{3, 4, 5};
        QTest::newRow("names across a row") << "A3-B1" << QList<int>{2, 3};
        QTest::newRow("list, twice") << "C1, 1, A1,2" << QList<int>{-1};
        QTest::newRow("mixed and sorted") << "B1, A1-A2" << QList<int>{0, 1, 3};
        QTest::newRow("no such column") << "A4" << QList<int>{-1};
        QTest::newRow("beyond the last") << "7" << QList<int>{-1};
        QTest::newRow("backwards") << "5-3" << QList<int>{-1};
    }
    void sheetRange() {
        QFETCH(QString, text);
        QFETCH(QList<int>, sheets);
        const auto parsed = SheetRange::Parse(text, 3, 2);
        if (sheets == QList<int>{-1}) {
            QVERIFY(!parsed);
            return;
        }
        QVERIFY2(parsed, qPrintable(parsed.error()));
        QCOMPARE(QList<int>(parsed->begin(), parsed->end()), sheets);
    }
    void sheetNames() {
        QCOMPARE(SheetRange::Names({0, 1, 2, 4}, 3), QStringLiteral("A1\u2013A3, B2"));
    }

    // The painter plans its texts with the very widths the PDF uses.
    void helveticaWidths() {
        PdfPosterWriter writer;
        QVERIFY(writer.Open(dir_.filePath(QStringLiteral("w.pdf"))));
        const HelveticaMetrics helvetica;
        for (const QString& text :
             {QStringLiteral("B3 of 5 \u00d7 4"), QStringLiteral("Wg"), QStringLiteral("\u20ac")})
            QCOMPARE(helvetica.Width(text, 7), writer.TextWidth(text, 7));
    }

    void printers() {
        const CliRun run = RunCli({"printers"});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains(QStringLiteral("* tess_a4\n")), qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("  tess_stopped\t(stopped)\n")));
        QVERIFY(
            run.out.contains(QStringLiteral("    A4\tA4 (209.9 x 297.0 mm, 8.26 x 11.69 in)\t*")));
        QVERIFY(run.out.contains(QStringLiteral("    Letter\t")));
    }

    void printsWhatTheExportMakes_data() {
        QTest::addColumn<QString>("via");
        QTest::newRow("the export's PDF to CUPS") << "pdf";
        QTest::newRow("drawn by a painter") << "painter";
    }
    // A 2 x 1 poster on A4 with 10 mm margins: the overview page, then two sheets whose red
    // picture lies 10 mm (28.35 pt) in, 190 x 277 mm (538.58 x 785.20 pt), as in the export.
    void printsWhatTheExportMakes() {
        QFETCH(QString, via);
        const QStringList poster{"--tiles", "2x1", "--paper", "a4", "--margins", "10"};
        const QString exported = dir_.filePath(QStringLiteral("export.pdf"));
        QCOMPARE(
            RunCli(QStringList{"export", image_, "--format", "pdf", "--yes", "--out", exported} +
                   poster)
                .status,
            0);
        const QString printed = PrintAndRead(poster + QStringList{"--via", via}, via + ".pdf");
        QVERIFY(!printed.isEmpty());
        const QList<QSizeF> sizes = PageSizes(printed);
        QCOMPARE(sizes.size(), 3);
        for (const QSizeF& s : sizes)
            QVERIFY2(std::abs(s.width() - 595.28) < 1 && std::abs(s.height() - 841.89) < 1,
                     qPrintable(QStringLiteral("%1 x %2").arg(s.width()).arg(s.height())));
        const QRectF byHand(28.35, 28.35, 538.58, 785.20);
        for (int page : {2, 3}) {
            const QRectF want = RedBox(exported, page, dir_.path());
            const QRectF got = RedBox(printed, page, dir_.path());
            QVERIFY2(Near(want, byHand), qPrintable(Describe(want)));
            QVERIFY2(Near(got, want), qPrintable(Describe(got) + " vs " + Describe(want)));
            // The labels and marks print where the export puts them.
            const int exportedAids = DarkOutside(exported, page, want, dir_.path());
            const int printedAids = DarkOutside(printed, page, want, dir_.path());
            QVERIFY2(exportedAids > 20 && std::abs(printedAids - exportedAids) < exportedAids / 4,
                     qPrintable(QStringLiteral("%1 vs %2").arg(printedAids).arg(exportedAids)));
        }
        if (via == u"painter")
            return; // Qt's subset fonts lose their text on the way through PostScript
        const QString text = Tool("pdftotext", {printed, "-"});
        for (const char* label : {"Poster overview", "A1 of 2 \u00d7 1", "A2 of 2 \u00d7 1"})
            QVERIFY2(text.contains(QString::fromUtf8(label)), qPrintable(text));
    }

    // A reprint of two sheets of a 2 x 2 poster: just those, no overview page.
    void sheetRangeHonoured() {
        const QString printed = PrintAndRead(
            {"--tiles", "2x2", "--paper", "a4", "--sheets", "A2,B1", "--copies", "1"}, "range.pdf");
        QVERIFY(!printed.isEmpty());
        QCOMPARE(PageSizes(printed).size(), 2);
        const QString text = Tool("pdftotext", {printed, "-"});
        QVERIFY2(
            text.contains(QRegularExpression(QStringLiteral("A2 of 2 \u00d7 2.*B1 of 2 \u00d7 2"),
                                             QRegularExpression::DotMatchesEverythingOption)),
            qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("A1 of")) &&
                !text.contains(QStringLiteral("overview")));
    }

    void refusedBeforeAnythingIsSent_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("A3 sheets, A4 paper")
            << QStringList{"--printer", "tess_a4", "--paper", "a3"} << 2
            << "The poster's sheets are A3 - 297 x 420 (297.0 x 420.0 mm, 11.69 x 16.54 in), but "
               "the printer's paper is A4 (209.9 x 297.0 mm, 8.26 x 11.69 in).";
        QTest::newRow("stopped queue") << QStringList{"--printer", "tess_stopped", "--paper", "a4"}
                                       << 1 << "The printer \"tess_stopped\" is stopped";
        QTest::newRow("no such printer")
            << QStringList{"--printer", "nowhere"} << 1 << "There is no printer named \"nowhere\".";
        QTest::newRow("bad range") << QStringList{"--sheets", "C1"} << 2 << "No such sheet";
    }
    void refusedBeforeAnythingIsSent() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        const int before = cups_->JobCount("tess_a4") + cups_->JobCount("tess_stopped");
        const CliRun run = RunCli(QStringList{"print", image_, "--tiles", "2x2"} + args);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(cups_->JobCount("tess_a4") + cups_->JobCount("tess_stopped"), before);
    }

    void canceledSendsNothing_data() {
        QTest::addColumn<PrintPath>("path");
        QTest::addColumn<int>("cancelAt"); // the sheet of four
        QTest::newRow("pdf, first") << PrintPath::Document << 1;
        QTest::newRow("pdf, last") << PrintPath::Document << 4;
        QTest::newRow("painter, first") << PrintPath::Painter << 1;
        QTest::newRow("painter, last") << PrintPath::Painter << 4;
    }
    // Cancel pressed while the sheets are made: the queue gets no job and prints nothing.
    void canceledSendsNothing() {
        QFETCH(PrintPath, path);
        QFETCH(int, cancelAt);
        const auto poster = Poster({"--tiles", "2x2", "--paper", "a4"}, image_);
        QVERIFY(poster);
        ImageObject img;
        QVERIFY(img.LoadImageFile(image_).ok());
        QFile::remove(cups_->Output("tess_a4"));
        const int before = cups_->JobCount("tess_a4");
        RecordingProgress progress(cancelAt);
        PrintRequest request;
        request.printer = QStringLiteral("tess_a4");
        request.path = path;
        const PrintOutcome out = PrintJob(progress).Print(*poster, img, request);
        QCOMPARE(out.status, PrintOutcome::Status::Canceled);
        QCOMPARE(out.text, QStringLiteral("Printing canceled; nothing was sent to the printer."));
        QTest::qWait(1000); // time for a job that should not be there to show up
        QCOMPARE(cups_->JobCount("tess_a4"), before);
        QVERIFY(!QFileInfo::exists(cups_->Output("tess_a4")));
    }

    // Printed through the painter, a text beyond WinAnsi (Polish) keeps its own letters: the
    // page differs from the same text with question marks where those letters are.
    void lettersBeyondWinAnsiPainted() {
        PosterState poster;
        poster.bImgSelected = true;
        poster.lImgWidth = 600;
        poster.lImgHeight = 400;
        auto overview = PosterOverview::For(poster, true, true);
        QVERIFY(overview);
        const auto paint = [&](const QString& heading) {
            overview->heading = heading;
            QImage page(300, 425, QImage::Format_RGB32);
            page.fill(Qt::white);
            QPainter painter(&page);
            SheetPainter::UsePoints(painter, 36);
            SheetPainter::PaintOverviewPage(painter, QSizeF(595, 842), *overview, QImage());
            return page;
        };
        QVERIFY(paint(QStringLiteral("\u0141\u00f3d\u017a")) != paint(QStringLiteral("?\u00f3d?")));
    }

    void cleanupTestCase() { cups_.reset(); }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
