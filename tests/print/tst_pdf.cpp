#include "tests/support/export_test_support.h"

#include "../cli/cli_run.h"
#include "calibration/profile_table.h"
#include "export/pdf_tile_sink.h"
#include "export/tile_saver.h"
#include "print/overview_page_layout.h"
#include "print/pdf_poster_writer.h"
#include "print/poster_overview.h"
#include "print/sheet_aids.h"
#include "tests/support/recording_message_service.h"

#include <QColorSpace>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <functional>

#include <sched.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

// The number of pages, or -1 where one of them is not `mediaBox` (as pdfinfo prints it).
int Pages(const QString& pdf, const QString& mediaBox) {
    const QString info = Tool(QStringLiteral("pdfinfo"), {"-box", "-l", "99", pdf});
    const int pages = info.section(QStringLiteral("Pages:"), 1).section(u'\n', 0, 0).toInt();
    const QString box = mediaBox.split(u' ').replaceInStrings(u".", u"\\.").join(u" +");
    return info.count(QRegularExpression(QStringLiteral("MediaBox: +") + box + u'\n')) == pages
               ? pages
               : -1;
}

// The words of a page (from 1) with their boxes in points, read back by pdftotext.
QList<std::pair<QRectF, QString>> Words(const QString& pdf, int page) {
    static const QRegularExpression word(QStringLiteral(
        "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<"));
    const QString n = QString::number(page);
    QList<std::pair<QRectF, QString>> words;
    for (const auto& m : word.globalMatch(Tool("pdftotext", {"-bbox", "-f", n, "-l", n, pdf, "-"})))
        words.append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                      m.captured(5)});
    return words;
}

// The fonts pdffonts lists, each as "name type encoding emb sub uni", a subset's name without the
// six capitals and plus sign it starts with.
QStringList Fonts(const QString& pdf) {
    QStringList fonts;
    const QStringList lines = Tool(QStringLiteral("pdffonts"), {pdf}).split(u'\n');
    for (const QString& line : lines.mid(2)) {
        if (line.trimmed().isEmpty())
            continue;
        // The object number and generation end the line.
        QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        fonts << fields.mid(0, fields.size() - 2).join(u' ');
    }
    return fonts.replaceInStrings(QRegularExpression(QStringLiteral("^[A-Z]{6}\\+")), QString());
}

const QString kHelvetica = QStringLiteral("Helvetica Type 1 WinAnsi no no no");
const QString kDejaVu = QStringLiteral("DejaVuSans CID TrueType Identity-H yes yes yes");

// The text of a page (from 1), or of all pages, as pdftotext reads it.
QString PageText(const QString& pdf, int page = 0) {
    const QString n = QString::number(page);
    return Tool(QStringLiteral("pdftotext"), (page ? QStringList{"-f", n, "-l", n} : QStringList{})
                                                 << pdf << "-");
}

// What a language's translation file holds for `source` in `context`; the source itself for
// English.
QString Translated(const QString& language, const QString& context, const QString& source) {
    if (language == u"en")
        return source;
    QFile file(QStringLiteral(TESSELLON_SOURCE_DIR "/translations/tessellon_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QString inContext, found;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == u"name")
            inContext = xml.readElementText();
        else if (xml.name() == u"source")
            found = xml.readElementText();
        else if (xml.name() == u"translation" && inContext == context && found == source)
            return xml.readElementText();
    }
    return {};
}

// The program's own translation of a language, installed while it lives; with `only`, of
// that one text alone.
class Language : public QTranslator {
public:
    Language(const QString& code, const QString& only) : only_(only) {
        if (code != u"en" &&
            load(QStringLiteral("tessellon_") + code, QStringLiteral(TESSELLON_QM_DIR)))
            QCoreApplication::installTranslator(this);
    }
    ~Language() override { QCoreApplication::removeTranslator(this); }
    bool Loaded(const QString& code) const { return code == u"en" || !isEmpty(); }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (!only_.isEmpty() && QString::fromUtf8(source) != only_)
            return {};
        return QTranslator::translate(context, source, disambiguation, n);
    }

private:
    QString only_;
};

// The overview's last step.
constexpr char kLastStep[] = "Start at A1 and work to the right and down; tape or glue the sheets "
                             "to a backing board or the wall.";

// Saves the pattern image's poster as the request asks, the sheets without the overview page.
SaveOutcome Save(const PosterState& poster, SaveTilesRequest request, RecordingProgress& progress,
                 const QByteArray& icc = {}) {
    RecordingMessageService messages;
    TileSaver saver(messages, progress);
    saver.SetThreadCount(2);
    ImageObject img = PatternImage(poster.lImgWidth, poster.lImgHeight);
    img.SetIccProfile(icc);
    request.aids.overviewPage = false;
    return saver.processSaveNow(poster, img, request);
}

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

} // namespace

class TestPdf : public QObject {
    Q_OBJECT
private slots:
    void sheets_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("mediaBox"); // as pdfinfo prints it
        // Width, height, left, bottom of the picture in points.
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("icc");
        const auto row = [](const char* tag, const QString& options, int pages, const char* box,
                            const char* picture, bool icc = false) {
            QTest::newRow(tag) << options.split(u'|') << pages << QString::fromLatin1(box)
                               << QString::fromLatin1(picture) << icc;
        };
        // The 4 x 6 in photo is listed 6 in wide and 4 in high; with 0.25 in margins all round
        // the picture is 5.5 x 3.5 in at 0.25, 0.25 in.
        row("inch preset", "--tiles|2x2|--paper|Photo 4\" x 6\"|--margins|0.25", 4,
            "0.00 0.00 432.00 288.00", "396 0 0 252 18 18");
        // A4 210 x 297 mm with its 12 mm margins: 186 x 273 mm at 12, 12 mm.
        row("mm preset", "--units|mm|--tiles|3x1|--paper|A4 - 210 x 297", 3,
            "0.00 0.00 595.28 841.89", "527.2441 0 0 773.8583 34.0157 34.0157", true);
        // 5 x 7 in, margins top 0.5, right 0.25, bottom 1, left 0.75: 4 x 5.5 in at 0.75, 1 in.
        const QString custom = QStringLiteral("--tiles|2x1|--custom|5x7|--margins|0.5,0.25,1,0.75");
        row("custom", custom, 2, "0.00 0.00 360.00 504.00", "288 0 0 396 54 72");
        // The padded tile fills the untrimmed area: the same box as without compensation.
        row("edge compensation", custom + "|--rotate-tiles|--edge", 2, "0.00 0.00 360.00 504.00",
            "288 0 0 396 54 72");
    }

    // Every page is the paper with the tile's JPEG at the margins, and each embedded picture is
    // the JPEG tile itself; read back with poppler and qpdf.
    void sheets() {
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
        RecordingProgress progress, jpegProgress;
        const QByteArray profile = icc ? QColorSpace(QColorSpace::SRgb).iccProfile() : QByteArray();
        SaveTilesRequest request{dir.path(), QStringLiteral("tiles"), QStringLiteral("p_"),
                                 ImageFormat::Pdf};
        const SaveOutcome pdf = Save(*poster, request, progress, profile);
        QCOMPARE(pdf.status, SaveOutcome::Status::Saved);
        QCOMPARE(pdf.file, dir.filePath(QStringLiteral("p_poster.pdf")));
        QCOMPARE(progress.okFolders, QStringList{pdf.file});
        QCOMPARE(FilesIn(dir.path()), QStringList{QStringLiteral("p_poster.pdf")});
        request.format = ImageFormat::Jpeg;
        QCOMPARE(Save(*poster, request, jpegProgress, profile).status, SaveOutcome::Status::Saved);

        QCOMPARE(Pages(pdf.file, mediaBox), pages);
        const QString qdf =
            Tool(QStringLiteral("qpdf"),
                 {QStringLiteral("--qdf"), QStringLiteral("--object-streams=disable"), pdf.file,
                  QStringLiteral("-")});
        QVERIFY(qdf.contains(
            QRegularExpression(QStringLiteral("/ViewerPreferences <<\\s*/PrintScaling /None"))));
        // Every page names the one page node that lists it (readers repair a missing one).
        QCOMPARE(qdf.count(QRegularExpression(QStringLiteral("/Parent \\d+ 0 R"))), pages);
        QCOMPARE(qdf.count(QRegularExpression(QStringLiteral("^q ") +
                                                  QRegularExpression::escape(picture) +
                                                  QStringLiteral(" cm /\\w+ Do"),
                                              QRegularExpression::MultilineOption)),
                 pages);

        const QString list = Tool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf.file});
        QCOMPARE(list.count(icc ? QStringLiteral(" icc ") : QStringLiteral(" rgb ")), pages);
        Tool(QStringLiteral("pdfimages"),
             {QStringLiteral("-j"), pdf.file, dir.filePath(QStringLiteral("x"))});
        for (int i = 0; i < pages; ++i)
            QCOMPARE(ReadAll(dir.filePath(QStringLiteral("x-%1.jpg").arg(i, 3, 10, QChar(u'0')))),
                     ReadAll(dir.filePath(
                         QStringLiteral("tiles/p_%1.jpg").arg(i + 1, 3, 10, QChar(u'0')))));
    }

    // A document goes only where a regular file is or nothing: a pipe, socket or folder of its
    // name is refused and left as it is, a link is replaced itself (the file it points to
    // stays), and every refusal names the system's reason.
    void target_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason"); // empty: written
        const auto row = [](const char* kind, const char* reason) {
            QTest::newRow(kind) << QString::fromLatin1(kind) << QString::fromLatin1(reason);
        };
        row("fifo", "named pipe (FIFO), not a regular file");
        row("socket", "socket, not a regular file");
        // A node of the null device made here (by the superuser only): it stays a device.
        row("device", "device, not a regular file");
        row("folder", "it is a folder");
        row("link", "");
        row("readonly", geteuid() == 0 ? "Read-only file system" : "Permission denied");
        row("long", "File name too long");
        row("nofolder", "No such file or directory");
    }
    void target() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(PatternImage(240, 160).SaveImageFile(image, ImageFormat::Jpeg));
        const QString folder = dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkdir(folder));
        QString target = folder + QStringLiteral("/poster.pdf");
        const QByteArray name = QFile::encodeName(target);
        const QString outside = dir.filePath(QStringLiteral("outside.pdf"));
        std::function<void()> inChild;
        if (kind == u"fifo") {
            QCOMPARE(mkfifo(name.constData(), 0600), 0);
        } else if (kind == u"socket") {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
            const int s = socket(AF_UNIX, SOCK_STREAM, 0);
            QCOMPARE(bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            close(s);
        } else if (kind == u"device") {
            if (mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
                QSKIP("Only the superuser makes a device node");
        } else if (kind == u"folder") {
            QVERIFY(QDir().mkdir(target));
        } else if (kind == u"link") {
            QVERIFY(WriteAll(outside, "someone else's"));
            QVERIFY(QFile::link(outside, target));
        } else if (kind == u"readonly") {
            // The superuser writes past permissions: a read-only mount of the folder, in a
            // mount namespace of the program's own.
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            inChild = [ro = QFile::encodeName(folder)] {
                if (geteuid() == 0 &&
                    (unshare(CLONE_NEWNS) ||
                     mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
                     mount(ro.constData(), ro.constData(), nullptr, MS_BIND, nullptr) ||
                     mount(nullptr, ro.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY,
                           nullptr)))
                    _exit(99);
            };
        } else if (kind == u"long") {
            target = folder + u'/' + QString(300, u'n') + QStringLiteral(".pdf");
        } else if (kind == u"nofolder") {
            target = dir.filePath(QStringLiteral("missing/poster.pdf"));
        }
        const QFileInfo before(target);
        // Only a link is to be replaced; anything else is refused before the question.
        const CliRun r = RunCliProcess(QStringList{"export", image, "--format", "pdf", "--out",
                                                   target, "--tiles", "1x1", "--custom", "3x2"} +
                                           (kind == u"link" ? QStringList{"--yes"} : QStringList{}),
                                       inChild);
        if (r.status == 99)
            QSKIP("No mount namespace of its own for the program here");
        QCOMPARE(r.status, reason.isEmpty() ? 0 : 1);
        QVERIFY2(reason.isEmpty()
                     ? r.err.isEmpty()
                     : r.err.startsWith(QStringLiteral("Could not create the file")) &&
                           r.err.contains(QStringLiteral(" Reason: ")) && r.err.contains(reason),
                 qPrintable(r.err));
        // What was there is still there, of the same kind; the file a link pointed to too.
        if (kind == u"link") {
            QCOMPARE(ReadAll(outside), QByteArray("someone else's"));
            QVERIFY(!QFileInfo(target).isSymLink());
            QVERIFY(ReadAll(target).startsWith("%PDF-"));
        } else if (before.exists()) {
            QCOMPARE(QFileInfo(target).isDir(), before.isDir());
            QCOMPARE(QFileInfo(target).isFile(), false);
            struct stat st {};
            QVERIFY(kind != u"device" || (stat(name.constData(), &st) == 0 && S_ISCHR(st.st_mode)));
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A cancel at the first or the last page leaves no file.
    void cancelLeavesNoFile() {
        auto poster = Poster({"--tiles", "3x2", "--custom", "8x10", "--margins", "0"},
                             QStringLiteral("60x40"));
        QVERIFY(poster);
        for (const int cancelAt : {1, 6}) {
            QTemporaryDir dir;
            RecordingProgress progress(cancelAt);
            QCOMPARE(
                Save(*poster, {dir.path(), {}, QStringLiteral("p_"), ImageFormat::Pdf}, progress)
                    .status,
                SaveOutcome::Status::Canceled);
            QCOMPARE(FilesIn(dir.path()), QStringList());
        }
    }

    void aidsPlan_data() {
        const QRectF kPicture(20, 20, 260, 160);
        QTest::addColumn<QMarginsF>("trims"); // left, top, right, bottom; none when all 0
        QTest::addColumn<QRectF>("picture");
        QTest::addColumn<QString>("sheet"); // overlap, tiles wide x high, row, column, turned
        // The visible picture, labels, the way the triangles point, cut lines, glue areas.
        QTest::addColumn<QStringList>("aids");
        // A 300 x 200 pt page with the picture at 20, 20, 260 x 160 pt; every character of a text
        // is 4 pt wide. Texts sit 1.5 pt inside 10 pt high boxes; a neighbour's name lies beside
        // (top, bottom) or below (sides) a 5 pt triangle.
        QTest::newRow("margins, crop marks")
            << QMarginsF() << kPicture << "0 2x2 0 0 0"
            << QStringList{"20,20 260x160",
                           "A1 of 2 × 2 22,185 47x10",
                           "A2 284.5,91.75 11x16.5",
                           "B1 141,185 18x10",
                           "arrows right down",
                           "cut 17,20 5,20; 283,20 295,20; 280,17 280,5; 280,183 280,195; 17,180 "
                           "5,180; 283,180 295,180; 20,17 20,5; 20,183 20,195"};
        // The right sheet lies on top of the left one and is cut along its left edge.
        QTest::newRow("overlap, sheet on top")
            << QMarginsF() << kPicture << "36 2x1 0 1 0"
            << QStringList{"20,20 260x160", "A2 of 2 × 1 22,185 47x10", "A1 4.5,91.75 11x16.5",
                           "arrows left", "cut 19.8,0 19.8,200"};
        // Turned tiles: the poster's left lies at the sheet's bottom.
        QTest::newRow("overlap, turned")
            << QMarginsF() << kPicture << "36 2x1 0 1 1"
            << QStringList{"20,20 260x160", "A2 of 2 × 1 22,185 47x10", "A1 141,185 18x10",
                           "arrows down", "cut 0,180.2 300,180.2"};
        // Only the picture less the trims prints: 24.5, 29 to 262, 171; the right and lower
        // neighbours cover 36 pt strips (glue), which carry everything.
        QTest::newRow("adjust edges, overlap")
            << QMarginsF(4.5, 9, 18, 9) << kPicture << "36 2x2 0 0 0"
            << QStringList{"24.5,29 201.5x106",      "A1 of 2 × 2 26.5,148 47x10",
                           "A2 238.5,73.75 11x16.5", "B1 116.25,148 18x10",
                           "arrows right down",      "glue 226,29 36x142",
                           "glue 24.5,135 237.5x36"};
        QTest::newRow("borderless, no room")
            << QMarginsF() << QRectF(0, 0, 300, 200) << "0 2x2 1 1 0" << QStringList{"0,0 300x200"};
        // 10 pt margins: the name of the left neighbour (11 pt wide) has no room; the crop marks
        // keep 3 pt from the picture and end at the paper's edge.
        QTest::newRow("thin margins")
            << QMarginsF() << QRectF(10, 10, 280, 180) << "0 2x2 1 1 0"
            << QStringList{"10,10 280x180", "B2 of 2 × 2 12,190 47x10", "A2 141,0 18x10",
                           "arrows up",
                           "cut 7,10 0,10; 293,10 300,10; 290,7 290,0; 290,193 290,200; 7,190 "
                           "0,190; 293,190 300,190; 10,7 10,0; 10,193 10,200"};
    }

    void aidsPlan() {
        QFETCH(QMarginsF, trims);
        QFETCH(QRectF, picture);
        QFETCH(QString, sheet);
        const QStringList s = sheet.split(QRegularExpression(QStringLiteral("[ x]")));
        SheetLayout layout;
        layout.page = QSizeF(300, 200);
        layout.picture = picture;
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
        // A triangle points away from the side whose two corners share a coordinate.
        QStringList ways;
        for (const AidLines& a : plan.arrows) {
            QCOMPARE(a.lines.size(), size_t(3));
            for (int tip = 0; tip < 3; ++tip) {
                const QPointF t = a.lines[size_t(tip)].p1();
                const QPointF b = a.lines[size_t((tip + 1) % 3)].p1();
                const QPointF c = a.lines[size_t((tip + 2) % 3)].p1();
                if (qFuzzyCompare(b.x(), c.x()))
                    ways << (t.x() > b.x() ? "right" : "left");
                else if (qFuzzyCompare(b.y(), c.y()))
                    ways << (t.y() > b.y() ? "down" : "up");
                else
                    continue;
                break;
            }
        }
        if (!ways.isEmpty())
            aids << QStringLiteral("arrows ") + ways.join(u' ');
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

    void aidsOnSheets_data() {
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
        QTest::newRow("overlap") << false << QRectF(0, 0, 432, 288) << 36.0
                                 << QRectF(378, 18, 36, 40) << full;
        // Trims 16, 0, 8, 4 of 1/64 in: top 18, right 0, bottom 9, left 4.5 pt.
        QTest::newRow("adjust edges")
            << true << QRectF(QPointF(22.5, 36), QPointF(414, 261)) << 36.0
            << QRectF(378, 36, 36, 40) << QStringList{"A1 of 2 × 2", "A2 of 2 × 2", "B1", ""};
    }

    // Sheets saved with each choice of aids and read back with poppler: the labels stand on their
    // own sheets outside the visible picture, and the picture left visible is the same, pixel for
    // pixel, as on sheets saved without aids.
    void aidsOnSheets() {
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
            RecordingProgress progress;
            SaveTilesRequest request{
                dir.path(), {}, QStringLiteral("p%1").arg(aids), ImageFormat::Pdf};
            request.aids.labels = aids & 1;
            request.aids.marks = aids & 2;
            const SaveOutcome saved = Save(*poster, request, progress);
            QCOMPARE(saved.status, SaveOutcome::Status::Saved);
            for (int page = 0; page < 4; ++page) {
                QStringList words;
                for (const auto& [box, word] : Words(saved.file, page + 1)) {
                    QVERIFY2(printed.contains(box) && !box.intersects(visible(page)),
                             qPrintable(word));
                    words << word;
                }
                const QString label = aids & 1 ? own[page] : QString();
                QCOMPARE(words.isEmpty(), label.isEmpty());
                QVERIFY(words.join(u' ').contains(label));
                const QImage sheet = RenderPage(saved.file, page + 1, 144, dir.path());
                if (!aids)
                    bare << sheet;
                QVERIFY(!sheet.isNull());
                QCOMPARE(Part(sheet, visible(page)), Part(bare[page], visible(page)));
                if (page == 0) // only the marks reach into the probe
                    QCOMPARE(Part(sheet, probe) != Part(bare[0], probe), bool(aids & 2));
            }
        }
    }

    // The overview's picture of the crop window, shrunk a long way: like Qt's smooth scaling of
    // the window alone (a smooth gradient, so both filters agree within a few levels).
    void overviewPicture() {
        QImage image(400, 200, QImage::Format_RGB888);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 400; ++x)
                image.setPixel(x, y, qRgb(x * 255 / 399, y * 255 / 199, 128));
        for (const QRect window : {image.rect(), QRect(100, 40, 200, 100)}) {
            PosterOverview overview;
            overview.window = window;
            const QImage got = overview.Picture(ImageObject::FromImage(image), 50);
            const QImage want =
                image.copy(window).scaled(50, 25, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QCOMPARE(got.size(), want.size());
            for (const QPoint p : {QPoint(0, 0), QPoint(25, 12), QPoint(49, 24)}) {
                QVERIFY2(qAbs(qRed(got.pixel(p)) - qRed(want.pixel(p))) <= 6,
                         qPrintable(QStringLiteral("red at %1,%2").arg(p.x()).arg(p.y())));
                QVERIFY(qAbs(qGreen(got.pixel(p)) - qGreen(want.pixel(p))) <= 6);
            }
        }
    }

    void overviewLayout_data() {
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
            << QRectF(288, 181, 288, 360) << QList<QRectF>{QRectF(288, 181, 36, 360)}
            << QPointF(36, 51) << QPointF(162, 371.5);
        // Landscape, 10 x 15 in: above leaves 263 x 395; beside, a 288 pt column leaves 417 x 540,
        // which holds 360 x 540, centred across.
        QTest::newRow("text beside")
            << QSizeF(792, 612) << QList<double>{1, 2, 10, 7.5, 0} << QRectF(64.5, 36, 360, 540)
            << QRectF(64.5, 306, 360, 270) << QList<QRectF>{} << QPointF(468, 51)
            << QPointF(244.5, 181.5);
    }

    // Boxes of the overview page, with texts of no width so that nothing wraps.
    void overviewLayout() {
        QFETCH(QSizeF, page);
        QFETCH(QList<double>, grid);
        PosterOverview overview;
        overview.geometry =
            PosterGeometryInput{int(grid[0]), int(grid[1]), grid[2], grid[3], grid[4]};
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

    // A step too long for its line goes on under its text, not under its number, and no line
    // passes the page's margin. Every character is 4 pt wide, "2. " 12 pt.
    void overviewStepWraps() {
        PosterOverview overview;
        overview.geometry = PosterGeometryInput{1, 1, 10, 10, 0};
        overview.heading = QStringLiteral("H");
        QStringList words;
        for (int i = 0; i < 40; ++i)
            words << QStringLiteral("w%1").arg(i, 3, 10, QChar(u'0'));
        overview.steps = QStringList{QStringLiteral("first"), words.join(u' ')};
        const auto width = [](const QString& t, double) { return 4.0 * t.size(); };
        const OverviewPageLayout layout(QSizeF(300, 400), overview, width);
        const std::vector<PlacedText> texts = layout.Texts();
        QCOMPARE(texts[1].text, QStringLiteral("1. first"));
        QVERIFY(texts[2].text.startsWith(QStringLiteral("2. w000 ")));
        QStringList again{texts[2].text.mid(3)};
        for (size_t i = 3; i < texts.size(); ++i) {
            QCOMPARE(texts[i].baseline.x(), texts[2].baseline.x() + 12);
            QCOMPARE(texts[i].baseline.y() - texts[i - 1].baseline.y(),
                     texts[2].baseline.y() - texts[1].baseline.y());
            again << texts[i].text;
        }
        QVERIFY(texts.size() > 3);
        QCOMPARE(again.join(u' '), words.join(u' '));
        // The page's margins are alike on both sides: the heading starts at the left one.
        for (const PlacedText& t : texts)
            QVERIFY(t.baseline.x() + width(t.text, 0) <= 300 - texts[0].baseline.x());
    }

    void overviewPage_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("texts"); // on page 1
        QTest::addColumn<QSize>("grid");        // of the names on the picture; empty: not checked
        QTest::addColumn<double>("ratio");      // the poster's width over its height
        // Options and texts are separated by |.
        const auto row = [](const char* tag, const char* options, int pages, const char* texts,
                            QSize grid = {}, double ratio = 0) {
            QTest::newRow(tag) << QString::fromLatin1(options).split(u'|', Qt::SkipEmptyParts)
                               << pages
                               << QString::fromLatin1(texts).split(u'|', Qt::SkipEmptyParts) << grid
                               << ratio;
        };
        // 3 x 2 sheets of 5.5 x 3.5 in (4 x 6 photo paper, 0.25 in margins): 16.5 x 7 in.
        row("overview", "", 7,
            "Final size: 16.50 x 7.00 inches|Sheets: 6, 3 across and 2 down|corner crop marks",
            {3, 2}, 16.5 / 7);
        row("overlap, no marks", "--overlap|0.5|--no-marks|--no-labels", 7,
            "Final size: 15.50 x 6.50 inches|Overlap: 0.50 inches|trim off any margin");
        row("overlap, marks", "--overlap|0.5", 7, "along its cut line");
        // Turned sheets, 3.5 x 5.5 in: 10.5 x 11 in, or 2 across and 3 down: 7 x 16.5 in.
        row("turned", "--rotate-tiles", 7, "The sheets print turned: the top of the poster", {3, 2},
            10.5 / 11);
        row("portrait", "--tiles|2x3|--rotate-tiles", 7, "Sheets: 6, 2 across and 3 down", {2, 3},
            7 / 16.5);
        row("no overview", "--no-overview", 6, "");
        // 2 x 2 sheets (11 x 7 in) over 330 x 140 pixels keep 220 of the 330 columns.
        row("photo shown", "--tiles|2x2", 5, "Photo shown: 66 % of the width, 100 % of the height",
            {2, 2}, 11 / 7.0);
    }

    // The command line's PDF, read back with poppler: --out names it, and an existing one is
    // replaced only with --yes; all pages are the paper. The first page holds the size, the
    // sheets, the steps and the share of the photo shown; its picture, as poppler renders it,
    // has the poster's shape inside the page, clear of every text, and each sheet's name in the
    // middle of its sheet.
    void overviewPage() {
        QFETCH(QStringList, options);
        QFETCH(int, pages);
        QFETCH(QStringList, texts);
        QFETCH(QSize, grid);
        QFETCH(double, ratio);
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("magenta.jpg"));
        QImage magenta(330, 140, QImage::Format_RGB32);
        magenta.fill(qRgb(220, 0, 220));
        QVERIFY(magenta.save(image, "JPEG", 95));
        const QString pdf = dir.filePath(QStringLiteral("p.Pdf")); // the PDF without --format
        QVERIFY(WriteAll(pdf, "old"));
        const QStringList args =
            QStringList{"export", image, "--tiles", "3x2", "--margins", "0.25", "--out", pdf} +
            options;
        QCOMPARE(RunCli(args).status, 2);
        QCOMPARE(ReadAll(pdf), QByteArray("old"));
        const CliRun replaced = RunCli(args + QStringList{"--yes"});
        QCOMPARE(replaced.status, 0);
        QVERIFY(replaced.out.endsWith(pdf + u'\n'));
        QCOMPARE(FilesIn(dir.path()), (QStringList{"magenta.jpg", "p.Pdf"}));
        QCOMPARE(Pages(pdf, QStringLiteral("0.00 0.00 432.00 288.00")), pages);
        const QString first = PageText(pdf, 1);
        for (const QString& text : texts)
            QVERIFY2(first.simplified().contains(text), qPrintable(text));
        if (grid.isEmpty())
            return;
        const QImage page = RenderPage(pdf, 1, 72, dir.path());
        const QRect picture =
            Bounds(page, [](QRgb c) { return qRed(c) > 120 && qGreen(c) < 90 && qBlue(c) > 120; });
        QVERIFY(page.rect().contains(picture) && picture.width() > 50);
        QVERIFY2(qAbs(double(picture.width()) / picture.height() - ratio) < 0.03 * ratio,
                 qPrintable(QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height())));
        const QRectF inside = QRectF(picture).adjusted(-1, -1, 1, 1);
        int names = 0;
        for (const auto& [box, word] : Words(pdf, 1)) {
            if (box.height() <= 12) { // the texts around the picture
                QVERIFY2(!inside.intersects(box), qPrintable(word));
                continue;
            }
            const int row = word[0].unicode() - 'A', column = word.mid(1).toInt() - 1;
            const QPointF middle(inside.left() + (column + 0.5) * inside.width() / grid.width(),
                                 inside.top() + (row + 0.5) * inside.height() / grid.height());
            QVERIFY2(QLineF(box.center(), middle).length() < 3, qPrintable(word));
            ++names;
        }
        QCOMPARE(names, grid.width() * grid.height());
    }

    void textRoundTrip_data() {
        QTest::addColumn<QStringList>("texts"); // one a line
        QTest::addColumn<bool>("told");         // the writer is told the texts first
        QTest::addColumn<QStringList>("fonts"); // as pdffonts lists them
        QTest::newRow("English") << QStringList{"B3 of 5 \u00d7 4, Wg"} << false
                                 << QStringList{kHelvetica};
        // Quotes and the euro lie outside Latin-1 but inside WinAnsi.
        QTest::newRow("German quotes")
            << QStringList{"\u201eBl\u00e4tter\u201c \u2013 gr\u00f6\u00dfer, 5 \u20ac"} << false
            << QStringList{kHelvetica};
        QTest::newRow("Polish") << QStringList{"Za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105 "
                                               "ja\u017a\u0144 \u0104\u0106\u0118\u0141\u0143"
                                               "\u015a\u0179\u017b \u00f3\u00d3"}
                                << false << QStringList{kDejaVu};
        QTest::newRow("one letter beyond WinAnsi")
            << QStringList{"Lata \u0142"} << false << QStringList{kDejaVu};
        // Told first, a document keeps one face: a heading Helvetica could write comes in DejaVu
        // Sans too when a later text needs it. Untold, each text still comes out right, in the
        // font it needs from then on.
        const QStringList texts{"Schemat plakatu", "U\u0142\u00f3\u017c arkusze"};
        QTest::newRow("one face when told") << texts << true << QStringList{kDejaVu};
        QTest::newRow("not told") << texts << false << QStringList{kHelvetica, kDejaVu};
    }
    // A text comes back out of the PDF as it went in, as real text in the font it needs
    // (DejaVu Sans as a subset embedded with a map back to Unicode), and is as wide as the writer
    // measured it: poppler places each word by the widths the font gives the reader.
    void textRoundTrip() {
        QFETCH(QStringList, texts);
        QFETCH(bool, told);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("t.pdf"));
        PdfPosterWriter writer;
        QVERIFY(writer.Open(pdf));
        if (told)
            writer.ExpectTexts(texts);
        QVERIFY(writer.BeginPage(QSizeF(400, 100)));
        for (int i = 0; i < texts.size(); ++i)
            QVERIFY(writer.DrawText(texts[i], QPointF(20, 30 + 30 * i), 12));
        const double width = writer.TextWidth(texts.last(), 12);
        QVERIFY(writer.EndPage());
        QVERIFY(writer.Commit());

        QCOMPARE(PageText(pdf).trimmed(), texts.join(u'\n'));
        QTEST(Fonts(pdf), "fonts");
        // A subset indeed: the whole font would take hundreds of kilobytes, even compressed.
        const qint64 fontFile =
            QFileInfo(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf")).size();
        QVERIFY(fontFile > 0);
        QVERIFY2(QFileInfo(pdf).size() < fontFile / 10,
                 qPrintable(QString::number(QFileInfo(pdf).size())));
        const auto words = Words(pdf, 1);
        QCOMPARE(words.size(), texts.join(u' ').count(u' ') + 1);
        QVERIFY2(qAbs(words.front().first.left() - 20) < 0.01,
                 qPrintable(Text(words.front().first)));
        // The font gives the reader its widths in whole thousandths of the size.
        QVERIFY2(qAbs(words.back().first.right() - 20 - width) <= texts.last().size() * 12 / 2000.0,
                 qPrintable(QStringLiteral("%1 measured, %2 read")
                                .arg(width)
                                .arg(words.back().first.right() - 20)));
    }

    void translatedOverview_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("only"); // the one text translated, or all when empty
        QTest::addColumn<QString>("font"); // as pdffonts lists it, subset prefix aside
        QTest::newRow("English") << "en" << QString() << kHelvetica;
        QTest::newRow("German") << "de" << QString() << kHelvetica;
        // French puts a no-break space before its colons; WinAnsi writes it, and poppler reads
        // it back as a plain space.
        QTest::newRow("French") << "fr" << QString() << kHelvetica;
        QTest::newRow("Polish") << "pl" << QString() << kDejaVu;
        // The last text measured is the only one beyond WinAnsi: the rest, measured before it,
        // must be measured in DejaVu Sans too.
        QTest::newRow("English, the last step Polish")
            << "pl" << QString::fromLatin1(kLastStep) << kDejaVu;
    }
    // The export's PDF in the program's languages, read back with poppler: the overview's
    // heading and steps and a sheet's label as the translation file words them, in one font,
    // and every text of the overview inside the page's margins.
    void translatedOverview() {
        QFETCH(QString, language);
        QFETCH(QString, only);
        QFETCH(QString, font);
        const Language translation(language, only);
        QVERIFY2(translation.Loaded(language), qPrintable(language));
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(PatternImage(330, 140).SaveImageFile(image, ImageFormat::Jpeg));
        const QString pdf = dir.filePath(QStringLiteral("p.pdf"));
        // 2 x 2 sheets of A7: a small page, where each step wraps over lines.
        QCOMPARE(RunCli({"export", image, "--tiles", "2x2", "--paper", "a7", "--format", "pdf",
                         "--out", pdf})
                     .status,
                 0);

        const auto tr = [&](const char* context, const char* source) {
            const QString text = QString::fromUtf8(source);
            if (!only.isEmpty() && text != only)
                return text;
            return Translated(language, QString::fromLatin1(context), text);
        };
        const QString overview = PageText(pdf, 1);
        // The steps wrap: their words, in order, whatever the lines.
        const QStringList wanted{
            tr("PosterOverview", "Poster overview"),
            tr("PosterOverview",
               "Lay the sheets out as shown: A1 at the top left, A2 to its right, B1 below it."),
            tr("PosterOverview", kLastStep),
            tr("PosterOverview", "Final size: %1").section(QStringLiteral("%1"), 0, 0).trimmed()};
        for (const QString& text : wanted) {
            QVERIFY(!text.isEmpty());
            QVERIFY2(overview.simplified().contains(text.simplified()),
                     qPrintable(text + QStringLiteral("\nnot in\n") + overview));
        }
        // The first sheet's own label, in the sheet's lower margin.
        const QString layout = tr("SheetNames", "%1 of %2 \u00d7 %3");
        QVERIFY(layout.contains(QStringLiteral("%3")));
        const QString label = layout.arg("A1", "2", "2");
        const QString sheet = PageText(pdf, 2);
        QVERIFY2(sheet.contains(label), qPrintable(label + QStringLiteral(" not in ") + sheet));

        QCOMPARE(Fonts(pdf), QStringList{font});

        // The page's blank border is 1/4 in (6 % of the shorter side, at least that).
        const QList<QSizeF> sizes = PageSizes(pdf);
        QVERIFY(!sizes.isEmpty());
        const QRectF area = QRectF(QPointF(), sizes[0]).adjusted(18, 18, -18, -18);
        const auto words = Words(pdf, 1);
        QVERIFY(words.size() > 40);
        for (const auto& [box, word] : words)
            QVERIFY2(area.adjusted(-0.01, -0.01, 0.01, 0.01).contains(box),
                     qPrintable(word + u' ' + Text(box)));
    }

    // Only with --overview, whatever the tiles' type: a JPEG named after the tiles with
    // "overview", the poster picture 1600 pixels wide, the sheets' edge dark between them.
    void overviewImage_data() {
        QTest::addColumn<QString>("type");
        QTest::newRow("jpg") << "jpg";
        QTest::newRow("tif") << "tif";
        QTest::newRow("bmp") << "bmp";
    }
    void overviewImage() {
        QFETCH(QString, type);
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(PatternImage(200, 100).SaveImageFile(image, ImageFormat::Jpeg));
        const QStringList args{"export", image,       "--tiles", "2x1",    "--custom",
                               "4x4",    "--margins", "0",       "--base", "p",
                               "--yes",  "--format",  type,      "--out",  dir.filePath("t")};
        QCOMPARE(RunCli(args).status, 0);
        const QStringList tiles{"p001." + type, "p002." + type};
        QCOMPARE(FilesIn(dir.filePath("t")), tiles);
        QCOMPARE(RunCli(args + QStringList{"--overview"}).status, 0);
        QCOMPARE(FilesIn(dir.filePath("t")), tiles + QStringList{"poverview.jpg"});
        QVERIFY(
            ReadAll(dir.filePath(QStringLiteral("t/poverview.jpg"))).startsWith("\xff\xd8\xff"));
        const QImage got(dir.filePath(QStringLiteral("t/poverview.jpg")), "JPEG");
        const QImage want =
            QImage(image).scaled(1600, 800, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(got.size(), want.size());
        const QRgb a = got.pixel(400, 100), b = want.pixel(400, 100);
        QVERIFY(qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) <
                40);
        QVERIFY(qGray(got.pixel(800, 600)) < 60 && qGray(got.pixel(801, 600)) > 200);
        if (type != u"jpg")
            return;
        // A folder in the overview's place: the save fails with the reason, the tiles stay.
        QVERIFY(QFile::remove(dir.filePath("t/poverview.jpg")));
        QVERIFY(QDir(dir.path()).mkdir("t/poverview.jpg"));
        const CliRun failed = RunCli(args + QStringList{"--overview"});
        QCOMPARE(failed.status, 1);
        QVERIFY2(failed.err.contains("Reason: "), qPrintable(failed.err));
        QCOMPARE(FilesIn(dir.filePath("t")), tiles);
    }
};

QTEST_MAIN(TestPdf)
#include "tst_pdf.moc"
