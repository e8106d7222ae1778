#include "calibration/profile_table.h"
#include "layout/poster_state.h"
#include "settings/application_folder.h"
#include "settings/memory_settings_store.h"
#include "settings/pref_formats.h"
#include "settings/prefs_io.h"
#include "settings/qsettings_store.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;

Q_DECLARE_METATYPE(tessellon::PrefValue)

namespace {

// Records the poster's write guard at every write, to check SavePrefs holds it.
class GuardSpyStore : public MemorySettingsStore {
public:
    explicit GuardSpyStore(const PosterState& state) : state_(state) {}
    QList<bool> guardAtWrite;

protected:
    void WriteValue(const QString& name, const StoredPref& data) override {
        guardAtWrite.append(state_.bSkipSettingWrite);
        MemorySettingsStore::WriteValue(name, data);
    }

private:
    const PosterState& state_;
};

ProfileTable ThreeProfiles() {
    return ProfileTable({{QStringLiteral("a"), {0, 0, 0, 0}},
                         {QStringLiteral("b"), {3, 4, 3, 2}},
                         {QStringLiteral("c"), {2, 6, 3, 6}}});
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void valueNames();
    void typeRule_data();
    void typeRule();
    void storedValuesAsRead();
    void otherTypesReadEmpty_data();
    void otherTypesReadEmpty();
    void failedWriteIsIgnored();

    void qsettingsRoundTrip_data();
    void qsettingsRoundTrip();
    void qsettingsLocation();

    void parseNumTiles_data();
    void parseNumTiles();
    void formats();
    void parseEdgeAdjust_data();
    void parseEdgeAdjust();
    void parseSwitch();

    void loadPrefsDefaultsOnEmptyStore();
    void loadPrefsAppliesStoredValues();
    void loadPrefsTakesProfileCountAfterHook();
    void loadPrefsSwitchOfTwoIsOff();
    void savePrefsOrderAndContent();
    void savePrefsKeepsOuterGuard();

    void applicationFolder();
    void writableDataFolderFallsBack();
};

void TestSettings::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
}

void TestSettings::valueNames() {
    QStringList names;
    for (PrefValue v : {PrefValue::AppDir, PrefValue::LastFolder, PrefValue::NumTiles,
                        PrefValue::EdgeAdjust, PrefValue::ShowTiles, PrefValue::HeightEqualsWidth,
                        PrefValue::PaperRegLine, PrefValue::MarginLocked})
        names << PrefValueName(v);
    QCOMPARE(names, QStringLiteral("app_dir last_folder prefs_numTiles prefs_edgeAdjust "
                                   "prefs_showTiles prefs_heightEqualsWidth paperRegLine "
                                   "cmbMarginLocked")
                        .split(u' '));
}

void TestSettings::typeRule_data() {
    QTest::addColumn<QVariant>("data");
    QTest::addColumn<bool>("isInt");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("text 1") << QVariant(QStringLiteral("1")) << true << 1 << "";
    QTest::newRow("padded number") << QVariant(QStringLiteral(" 7 ")) << true << 7 << "";
    QTest::newRow("half to even down") << QVariant(QStringLiteral("2.5")) << true << 2 << "";
    QTest::newRow("half to even up") << QVariant(QStringLiteral("3.5")) << true << 4 << "";
    QTest::newRow("double") << QVariant(6.5) << true << 6 << "";
    QTest::newRow("bool") << QVariant(true) << true << 1 << "";
    QTest::newRow("tiles") << QVariant(QStringLiteral("w05h03")) << false << 0 << "w05h03";
    QTest::newRow("blanks trimmed")
        << QVariant(QStringLiteral("  c:\\photos  ")) << false << 0 << "c:\\photos";
    QTest::newRow("tabs are no blanks") << QVariant(QStringLiteral("\tx ")) << false << 0 << "\tx";
    QTest::newRow("empty") << QVariant(QString()) << false << 0 << "";
    QTest::newRow("too big for 32 bits")
        << QVariant(QStringLiteral("99999999999")) << false << 0 << "99999999999";
}

void TestSettings::typeRule() {
    QFETCH(QVariant, data);
    QFETCH(bool, isInt);
    QFETCH(int, number);
    QFETCH(QString, text);
    MemorySettingsStore store;
    QCOMPARE(store.SavePref(PrefValue::LastFolder, data), 1);
    const auto stored = store.Stored(PrefValue::LastFolder);
    QVERIFY(stored.has_value());
    if (isInt) {
        QVERIFY(std::holds_alternative<std::int32_t>(*stored));
        QCOMPARE(std::get<std::int32_t>(*stored), number);
        QCOMPARE(store.GetPref(PrefValue::LastFolder), QString::number(number));
    } else {
        QVERIFY(std::holds_alternative<QString>(*stored));
        QCOMPARE(std::get<QString>(*stored), text);
        QCOMPARE(store.GetPref(PrefValue::LastFolder), text);
    }
}

void TestSettings::storedValuesAsRead() {
    MemorySettingsStore store;
    store.SetRaw(PrefValue::ShowTiles, QVariant(-42));
    QCOMPARE(store.GetPref(PrefValue::ShowTiles), QStringLiteral("-42"));
    // Text ends at its first NUL.
    store.SetRaw(PrefValue::LastFolder, QVariant(QString::fromUtf16(u"c:\\one\0c:\\two", 13)));
    QCOMPARE(store.GetPref(PrefValue::LastFolder), QStringLiteral("c:\\one"));
}

void TestSettings::otherTypesReadEmpty_data() {
    QTest::addColumn<QVariant>("raw");
    QTest::newRow("missing") << QVariant();
    QTest::newRow("list") << QVariant(QStringList{QStringLiteral("1"), QStringLiteral("2")});
    QTest::newRow("binary") << QVariant(QByteArray("\x01\x02", 2));
    QTest::newRow("64-bit") << QVariant(qlonglong(5));
    QTest::newRow("double") << QVariant(1.5);
}

void TestSettings::otherTypesReadEmpty() {
    QFETCH(QVariant, raw);
    MemorySettingsStore store;
    if (raw.isValid())
        store.SetRaw(PrefValue::NumTiles, raw);
    QCOMPARE(store.GetPref(PrefValue::NumTiles), QString());
}

void TestSettings::failedWriteIsIgnored() {
    MemorySettingsStore store;
    store.SavePref(PrefValue::NumTiles, QStringLiteral("w03h03"));
    store.SetReadOnly(true);
    QCOMPARE(store.SavePref(PrefValue::NumTiles, QStringLiteral("w09h09")), 1);
    QCOMPARE(store.GetPref(PrefValue::NumTiles), QStringLiteral("w03h03"));
}

void TestSettings::qsettingsRoundTrip_data() {
    QTest::addColumn<QVariant>("data");
    QTest::addColumn<QString>("expected");
    QTest::newRow("number") << QVariant(QStringLiteral("1")) << "1";
    QTest::newRow("rounded") << QVariant(2.5) << "2";
    QTest::newRow("tiles") << QVariant(QStringLiteral("w05h03")) << "w05h03";
    QTest::newRow("commas") << QVariant(QStringLiteral("|0|Letter|8,5|11|0,25|"))
                            << "|0|Letter|8,5|11|0,25|";
    QTest::newRow("trimmed") << QVariant(QStringLiteral("  /home/me/Pictures "))
                             << "/home/me/Pictures";
    QTest::newRow("variant-like text") << QVariant(QStringLiteral("@Invalid()")) << "@Invalid()";
}

void TestSettings::qsettingsRoundTrip() {
    QFETCH(QVariant, data);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("prefs.ini"));
    {
        QSettingsStore store(path);
        QCOMPARE(store.SavePref(PrefValue::PaperRegLine, data), 1);
    }
    QVERIFY(QFile::exists(path));
    const QSettingsStore reopened(path);
    QCOMPARE(reopened.GetPref(PrefValue::PaperRegLine), expected);
    QCOMPARE(reopened.GetPref(PrefValue::LastFolder), QString());
}

void TestSettings::qsettingsLocation() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prefs.ini"));
    QCOMPARE(QSettingsStore(path).Location(), path);
    // Only asks where the user's settings are; nothing is read or written there.
    const QString user = QSettingsStore().Location();
    QVERIFY2(user.contains(QStringLiteral("QuillmarkSoftware")), qPrintable(user));
    QVERIFY2(user.contains(QStringLiteral("Tessellon")), qPrintable(user));
}

void TestSettings::parseNumTiles_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wide");
    QTest::addColumn<int>("high");
    QTest::newRow("example") << "w05h03" << 5 << 3;
    QTest::newRow("beyond the list") << "w99h00" << 1 << 0;
    QTest::newRow("last items") << "w24h24" << 24 << 24;
    QTest::newRow("one past") << "w25h25" << 1 << 1;
    QTest::newRow("empty") << "" << 1 << 1;
    QTest::newRow("letters") << "wxxhyy" << 1 << 1;
    QTest::newRow("negative") << "w-1h02" << 1 << 2;
    QTest::newRow("whole part") << "w3.h7." << 3 << 7;
    QTest::newRow("single digits") << "w5h3" << 1 << 1;
    QTest::newRow("short") << "w07" << 7 << 1;
}

void TestSettings::parseNumTiles() {
    QFETCH(QString, text);
    QFETCH(int, wide);
    QFETCH(int, high);
    QCOMPARE(ParseNumTiles(text, kTileSelectorItems, kTileSelectorItems),
             (NumTilesPref{wide, high}));
}

void TestSettings::formats() {
    QCOMPARE(FormatNumTiles(5, 3), QStringLiteral("w05h03"));
    QCOMPARE(FormatNumTiles(12, 0), QStringLiteral("w12h00"));
    QCOMPARE(FormatEdgeAdjust(true, 2), QStringLiteral("1_02"));
    QCOMPARE(FormatEdgeAdjust(false, 12), QStringLiteral("0_12"));
}

void TestSettings::parseEdgeAdjust_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("profiles");
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("profile");
    QTest::newRow("example") << "1_02" << 3 << true << 2;
    QTest::newRow("profile out of range") << "1_07" << 3 << true << 0;
    QTest::newRow("off") << "0_01" << 3 << false << 1;
    QTest::newRow("switch 2 is off") << "2_01" << 3 << false << 1;
    QTest::newRow("empty") << "" << 3 << false << 0;
    QTest::newRow("garbage") << "x_yy" << 3 << false << 0;
    QTest::newRow("no profiles") << "1_02" << 0 << true << 0;
    QTest::newRow("two digit profile") << "1_15" << 20 << true << 15;
}

void TestSettings::parseEdgeAdjust() {
    QFETCH(QString, text);
    QFETCH(int, profiles);
    QFETCH(bool, on);
    QFETCH(int, profile);
    QCOMPARE(ParseEdgeAdjust(text, profiles), (EdgeAdjustPref{on, profile}));
}

void TestSettings::parseSwitch() {
    QCOMPARE(ParseSwitch(QStringLiteral("1")), 1);
    for (const char* off : {"0", "2", "-1", "", "yes"})
        QCOMPARE(ParseSwitch(QLatin1String(off)), 0);
}

void TestSettings::loadPrefsDefaultsOnEmptyStore() {
    const MemorySettingsStore store;
    PosterState state;
    const ProfileTable table = ThreeProfiles();
    state.SetProfileTable(&table);
    state.bApplyingPrefs = true;
    state.SelectTilesWide(7);
    state.SelectTilesHigh(9);
    state.SetLockWh(true);
    state.SetShowTiles(true);
    state.SetPrinterClips(true);
    state.SetCurrentProfile(2);
    state.iWhMarginLocked = 1;
    state.sPaperRegLine = QStringLiteral("old");

    QStringList lines;
    bool guardDuringPaper = false;
    LoadPrefs(store, state, [&](const QString& line) {
        lines.append(line);
        guardDuringPaper = state.bSkipSettingWrite;
    });
    QCOMPARE(lines, QStringList{QString()});
    QVERIFY(guardDuringPaper);
    QCOMPARE(state.sPaperRegLine, QString());
    QCOMPARE(QPoint(state.TilesWideIndex(), state.TilesHighIndex()), QPoint(1, 1));
    QVERIFY(!state.LockWh() && !state.ShowTiles() && !state.PrinterClips());
    QCOMPARE(state.CurrentProfile(), 0);
    QCOMPARE(state.iWhMarginLocked, short(0));
    QVERIFY(!state.bSkipSettingWrite && !state.bSkipOutputUpdate);
}

void TestSettings::loadPrefsAppliesStoredValues() {
    MemorySettingsStore store;
    const QString paper = QStringLiteral("|1|A4 - 210 x 297|210|297|12|12|12|12|12|12|12|12|");
    store.SavePref(PrefValue::PaperRegLine, paper);
    store.SavePref(PrefValue::NumTiles, QStringLiteral("w05h03"));
    store.SavePref(PrefValue::EdgeAdjust, QStringLiteral("1_02"));
    store.SavePref(PrefValue::ShowTiles, 1);
    store.SavePref(PrefValue::HeightEqualsWidth, 1);
    store.SavePref(PrefValue::MarginLocked, 1);

    PosterState state;
    const ProfileTable table = ThreeProfiles();
    state.SetProfileTable(&table);
    state.bApplyingPrefs = true; // as at start-up: the lock does not move the stored counts
    QString seenLine;
    bool clipsInHook = false;
    bool outputGuardInHook = false;
    LoadPrefs(
        store, state, [&](const QString& line) { seenLine = line; },
        [&] {
            clipsInHook = state.PrinterClips();
            outputGuardInHook = state.bSkipOutputUpdate;
        });
    QCOMPARE(seenLine, paper);
    QCOMPARE(state.sPaperRegLine, paper);
    QVERIFY(state.LockWh());
    QCOMPARE(state.TilesWideIndex(), 5);
    QCOMPARE(state.TilesHighIndex(), 3);
    QVERIFY(clipsInHook);
    QVERIFY(outputGuardInHook);
    QVERIFY(!state.bSkipOutputUpdate);
    QVERIFY(state.PrinterClips());
    QCOMPARE(state.CurrentProfile(), 2);
    QVERIFY(state.ShowTiles());
    QCOMPARE(state.iWhMarginLocked, short(1));
}

void TestSettings::loadPrefsTakesProfileCountAfterHook() {
    MemorySettingsStore store;
    store.SavePref(PrefValue::EdgeAdjust, QStringLiteral("1_02"));
    PosterState state;
    const ProfileTable table = ThreeProfiles();
    LoadPrefs(store, state, {}, [&] { state.SetProfileTable(&table); });
    QCOMPARE(state.CurrentProfile(), 2);
    // Without a table no stored profile is in range.
    PosterState lonely;
    lonely.SetCurrentProfile(1);
    LoadPrefs(store, lonely, {});
    QCOMPARE(lonely.CurrentProfile(), 0);
}

void TestSettings::loadPrefsSwitchOfTwoIsOff() {
    MemorySettingsStore store;
    store.SavePref(PrefValue::ShowTiles, 2);
    store.SavePref(PrefValue::HeightEqualsWidth, 2);
    store.SavePref(PrefValue::MarginLocked, 2);
    PosterState state;
    state.SetShowTiles(true);
    LoadPrefs(store, state, {});
    QVERIFY(!state.ShowTiles());
    QVERIFY(!state.LockWh());
    QCOMPARE(state.iWhMarginLocked, short(0));
}

void TestSettings::savePrefsOrderAndContent() {
    PosterState state;
    const ProfileTable table = ThreeProfiles();
    state.SetProfileTable(&table);
    state.SelectTilesWide(4);
    state.SelectTilesHigh(11);
    state.sPaperRegLine = QStringLiteral("|0|Photo 4\" x 6\"|6|4|0|0|0|0|0|0|0|0|");
    state.SetPrinterClips(true);
    state.SetCurrentProfile(2);
    state.SetShowTiles(true);
    state.iWhMarginLocked = 1;

    GuardSpyStore store(state);
    SavePrefs(store, state);
    QCOMPARE(store.WriteLog(),
             (QStringList{"prefs_numTiles", "paperRegLine", "prefs_edgeAdjust", "prefs_showTiles",
                          "prefs_heightEqualsWidth", "cmbMarginLocked"}));
    QCOMPARE(store.guardAtWrite, QList<bool>(6, true));
    QVERIFY(!state.bSkipSettingWrite);
    QCOMPARE(store.Stored(PrefValue::NumTiles), StoredPref{QStringLiteral("w04h11")});
    QCOMPARE(store.Stored(PrefValue::PaperRegLine), StoredPref{state.sPaperRegLine});
    QCOMPARE(store.Stored(PrefValue::EdgeAdjust), StoredPref{QStringLiteral("1_02")});
    QCOMPARE(store.Stored(PrefValue::ShowTiles), StoredPref{std::int32_t{1}});
    QCOMPARE(store.Stored(PrefValue::HeightEqualsWidth), StoredPref{std::int32_t{0}});
    QCOMPARE(store.Stored(PrefValue::MarginLocked), StoredPref{std::int32_t{1}});
    QVERIFY(!store.Stored(PrefValue::AppDir));
    QVERIFY(!store.Stored(PrefValue::LastFolder));
}

void TestSettings::savePrefsKeepsOuterGuard() {
    PosterState state;
    state.bSkipSettingWrite = true;
    MemorySettingsStore store;
    SavePrefs(store, state);
    QVERIFY(state.bSkipSettingWrite);
    QCOMPARE(store.WriteLog().size(), 6);
}

void TestSettings::applicationFolder() {
    QCOMPARE(ApplicationFolder::Resolve(QString(), QStringLiteral("/opt/tessellon")),
             QStringLiteral("/opt/tessellon"));
    QCOMPARE(ApplicationFolder::Resolve(QStringLiteral("/srv/ts"), QStringLiteral("/opt/t")),
             QStringLiteral("/srv/ts"));
    QCOMPARE(ApplicationFolder::Join(QStringLiteral("/srv/ts"), QStringLiteral("f")),
             QStringLiteral("/srv/ts/f"));
    QCOMPARE(ApplicationFolder::Join(QStringLiteral("/srv/ts/"), QStringLiteral("f")),
             QStringLiteral("/srv/ts/f"));

    MemorySettingsStore store;
    QCOMPARE(ApplicationFolder::Resolve(store), QCoreApplication::applicationDirPath());
    store.SavePref(PrefValue::AppDir, QStringLiteral("/srv/ts"));
    QCOMPARE(ApplicationFolder::Resolve(store), QStringLiteral("/srv/ts"));
}

void TestSettings::writableDataFolderFallsBack() {
    QTemporaryDir dir;
    QVERIFY(ApplicationFolder::CanCreateFilesIn(dir.path()));
    QCOMPARE(ApplicationFolder::WritableDataFolder(dir.path(), QString()), dir.path());
    // The probe leaves nothing behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());

    // A folder that cannot take files (here: one that does not exist).
    const QString missing = dir.filePath(QStringLiteral("not/there"));
    QVERIFY(!ApplicationFolder::CanCreateFilesIn(missing));
    const QString data = ApplicationFolder::WritableDataFolder(missing, QString());
    QCOMPARE(data, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QVERIFY(QFileInfo(data).isDir());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
