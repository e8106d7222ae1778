#include "calibration/profile_file.h"
#include "calibration/profile_store.h"
#include "tests/support/recording_message_service.h"
#include "profile_test_support.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessellon;
using namespace tessellon::testing;

class TestProfileSafety : public QObject {
    Q_OBJECT
private slots:
    void userFileIsKept_data();
    void userFileIsKept();
    void readOnlyApplicationFolder();
};

void TestProfileSafety::userFileIsKept_data() {
    QTest::addColumn<QByteArray>("original"); // "DIR": a folder stands where the file goes
    QTest::addColumn<QByteArray>("table");    // the file's bytes afterwards
    QTest::addColumn<QString>("backup");      // empty: no backup is made

    QTest::newRow("clean") << kShippedBytes << kShippedBytes << QString();
    QTest::newRow("tabs became spaces")
        << QByteArray("Canon    03,04,03,02,\r\n") << kShippedBytes << ".bak";
    QTest::newRow("no leading zeros")
        << QByteArray("Canon\t3,4,3,2,\r\nEpson\t16,0,1,10,\r\n")
        << QByteArray("Canon\t03,04,03,02,\r\nEpson\t16,00,01,10,\r\n") << ".bak";
    QTest::newRow("value out of range")
        << QByteArray("Canon\t03,04,03,20,\r\n") << QByteArray("Canon\t03,04,03,16,\r\n") << ".bak";
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QTest::newRow("utf-16") << QByteArray(utf16.encode(u"Caf\u00e9\t03,04,03,02,\r\n"))
                            << QByteArray("Caf\xc3\xa9\t03,04,03,02,\r\n") << ".bak";
    QByteArray many, first199;
    for (int i = 0; i < 250; ++i) {
        const QByteArray line = "p" + QByteArray::number(i) + "\t01,02,03,04,\r\n";
        many += line;
        if (i < 199)
            first199 += line;
    }
    QTest::newRow("250 lines") << many << first199 << ".bak";
    QTest::newRow("earlier backup kept")
        << QByteArray("Canon\t3,4,3,2,\r\n") << QByteArray("Canon\t03,04,03,02,\r\n") << ".bak2";
    QTest::newRow("unreadable") << QByteArray("DIR") << kShippedBytes + "New\t00,00,00,00,\r\n"
                                << ".bak";
}

void TestProfileSafety::userFileIsKept() {
    QFETCH(QByteArray, original);
    QFETCH(QByteArray, table);
    QFETCH(QString, backup);
    QTemporaryDir dir;
    const QString path = dir.filePath(ProfileFile::FileName());
    if (original == "DIR")
        QVERIFY(QDir().mkpath(path + "/inside"));
    else
        QVERIFY(WriteAll(path, original));
    if (backup == u".bak2")
        QVERIFY(WriteAll(path + ".bak", "older"));

    RecordingMessageService messages;
    ProfileStore store(path, &messages);
    store.LoadProfiles();
    // A file that cannot be read is kept as it is until the user changes a profile.
    if (original == "DIR") {
        QVERIFY(QFileInfo(path).isDir());
        QVERIFY(store.CreateProfile(QStringLiteral("New"), messages));
    }
    QCOMPARE(ReadAll(path), table);

    if (backup.isEmpty()) {
        QVERIFY(messages.Messages().isEmpty());
        QVERIFY(!QFileInfo::exists(path + ".bak"));
        return;
    }
    if (original == "DIR")
        QVERIFY(QFileInfo(path + backup + "/inside").isDir());
    else
        QCOMPARE(ReadAll(path + backup), original);
    QCOMPARE(messages.Messages().size(), 1);
    QCOMPARE(messages.Messages()[0].kind, RecordingMessageService::Kind::Information);
    QVERIFY(messages.Messages()[0].text.contains(path + backup));
    if (backup == u".bak2")
        QCOMPARE(ReadAll(path + ".bak"), QByteArray("older"));
}

void TestProfileSafety::readOnlyApplicationFolder() {
    QTemporaryDir app, data;
    const QString file = app.filePath(ProfileFile::FileName());
    const QString copy = data.filePath(ProfileFile::FileName());
    const QByteArray mine = "Mine\t01,02,03,04,\r\nOther\t05,05,05,05,\r\n";
    QVERIFY(WriteAll(file, mine));

    RecordingMessageService messages;
    ProfileStore store(ProfileStore::Locations{file, copy}, &messages);
    QCOMPARE(store.LoadProfiles(), ProfileFile::kRead);
    QCOMPARE(store.Table().Names(), (QStringList{"Mine", "Other"}));
    QVERIFY(!QFileInfo::exists(copy));
    QVERIFY(messages.Messages().isEmpty());

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

QTEST_GUILESS_MAIN(TestProfileSafety)
#include "tst_profile_safety.moc"
