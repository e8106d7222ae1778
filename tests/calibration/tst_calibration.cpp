#include "calibration/clip_amount.h"
#include "calibration/edge_trim.h"
#include "calibration/profile_file.h"
#include "calibration/profile_store.h"
#include "common/number_format.h"
#include "common/string_table.h"
#include "profile_test_support.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/recording_message_service.h"

#include <QtTest>

using namespace tessellon;
using namespace tessellon::testing;

using Kind = RecordingMessageService::Kind;
using Answer = MessageService::Answer;

namespace {

const ProfileTable kTable({{"No clipping", {0, 0, 0, 0}},
                           {"Kodak photo lab default", {3, 4, 3, 2}},
                           {"Wide", {16, 0, 8, 1}}});

const QList<EdgeProfile> kShipped{{"default", {0, 0, 0, 0}},
                                  {"Kodak photo lab default", {3, 4, 3, 2}},
                                  {"Fuji photo lab default", {2, 6, 3, 6}}};

// The bytes of a profile file holding `profiles`.
QByteArray Bytes(const QList<EdgeProfile>& profiles) {
    QByteArray out;
    for (const EdgeProfile& p : profiles)
        out += p.name.toUtf8() + QString::asprintf("\t%02d,%02d,%02d,%02d,\r\n", p.clip[0],
                                                   p.clip[1], p.clip[2], p.clip[3])
                                     .toLatin1();
    return out;
}

// Texts written with the system decimal separator; expectations are written with a point.
QString Loc(QString s) {
    return s.replace(u'.', SystemDecimalPoint());
}

} // namespace

class TestCalibration : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        path_ = dir_->filePath(ProfileFile::FileName());
    }

    // Letters give 0, values are clamped to 0..16 and rounded down; the line is split at its
    // first tab, and the commas are not checked. A line without a tab is no profile.
    void parseLine() {
        const QList<std::pair<const char*, EdgeProfile>> cases{
            {"mine\txx,yy,03,02,", {"mine", {0, 0, 3, 2}}},
            {"n\t99,-1,17,16,", {"n", {16, 0, 16, 16}}},
            {"r\t1.,02,03,4.9", {"r", {1, 2, 3, 4}}},
            {"t\t05,05,05,05,\t9", {"t", {5, 5, 5, 5}}},
            {"n\t", {"n", {0, 0, 0, 0}}},
            {"\t01,02,03,04,", {"", {1, 2, 3, 4}}},
            {"c\t01;02;03;04;", {"c", {1, 2, 3, 4}}}};
        for (const auto& [line, profile] : cases)
            QCOMPARE(ProfileFile::ParseProfileLine(QString::fromLatin1(line)),
                     std::optional<EdgeProfile>(profile));
        QVERIFY(!ProfileFile::ParseProfileLine(QStringLiteral("a 03,04,03,02,")));
    }

    // No file, an empty one, one without a tab, a folder at the path, a good one.
    void readResults() {
        for (const auto& [setup, bytes, result] : QList<std::tuple<int, QByteArray, int>>{
                 {0, {}, ProfileFile::kNoFile},
                 {1, {}, ProfileFile::kNoProfile},
                 {1, "one\r\ntwo\r\n", ProfileFile::kNoProfile},
                 {2, {}, ProfileFile::kUnreadable},
                 {1, "p\t01,02,03,04,\r\n", ProfileFile::kRead}}) {
            const QString path = dir_->filePath(QString::number(setup * 100 + bytes.size()));
            if (setup == 1)
                QVERIFY(WriteAll(path, bytes));
            if (setup == 2)
                QVERIFY(QDir().mkdir(path));
            ProfileStore store(path);
            store.SetDefaultProfiles();
            QCOMPARE(int(store.ReadBorderPrefs()), result);
            // Only a successful read changes the table.
            QCOMPARE(store.Count(), result == ProfileFile::kRead ? 1 : 3);
            QCOMPARE(store.HoldsUnreadableFile(), result == ProfileFile::kUnreadable);
        }
    }

    // Writing replaces the file whole, names in UTF-8, with no temporary file left beside it.
    void writeReplacesTheFile() {
        // Through a link of the file's name: the link is replaced, the file it names kept.
        const QString other = dir_->filePath("elsewhere/" + ProfileFile::FileName());
        QVERIFY(QDir().mkpath(QFileInfo(other).path()));
        QVERIFY(WriteAll(other, "old\t01,01,01,01,\r\n"));
        QVERIFY(QFile::link(other, path_));
        const QString name = QString::fromUtf8("Épson Überdruck ✓");
        QVERIFY(ProfileFile::Write(path_, {{name, {1, 2, 3, 4}}}));
        QCOMPARE(ReadAll(path_), name.toUtf8() + "\t01,02,03,04,\r\n");
        QCOMPARE(ProfileFile::Read(path_).profiles, (QList<EdgeProfile>{{name, {1, 2, 3, 4}}}));
        QVERIFY(!QFileInfo(path_).isSymLink());
        QCOMPARE(ReadAll(other), QByteArray("old\t01,01,01,01,\r\n"));
        QCOMPARE(
            QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            (QStringList{"elsewhere", ProfileFile::FileName()}));
    }

    // Two windows change the same file in turn: each keeps what the other wrote meanwhile.
    void twoStoresMergeByName() {
        ProfileStore a(path_), b(path_);
        a.LoadProfiles();
        b.LoadProfiles();
        RecordingMessageService messages;
        QVERIFY(a.CreateProfile(QStringLiteral("ProfA2"), messages));
        QVERIFY(b.CreateProfile(QStringLiteral("ProfB"), messages));
        QVERIFY(a.StoreEdgeSelections(1, {1, 2, 3, 4})); // Kodak's values, changed in A
        QVERIFY(b.DeleteProfile(2, messages)); // Fuji, deleted in B (the question answered Yes)
        QCOMPARE(ReadAll(path_), QByteArray("default\t00,00,00,00,\r\n"
                                            "Kodak photo lab default\t01,02,03,04,\r\n"
                                            "ProfB\t00,00,00,00,\r\n"
                                            "ProfA2\t00,00,00,00,\r\n"));
        QCOMPARE(b.Count(), 4);
        QVERIFY(messages.Messages().size() == 1); // the question only
    }

    void failedWriteKeepsTable() {
        // The folder of this path does not exist, so nothing can be written.
        const QString path = dir_->filePath(QStringLiteral("missing/") + ProfileFile::FileName());
        ProfileStore store(path);
        QCOMPARE(store.LoadProfiles(), ProfileFile::kNoFile);
        RecordingMessageService messages;
        QVERIFY(store.CreateProfile(QStringLiteral("Mine"), messages));
        QCOMPARE(store.Count(), 4);
        // The user is told, with the system's reason.
        QCOMPARE(messages.Messages().size(), 1);
        QCOMPARE(
            messages.Messages().front().text,
            QStringLiteral(
                "Your change to the edge calibration profiles could not be saved "
                "in:\n%1\nIt is kept until Tessellon is closed.\nReason: No such file or directory")
                .arg(path));
        QVERIFY(!store.SaveBorderPrefs().written && !QFileInfo::exists(path));
    }

    // Operation, index, name (a delete's answer) on the shipped file or `count` profiles "p";
    // whether it is done and written, and the titles shown ("?": the question).
    void edits() {
        const QString invalid = QStringLiteral("Invalid profile name");
        for (const auto& [action, count, outcome] : QList<std::tuple<QString, int, QString>>{
                 {"create 0  Epson R800 ", 0, "done"},
                 {"create 0 ", 0, ""},
                 {"create 0 a\tb", 0, invalid},
                 {"create 0 a\nb", 0, invalid},
                 {"create 0 a\rb", 0, invalid},
                 {"create 0 one more", 199, "Can not create profile"},
                 {"rename 2 Fuji renamed", 0, "done"},
                 {"rename 2 Fuji photo lab default", 0, ""},
                 {"rename 0 Default", 0, "done"}, // the case differs
                 {"rename 1 two\nlines", 0, invalid},
                 {"rename 1 ", 0, ""},
                 {"rename 3 x", 0, ""},
                 {"delete 1 Yes", 0, "done|?"},
                 {"delete 1 No", 0, "?"},
                 {"delete 1 Cancel", 0, "?"},
                 {"delete 0 Yes", 1, "Can not remove profile"}}) {
            const QString op = action.section(u' ', 0, 0), name = action.section(u' ', 2);
            const int index = action.section(u' ', 1, 1).toInt();
            QList<EdgeProfile> expected = count ? QList<EdgeProfile>(count, {"p", {}}) : kShipped;
            QVERIFY(WriteAll(path_, count ? Bytes(expected) : kShippedBytes));
            ProfileStore store(path_);
            QCOMPARE(store.LoadProfiles(), ProfileFile::kRead);
            RecordingMessageService messages;
            messages.QueueAnswer(name == u"Yes"  ? Answer::Yes
                                 : name == u"No" ? Answer::No
                                                 : Answer::Cancel);
            const bool done = op == u"create"   ? store.CreateProfile(name, messages)
                              : op == u"rename" ? store.RenameProfile(index, name, messages)
                                                : store.DeleteProfile(index, messages);
            QStringList shown(done ? 1 : 0, QStringLiteral("done"));
            for (const auto& m : messages.Messages())
                shown << (m.kind == Kind::YesNoCancel ? QStringLiteral("?")
                          : m.kind == Kind::Critical  ? m.title
                                                      : QString());
            QCOMPARE(shown.join(u'|'), outcome);
            if (done && op == u"create")
                expected.append({name, {}});
            else if (done && op == u"rename")
                expected[index].name = name;
            else if (done)
                expected.removeAt(index);
            QCOMPARE(store.Table().Profiles(), expected);
            QCOMPARE(ReadAll(path_), Bytes(expected));
        }
    }

    // Edge values are clamped and written at once. The initial profile is one that clips nothing
    // in a table of at most three.
    void edgeSelectionsAndInitialProfile() {
        ProfileStore store(path_);
        store.LoadProfiles();
        QCOMPARE((QList<bool>{store.IsInitialProfile(0), store.IsInitialProfile(1),
                              store.IsInitialProfile(5), store.IsInitialProfile(-1)}),
                 (QList<bool>{true, false, false, false}));
        QVERIFY(store.StoreEdgeSelections(2, {16, -3, 40, 7}));
        QCOMPARE(store.Table().At(2).clip, (std::array<int, 4>{16, 0, 16, 7}));
        QVERIFY(ReadAll(path_).endsWith("Fuji photo lab default\t16,00,16,07,\r\n"));
        QVERIFY(!store.StoreEdgeSelections(3, {1, 1, 1, 1}));
        RecordingMessageService messages;
        store.CreateProfile(QStringLiteral("more"), messages);
        QVERIFY(!store.IsInitialProfile(0));
    }

    void selectionAfterRefill() {
        const QStringList twins{"a", "same", "b", "same"};
        // The later twin; the text gone, the index kept; nothing selected; an index beyond.
        QCOMPARE((QList<int>{ProfileStore::SelectionAfterRefill(twins, "same", 1),
                             ProfileStore::SelectionAfterRefill(twins, "gone", 2),
                             ProfileStore::SelectionAfterRefill(twins, QString(), -1),
                             ProfileStore::SelectionAfterRefill(twins, "gone", 4)}),
                 (QList<int>{3, 2, 0, 0}));
    }

    void pathFromSettings() {
        MemorySettingsStore settings;
        settings.SavePref(PrefValue::AppDir, dir_->path());
        ProfileStore store(settings);
        QCOMPARE(store.GetProfileFilePath(), path_);
        settings.SavePref(PrefValue::AppDir, dir_->path() + u'/');
        QCOMPARE(store.GetProfileFilePath(), path_);

        // The first run writes the shipped file.
        QCOMPARE(store.LoadProfiles(), ProfileFile::kNoFile);
        QCOMPARE(ReadAll(path_), kShippedBytes);

        // An application folder that cannot take the file sends it to the user's data folder.
        settings.SavePref(PrefValue::AppDir, dir_->filePath(QStringLiteral("gone")));
        QCOMPARE(store.GetProfileFilePath(),
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/' +
                     ProfileFile::FileName());
    }

    void userFileIsKept_data() {
        QTest::addColumn<QByteArray>("original"); // "DIR": a folder stands where the file goes
        QTest::addColumn<QByteArray>("table");    // the file's bytes afterwards
        QTest::addColumn<QString>("backup");      // empty: no backup is made

        const auto row = [](const char* tag, const QByteArray& original, const QByteArray& table,
                            const char* backup = ".bak") {
            QTest::newRow(tag) << original << table << QString::fromLatin1(backup);
        };
        row("clean", kShippedBytes, kShippedBytes, "");
        row("tabs became spaces", "Canon    03,04,03,02,\r\n", kShippedBytes);
        row("no leading zeros", "Canon\t3,4,3,2,\r\nEpson\t16,0,1,10,\r\n",
            "Canon\t03,04,03,02,\r\nEpson\t16,00,01,10,\r\n");
        // A line without a tab is skipped; lines may end in a bare line feed or nothing.
        row("line without tab", "garbage line\r\ngood\t01,02,03,04,\nb\t02,02,02,02,",
            "good\t01,02,03,04,\r\nb\t02,02,02,02,\r\n");
        row("value out of range", "Canon\t03,04,03,20,\r\n", "Canon\t03,04,03,16,\r\n");
        QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        row("utf-16", utf16.encode(u"Caf\u00e9\t03,04,03,02,\r\n"),
            "Caf\xc3\xa9\t03,04,03,02,\r\n");
        QByteArray many, first199;
        for (int i = 0; i < 250; ++i) {
            const QByteArray line = "p" + QByteArray::number(i) + "\t01,02,03,04,\r\n";
            many += line;
            if (i < 199)
                first199 += line;
        }
        row("250 lines", many, first199);
        row("earlier backup kept", "Canon\t3,4,3,2,\r\n", "Canon\t03,04,03,02,\r\n", ".bak2");
        row("unreadable", "DIR", kShippedBytes + "New\t00,00,00,00,\r\n");
    }

    void userFileIsKept() {
        QFETCH(QByteArray, original);
        QFETCH(QString, backup);
        if (original == "DIR")
            QVERIFY(QDir().mkpath(path_ + "/inside"));
        else
            QVERIFY(WriteAll(path_, original));
        if (backup == u".bak2")
            QVERIFY(WriteAll(path_ + ".bak", "older"));

        RecordingMessageService messages;
        ProfileStore store(path_, &messages);
        store.LoadProfiles();
        // A file that cannot be read is kept as it is until the user changes a profile.
        if (original == "DIR") {
            QVERIFY(QFileInfo(path_).isDir());
            QVERIFY(store.CreateProfile(QStringLiteral("New"), messages));
        }
        QTEST(ReadAll(path_), "table");
        QCOMPARE(QFileInfo::exists(path_ + ".bak"), !backup.isEmpty());
        QCOMPARE(messages.Messages().size(), backup.isEmpty() ? 0 : 1);
        if (backup.isEmpty())
            return;
        if (original == "DIR")
            QVERIFY(QFileInfo(path_ + backup + "/inside").isDir());
        else
            QCOMPARE(ReadAll(path_ + backup), original);
        QCOMPARE(messages.Messages()[0].kind, RecordingMessageService::Kind::Information);
        QVERIFY(messages.Messages()[0].text.contains(path_ + backup));
        if (backup == u".bak2")
            QCOMPARE(ReadAll(path_ + ".bak"), QByteArray("older"));
    }

    void readOnlyApplicationFolder() {
        QTemporaryDir app, data;
        const QString file = app.filePath(ProfileFile::FileName()),
                      copy = data.filePath(ProfileFile::FileName());
        const QByteArray mine = "Mine\t01,02,03,04,\r\nOther\t05,05,05,05,\r\n";
        QVERIFY(WriteAll(file, mine));

        RecordingMessageService messages;
        ProfileStore store(ProfileStore::Locations{file, copy}, &messages);
        QCOMPARE(store.LoadProfiles(), ProfileFile::kRead);
        QCOMPARE(store.Table().Names(), (QStringList{"Mine", "Other"}));
        QVERIFY(!QFileInfo::exists(copy) && messages.Messages().isEmpty());

        QVERIFY(store.StoreEdgeSelections(1, {0, 0, 0, 9}));
        QCOMPARE(ReadAll(copy), QByteArray("Mine\t01,02,03,04,\r\nOther\t00,00,00,09,\r\n"));
        QCOMPARE(ReadAll(file), mine);
        QCOMPARE(messages.Messages().size(), 1);
        QVERIFY(messages.Messages()[0].text.endsWith(copy));

        // From now on the copy is the file.
        ProfileStore next(ProfileStore::Locations{file, copy}, &messages);
        QCOMPARE(next.LoadProfiles(), ProfileFile::kRead);
        QCOMPARE(next.Table().At(1).clip, (std::array<int, 4>{0, 0, 0, 9}));
        QCOMPARE(messages.Messages().size(), 1);
    }

    // Trims are clip values in 64ths of an inch, edges 1..4 top, right, bottom, left.
    void trims() {
        std::array<double, 4> a{-1, -1, -1, -1};
        QVERIFY(FillCurEdgeTrimInches(kTable, 1, a));
        QCOMPARE(a, (std::array<double, 4>{0.046875, 0.0625, 0.046875, 0.03125}));
        QCOMPARE((QList<std::optional<double>>{
                     GetCurEdgeTrimInches(kTable, 2, 1), GetCurEdgeTrimInches(kTable, 2, 2),
                     GetCurEdgeTrimInches(kTable, 2, 3), GetCurEdgeTrimInches(kTable, 2, 4)}),
                 (QList<std::optional<double>>{0.25, 0.0, 0.125, 1.0 / 64}));
        // A missing profile or edge gives nothing and writes nothing.
        a = {7, 7, 7, 7};
        QVERIFY(!FillCurEdgeTrimInches(kTable, 3, a));
        QCOMPARE(a[0], 7.0);
        for (const auto& [profile, edge] : {std::pair{-1, 1}, std::pair{0, 5}, std::pair{0, 0}})
            QVERIFY(!GetCurEdgeTrimInches(kTable, profile, edge));
        QCOMPARE(kTable.IndexOf(QStringLiteral("Wide")), 2);
    }

    void formatClipAmount() {
        // v / 64 inch in lowest terms, and v x 25.4 / 64 mm with one decimal.
        const QList<std::tuple<int, const char*, const char*>> cases{
            {1, "1/64", "0.4"}, {2, "1/32", "0.8"},  {4, "1/16", "1.6"}, {5, "5/64", "2.0"},
            {6, "3/32", "2.4"}, {12, "3/16", "4.8"}, {16, "1/4", "6.4"}};
        for (const auto& [v, inches, mm] : cases) {
            QCOMPARE(FormatClipAmount(v, kUnitInches), QStringLiteral(" %1 inches ").arg(inches));
            QCOMPARE(FormatClipAmount(v, kUnitMillimeters), Loc(QStringLiteral(" %1 mm ").arg(mm)));
            // Any unit code other than 0 means millimetres.
            QCOMPARE(FormatClipAmount(v, 7), FormatClipAmount(v, kUnitMillimeters));
        }
    }

    void selectorItems() {
        // Lines still seen: 4 - v / 4.
        const QStringList items = EdgeSelectorItems();
        QCOMPARE(items.size(), 17);
        // The dialog shows item 4 and the last.
        QCOMPARE((QStringList{items[0], items[1], items[15]}),
                 (QStringList{"See all 4 lines", Loc("See 3.75 lines"), Loc("See 0.25 lines")}));
    }

    void step1Units() {
        const QList<std::tuple<const char*, UnitCode, const char*>> cases{
            {"a (1/16 inch wide) b 1/16 inch", kUnitMillimeters, "a (1.59 mm wide) b 1.59 mm"},
            {"a (1.59 mm wide) b", kUnitInches, "a (1/16 inch wide) b"},
            {"a (1/16 inch wide)", kUnitInches, "a (1/16 inch wide)"},
            {"a (1.59 mm wide)", kUnitMillimeters, "a (1.59 mm wide)"},
            {"1/16inch", kUnitMillimeters, "1/16inch"}}; // no blank, no change
        for (const auto& [text, units, expected] : cases)
            QCOMPARE(Step1DescForUnits(QLatin1String(text), units), QLatin1String(expected));
        // The dialog's own text goes there and back unchanged.
        const QString original = StringTable::Text(str::Step1EdgeDesc);
        const QString mm = Step1DescForUnits(original, kUnitMillimeters);
        QVERIFY(!mm.contains(u"1/16"));
        QCOMPARE(Step1DescForUnits(mm, kUnitInches), original);
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

QTEST_GUILESS_MAIN(TestCalibration)
#include "tst_calibration.moc"
