#include "cli_run.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace tessellon;
using testing::RunCli;

class TestCliConventions : public QObject {
    Q_OBJECT
private slots:
    void paperNames_data();
    void paperNames();
    void ownLinesOnly_data();
    void ownLinesOnly();
};

void TestCliConventions::paperNames_data() {
    // A 2 x 2 poster of the paper's tile print size (paper less its own margins).
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected"); // the size line, or a part of the error line
    QTest::newRow("A4") << QStringList{"--paper", "A4"} << "Size: 37.2 x 54.6 cm";
    QTest::newRow("A4 no margins")
        << QStringList{"--paper", "A4", "--margins", "0"} << "Size: 42.0 x 59.4 cm";
    QTest::newRow("LETTER") << QStringList{"--paper", "LETTER"} << "Size: 15.00 x 20.00 inches";
    QTest::newRow("4x6") << QStringList{"--paper", "4x6"} << "Size: 12.00 x 8.00 inches";
    QTest::newRow("custom mm") << QStringList{"--paper",  "Custom",  "--units",   "mm",
                                              "--custom", "100x200", "--margins", "0"}
                               << "Size: 20.0 x 40.0 cm";
    QTest::newRow("full name") << QStringList{"--paper", "a5 - 148 X 210"}
                               << "Size: 24.8 x 37.2 cm";
    QTest::newRow("letter in mm") << QStringList{"--paper", "letter", "--units", "mm"}
                                  << "Size: 38.1 x 50.8 cm";
    QTest::newRow("unknown") << QStringList{"--paper", "A9"} << "nearest: a8, a7, a6;";
    QTest::newRow("typo") << QStringList{"--paper", "leter"} << "nearest: letter,";
}

void TestCliConventions::paperNames() {
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    const auto r = RunCli(QStringList{"info", "2000x3000"} + args);
    if (expected.startsWith(u"Size")) {
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out.section(u'\n', 0, 0), expected);
    } else {
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(expected), qPrintable(r.err));
    }
}

void TestCliConventions::ownLinesOnly_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("stdoutPattern");
    QTest::newRow("cli version") << "tessellon-cli" << QStringList{"--version"}
                                 << "^tessellon-cli \\d+\\.\\d+\\.\\d+\\n$";
    QTest::newRow("gui version") << "tessellon" << QStringList{"--version"}
                                 << "^tessellon \\d+\\.\\d+\\.\\d+\\n$";
    QTest::newRow("cli info") << "tessellon-cli" << QStringList{"info", "300x200", "--tiles", "1x1"}
                              << "^Size: 6.00 x 4.00 inches\\n";
}

void TestCliConventions::ownLinesOnly() {
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(QString, stdoutPattern);
    // A shell without a login session: Qt would note the missing runtime folder on stderr.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.remove(QStringLiteral("QT_LOGGING_RULES"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TESSELLON_BUILD_DIR "/") + program, args);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), QString());
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(QRegularExpression(stdoutPattern).match(out).hasMatch(), qPrintable(out));
}

QTEST_GUILESS_MAIN(TestCliConventions)
#include "tst_cli_conventions.moc"
