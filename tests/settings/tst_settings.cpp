#include "app/prefs_io.h"
#include "calibration/profile_table.h"
#include "common/application_folder.h"
#include "layout/poster_state.h"
#include "settings/pref_formats.h"
#include "settings/qsettings_store.h"
#include "tests/support/memory_settings_store.h"

#include <QtTest>

using namespace tessellon;

namespace {

// Records the poster's write guard at every write, to check SavePrefs holds it.
struct GuardSpyStore : MemorySettingsStore {
    explicit GuardSpyStore(const PosterState& s) : state(s) {}
    void WriteValue(const QString& name, const StoredPref& data) override {
        guardAtWrite.append(state.bSkipSettingWrite);
        MemorySettingsStore::WriteValue(name, data);
    }
    const PosterState& state;
    QList<bool> guardAtWrite;
};

const ProfileTable kThreeProfiles({{"a", {0, 0, 0, 0}}, {"b", {3, 4, 3, 2}}, {"c", {2, 6, 3, 6}}});

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Numbers are stored as 32-bit integers (halves to even), everything else as text with the
    // blanks at both ends removed.
    void typeRule_data() {
        QTest::addColumn<QVariant>("data");
        QTest::addColumn<QVariant>("stored"); // int or QString
        using V = QVariant;
        QTest::newRow("padded number") << V(" 7 ") << V(7);
        QTest::newRow("half to even down") << V("2.5") << V(2);
        QTest::newRow("half to even up") << V("3.5") << V(4);
        QTest::newRow("double") << V(6.5) << V(6);
        QTest::newRow("double rounded up") << V(7.7) << V(8);
        QTest::newRow("bool") << V(true) << V(1);
        QTest::newRow("tiles") << V("w05h03") << V("w05h03");
        QTest::newRow("blanks trimmed") << V("  c:\\photos  ") << V("c:\\photos");
        QTest::newRow("tabs are no blanks") << V("\tx ") << V("\tx");
        QTest::newRow("too big for 32 bits") << V("99999999999") << V("99999999999");
    }

    void typeRule() {
        QFETCH(QVariant, data);
        QFETCH(QVariant, stored);
        MemorySettingsStore store;
        QCOMPARE(store.SavePref(PrefValue::LastFolder, data), 1);
        const StoredPref expected = stored.typeId() == QMetaType::Int
                                        ? StoredPref(std::int32_t(stored.toInt()))
                                        : StoredPref(stored.toString());
        QCOMPARE(*store.Stored(PrefValue::LastFolder), expected);
        QCOMPARE(store.GetPref(PrefValue::LastFolder), stored.toString());
    }

    void readingStoredValues() {
        MemorySettingsStore store;
        store.SetRaw(PrefValue::ShowTiles, QVariant(-42));
        QCOMPARE(store.GetPref(PrefValue::ShowTiles), QStringLiteral("-42"));
        // Text ends at its first NUL.
        store.SetRaw(PrefValue::LastFolder, QVariant(QString::fromUtf16(u"c:\\one\0c:\\two", 13)));
        QCOMPARE(store.GetPref(PrefValue::LastFolder), QStringLiteral("c:\\one"));
        // Missing values and other types read as empty.
        QCOMPARE(store.GetPref(PrefValue::NumTiles), QString());
        for (const QVariant& raw :
             {QVariant(QStringList{QStringLiteral("1")}), QVariant(QByteArray("\x01", 1)),
              QVariant(qlonglong(5)), QVariant(1.5)}) {
            store.SetRaw(PrefValue::NumTiles, raw);
            QCOMPARE(store.GetPref(PrefValue::NumTiles), QString());
        }
        // A failed write is ignored.
        store.SavePref(PrefValue::EdgeAdjust, QStringLiteral("1_01"));
        store.SetReadOnly(true);
        QCOMPARE(store.SavePref(PrefValue::EdgeAdjust, QStringLiteral("0_02")), 1);
        QCOMPARE(store.GetPref(PrefValue::EdgeAdjust), QStringLiteral("1_01"));
    }

    void qsettingsRoundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("prefs.ini"));
        const QList<std::pair<QVariant, QString>> values{
            {2.5, "2"},
            {QStringLiteral("|0|Letter|8,5|11|0,25|"), "|0|Letter|8,5|11|0,25|"},
            {QStringLiteral("  /home/me/Pictures "), "/home/me/Pictures"},
            {QStringLiteral("@Invalid()"), "@Invalid()"}};
        for (const auto& [data, expected] : values) {
            QCOMPARE(QSettingsStore(path).SavePref(PrefValue::PaperRegLine, data), 1);
            QCOMPARE(QSettingsStore(path).GetPref(PrefValue::PaperRegLine), expected);
        }
        QVERIFY(QFile::exists(path));
        QCOMPARE(QSettingsStore(path).GetPref(PrefValue::LastFolder), QString());
        QCOMPARE(QSettingsStore(path).Location(), path);
        // Only asks where the user's settings are; nothing is read or written there.
        const QString user = QSettingsStore().Location();
        QVERIFY2(user.contains(QStringLiteral("QuillmarkSoftware/Tessellon")), qPrintable(user));
    }

    void numTiles() {
        const QList<std::pair<const char*, NumTilesPref>> cases{
            {"w05h03", {5, 3}}, {"w99h00", {1, 0}}, {"w24h24", {24, 24}}, {"w25h25", {1, 1}},
            {"", {1, 1}},       {"wxxhyy", {1, 1}}, {"w-1h02", {1, 2}},   {"w3.h7.", {3, 7}},
            {"w5h3", {1, 1}},   {"w07", {7, 1}}};
        for (const auto& [text, pref] : cases)
            QCOMPARE(ParseNumTiles(QLatin1String(text), kTileSelectorItems, kTileSelectorItems),
                     pref);
        QCOMPARE(FormatNumTiles(5, 3) + u' ' + FormatNumTiles(12, 0), "w05h03 w12h00");
    }

    void edgeAdjustAndSwitches() {
        const QList<std::tuple<const char*, int, EdgeAdjustPref>> cases{
            {"1_02", 3, {true, 2}},  {"1_07", 3, {true, 0}},  {"0_01", 3, {false, 1}},
            {"2_01", 3, {false, 1}}, {"x_yy", 3, {false, 0}}, {"1_02", 0, {true, 0}},
            {"", 3, {false, 0}},     {"1_15", 20, {true, 15}}};
        for (const auto& [text, profiles, pref] : cases)
            QCOMPARE(ParseEdgeAdjust(QLatin1String(text), profiles), pref);
        QCOMPARE(FormatEdgeAdjust(true, 2) + u' ' + FormatEdgeAdjust(false, 12), "1_02 0_12");
        for (const char* text : {"1", "0", "2", "-1", "", "yes"}) // only 1 is on
            QCOMPARE(ParseSwitch(QLatin1String(text)), int(text == std::string_view("1")));
    }

    void loadPrefs() {
        // The paper line is read back in the main window.
        MemorySettingsStore store;
        store.SavePref(PrefValue::NumTiles, QStringLiteral("w05h03"));
        store.SavePref(PrefValue::EdgeAdjust, QStringLiteral("1_02"));
        store.SavePref(PrefValue::ShowTiles, 1);
        store.SavePref(PrefValue::HeightEqualsWidth, 1);
        store.SavePref(PrefValue::MarginLocked, 2); // only 1 is on
        PosterState state;
        state.bApplyingPrefs = true; // as at start-up: the lock does not move the stored counts
        bool clipsAndGuardInHook = false;
        // The profile table is loaded after the edge switch; the stored profile is checked then.
        LoadPrefs(store, state, {}, [&] {
            clipsAndGuardInHook = state.PrinterClips() && state.bSkipOutputUpdate;
            state.SetProfileTable(&kThreeProfiles);
        });
        QVERIFY(state.LockWh() && state.ShowTiles() && clipsAndGuardInHook);
        QCOMPARE(QPoint(state.TilesWideIndex(), state.TilesHighIndex()), QPoint(5, 3));
        QVERIFY(!state.bSkipOutputUpdate);
        QCOMPARE(state.CurrentProfile(), 2);
        QCOMPARE(state.iWhMarginLocked, short(0));
        // An empty store gives the defaults; the paper line is handed on empty, under the guard.
        state.iWhMarginLocked = 1;
        QStringList lines;
        bool guardDuringPaper = false;
        LoadPrefs(MemorySettingsStore(), state, [&](const QString& line) {
            lines.append(line);
            guardDuringPaper = state.bSkipSettingWrite;
        });
        QCOMPARE(lines, QStringList{QString()});
        QVERIFY(guardDuringPaper);
        QCOMPARE(QPoint(state.TilesWideIndex(), state.TilesHighIndex()), QPoint(1, 1));
        QVERIFY(!state.LockWh() && !state.ShowTiles() && !state.PrinterClips());
        QCOMPARE(state.CurrentProfile(), 0);
        QCOMPARE(state.iWhMarginLocked, short(0));
        QVERIFY(!state.bSkipSettingWrite && !state.bSkipOutputUpdate);
        // Without a table no stored profile is in range.
        PosterState lonely;
        lonely.SetCurrentProfile(1);
        LoadPrefs(store, lonely, {});
        QCOMPARE(lonely.CurrentProfile(), 0);
    }

    void savePrefsOrderAndContent() {
        PosterState state;
        state.SetProfileTable(&kThreeProfiles);
        state.SelectTilesWide(4);
        state.SelectTilesHigh(11);
        state.sPaperRegLine = QStringLiteral("line");
        state.SetPrinterClips(true);
        state.SetCurrentProfile(2);
        state.SetShowTiles(true);
        state.iWhMarginLocked = 1;
        GuardSpyStore store(state);
        SavePrefs(store, state);
        QCOMPARE(store.WriteLog(),
                 (QStringList{"prefs_numTiles", "paperRegLine", "prefs_edgeAdjust",
                              "prefs_showTiles", "prefs_heightEqualsWidth", "cmbMarginLocked"}));
        QCOMPARE(store.guardAtWrite, QList<bool>(6, true));
        // The two names it does not write.
        QCOMPARE(PrefValueName(PrefValue::AppDir) + u' ' + PrefValueName(PrefValue::LastFolder),
                 "app_dir last_folder");
        QVERIFY(!state.bSkipSettingWrite);
        QStringList values;
        for (PrefValue v :
             {PrefValue::NumTiles, PrefValue::PaperRegLine, PrefValue::EdgeAdjust,
              PrefValue::ShowTiles, PrefValue::HeightEqualsWidth, PrefValue::MarginLocked})
            values << store.GetPref(v);
        QCOMPARE(values, (QStringList{"w04h11", "line", "1_02", "1", "0", "1"}));
        // An outer guard stays as it was.
        state.bSkipSettingWrite = true;
        SavePrefs(store, state);
        QVERIFY(state.bSkipSettingWrite);
    }

    void applicationFolder() {
        using AF = ApplicationFolder;
        const QString opt = QStringLiteral("/opt/t"), srv = QStringLiteral("/srv/ts"), f = "f";
        QCOMPARE((QStringList{AF::Resolve(QString(), opt), AF::Resolve(srv, opt),
                              AF::Join(srv + u'/', f), AF::Join(QStringLiteral("/"), f)}),
                 (QStringList{opt, srv, "/srv/ts/f", "/f"}));
        QCOMPARE(AF::Resolve(QString()), QCoreApplication::applicationDirPath());
        // A folder that can take files is used; the probe leaves nothing behind.
        QTemporaryDir dir;
        QVERIFY(!AF::UsesUserDataFolder(dir.path(), QString()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        // One that cannot (here: one that does not exist) gives way to the user's data folder.
        QVERIFY(AF::UsesUserDataFolder(dir.filePath(QStringLiteral("not/there")), {}));
        // So does an installed program (its data folder beside bin/), even where it could write its
        // own; a folder named in the settings is taken as it is.
        const QString bin = dir.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(
            QDir().mkpath(QDir::cleanPath(bin + u'/' + QStringLiteral(TESSELLON_DATA_FROM_BIN))));
        QVERIFY(AF::UsesUserDataFolder(QString(), bin) && !AF::UsesUserDataFolder(bin, bin));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
