#include "app_test_support.h"

#include "../printing/private_cups.h"
#include "app/dialog_host.h"
#include "app/frm_btm.h"
#include "app/frm_main.h"
#include "app/frm_tile_size.h"
#include "app/print_dialog_service.h"
#include "imaging/image_object.h"
#include "printing/printer_catalog.h"
#include "tests/support/memory_settings_store.h"

using namespace tessellon;
using namespace tessellon::testing;

namespace {

// The print dialog's stand-in: it records what it was set up with and answers from a queue
// (cancel when the queue is empty).
class RecordingPrintDialog : public PrintDialogService {
public:
    std::optional<PrintChoice> Ask(QWidget*, const PrintSetup& setup) override {
        asked.append(setup);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    QList<std::optional<PrintChoice>> answers;
    QList<PrintSetup> asked;
};

// Where the brown outer frame of the edge test target lies on page 1, in points, read from a
// rendering at 288 dpi (a quarter point per pixel).
QRectF BrownBox(const QString& pdf, const QString& stem) {
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {"-r", "288", "-f", "1", "-l", "1", "-singlefile", "-png", pdf, stem});
    const QImage img = QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qRed(c) > 130 && qGreen(c) > 70 && qGreen(c) < 170 && qBlue(c) < 60)
                box |= QRect(x, y, 1, 1);
        }
    return QRectF(box.x() / 4.0, box.y() / 4.0, box.width() / 4.0, box.height() / 4.0);
}

} // namespace

class TstPrintWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<PrivateCups> cups_;
    QTemporaryDir dir_;
    RecordingMessageService messages_;
    MemorySettingsStore store_;
    std::unique_ptr<frmMain> w_;
    std::unique_ptr<DialogHost> host_;
    RecordingPrintDialog dialog_;

    PrintChoice A4(const QString& sheets) const {
        const auto printer = PrinterCatalog::Find(QStringLiteral("tess_a4"));
        return PrintChoice{QStringLiteral("tess_a4"),
                           PrinterCatalog::ByKey(*printer, QStringLiteral("A4")), 1, sheets};
    }

private slots:
    void initTestCase() {
        cups_ = std::make_unique<PrivateCups>();
        if (!cups_->Unavailable().isEmpty())
            QSKIP(qPrintable(cups_->Unavailable()));
        ImageObject photo;
        QVERIFY(photo.CreateBlankImage(600, 400, QColor(200, 30, 30)));
        QVERIFY(photo.SaveImageFile(dir_.filePath(QStringLiteral("photo.jpg")), ImageFormat::Jpeg));
        store_.SavePref(PrefValue::AppDir, dir_.path());
        store_.SavePref(PrefValue::LastFolder, dir_.path());
        w_ = std::make_unique<frmMain>(store_, messages_);
        w_->Form_Load();
        host_ = std::make_unique<DialogHost>(*w_, store_, messages_);
        host_->SetPrintDialog(dialog_);
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    }
    void init() {
        messages_.Clear();
        dialog_.asked.clear();
        dialog_.answers.clear();
    }

    // The print button and File > Print are there exactly when saving is.
    void enabledWithSaving() {
        auto* print = Find<QPushButton>(*w_, "cmdPrint");
        auto* menu = Find<QAction>(*w_, "mnuPrint");
        auto* save = Find<QPushButton>(*w_, "cmdSaveNow");
        QCOMPARE(menu->shortcut(), QKeySequence(QKeySequence::Print));
        QVERIFY(!print->isEnabled() && !menu->isEnabled() && !save->isEnabled());
        QVERIFY(w_->OpenImageFile(dir_.filePath(QStringLiteral("photo.jpg"))));
        QVERIFY(print->isEnabled() && menu->isEnabled() && save->isEnabled());
    }

    // Nothing is sent before the answers are right: a sheet the poster has not is said and
    // the dialog comes back; the poster's 6 x 4 inch sheets on the printer's A4 are said with
    // both sizes, and No goes back to the dialog; "B1" then prints one page once the other
    // paper is accepted.
    void sheetRangeAndPaperGoBack() {
        const int jobs = cups_->JobCount(QStringLiteral("tess_a4"));
        dialog_.answers = {A4(QStringLiteral("C1")), A4({}), A4(QStringLiteral("B1"))};
        messages_.QueueAnswer(MessageService::Answer::No);
        messages_.QueueAnswer(MessageService::Answer::Yes);
        Find<QPushButton>(*w_, "cmdPrint")->click();
        QCOMPARE(dialog_.asked.size(), 3);
        QCOMPARE(dialog_.asked[0].sheet, QSizeF(432, 288)); // 6 x 4 inches, landscape
        QCOMPARE(dialog_.asked[0].tilesWide, 2);
        QCOMPARE(Titles(messages_),
                 (QStringList{"Sheets", "Paper Differs", "Paper Differs", "Printed"}));
        const QString text = messages_.Messages()[1].text;
        QVERIFY2(text.contains(QStringLiteral("(152.4 x 101.6 mm, 6.00 x 4.00 in)")) &&
                     text.contains(QStringLiteral("A4 (209.9 x 297.0 mm")),
                 qPrintable(text));
        QCOMPARE(messages_.Messages().last().text, QStringLiteral("1 page(s) sent to tess_a4."));
        const QString pdf = cups_->WaitForPdf(QStringLiteral("tess_a4"), dir_.filePath("b1.pdf"));
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(cups_->JobCount(QStringLiteral("tess_a4")), jobs + 1);
    }

    // "Print..." of the edge calibration window: the target at the tile print size, with the
    // poster's paper question and failure messages. The poster has 6 x 4 inch sheets, so A4 is
    // another paper: No goes back to the dialog.
    void testTargetPrinted() {
        for (const auto& [printer, titles, sent] :
             {std::tuple{"tess_a4", QStringList{"Paper Differs"}, false},
              {"tess_a4", QStringList{"Paper Differs", "Printed"}, true},
              {"tess_stopped", QStringList{"Print Error"}, false}}) {
            init();
            const int jobs = cups_->JobCount(QLatin1String(printer));
            PrintChoice choice = A4({});
            choice.printer = QLatin1String(printer);
            dialog_.answers = {choice};
            messages_.QueueAnswer(sent ? MessageService::Answer::Yes : MessageService::Answer::No);
            QFile::remove(cups_->Output(QLatin1String(printer)));
            WhenModal<frmBtm>([](frmBtm* edge) {
                Click(*edge, "cmdPrintTest");
                edge->reject();
            });
            Find<QAction>(*w_, "mnuEdgeClip")->trigger();
            QCOMPARE(Titles(messages_), titles);
            QCOMPARE(dialog_.asked[0].sheet, QSizeF(432, 288));
            QCOMPARE(dialog_.asked[0].tilesWide, 0);
            QCOMPARE(cups_->JobCount(QLatin1String(printer)), jobs + (sent ? 1 : 0));
            if (titles == QStringList{"Print Error"})
                QVERIFY(messages_.Messages()[0].text.contains(QStringLiteral("is stopped")));
            if (!sent)
                continue;
            QCOMPARE(messages_.Messages().last().text,
                     QStringLiteral("1 page(s) sent to tess_a4."));
            const QString pdf =
                cups_->WaitForPdf(QLatin1String(printer), dir_.filePath("target.pdf"));
            QVERIFY(!pdf.isEmpty());
            // The tile print size of the poster: 6 x 4 inches less nothing, 432 x 288 pt.
            const QRectF box = BrownBox(pdf, dir_.filePath("target"));
            QVERIFY2(std::abs(box.width() - 432) <= 0.5 && std::abs(box.height() - 288) <= 0.5,
                     qPrintable(QStringLiteral("%1 x %2").arg(box.width()).arg(box.height())));
        }
    }

    // "Printer Margins" of the paper window: the default printer's unprintable margins. From
    // the queue's PPD: Letter (612 x 792 pt) prints on 9 36 594 765, so 27, 18, 36 and 9 pt stay
    // blank at the top, right, bottom and left: 3/8, 1/4, 1/2 and 1/8 inch. Turned either way,
    // top and bottom take the larger of left and right (18 pt), the sides the larger of top and
    // bottom (36 pt). A4 prints on 12 12 583 830 of 595 x 842: 12 pt = 4.2333 mm all round.
    // Each case: millimetres, the paper's row, a custom width, the lock, and the margins (top,
    // right, bottom, left; none: refused).
    void printerMargins() {
        const double a4 = 12 / 72.0 * 25.4;
        for (const auto& [mm, row, customWidth, locked, margins] :
             {std::tuple{false, 3, "", false, QList<double>{.375, .25, .5, .125}},
              {false, 3, "", true, QList<double>{.5, .25, .5, .25}},
              {false, 6, "11", false, QList<double>{.25, .5, .25, .5}},
              {true, 4, "", false, QList<double>{a4, a4, a4, a4}},
              {false, 0, "", false, QList<double>{}}}) { // 4 x 6: no such paper
            init();
            PosterState poster;
            frmTileSize dlg(poster, messages_);
            dlg.LoadFromPoster();
            dlg.show();
            auto* button = Find<QPushButton>(dlg, "cmdPrinterMargins");
            QVERIFY(button->isVisible());
            Click(dlg, mm ? "opbMm" : "opbInches");
            Find<QListWidget>(dlg, "lstPaperSize")->setCurrentRow(row);
            if (*customWidth) {
                for (const auto& [box, text] : {std::pair{"txtWidth", QLatin1String(customWidth)},
                                                std::pair{"txtHeight", QLatin1String("8.5")}}) {
                    Find<QLineEdit>(dlg, box)->clear();
                    QTest::keyClicks(Find<QLineEdit>(dlg, box), text);
                }
            }
            Find<QCheckBox>(dlg, "chkLock")->setChecked(locked);
            const MarginValues before = dlg.Model().CurrentPreset().CurrentMargins();
            button->click();
            const MarginValues got = dlg.Model().CurrentPreset().CurrentMargins();
            if (margins.isEmpty()) {
                QCOMPARE(Titles(messages_), QStringList{"Printer Margins"});
                QCOMPARE(messages_.Messages()[0].text,
                         QStringLiteral("The printer \"tess_a4\" has no paper of 152.4 x 101.6 mm, "
                                        "6.00 x 4.00 in."));
                QVERIFY(got == before);
                continue;
            }
            QVERIFY2(messages_.Messages().isEmpty(),
                     qPrintable(messages_.Messages().value(0).text));
            for (int side = 0; side < kMarginCount; ++side)
                QVERIFY2(std::abs(got[side] - margins[side]) < 1e-6,
                         qPrintable(QStringLiteral("side %1: %2").arg(side).arg(got[side])));
        }
    }
    void cleanupTestCase() {
        host_.reset();
        w_.reset();
        cups_.reset();
    }
};

QTEST_MAIN(TstPrintWindow)
#include "tst_print_window.moc"
