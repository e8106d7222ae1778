#pragma once

// A CUPS scheduler of the test's own: its configuration, spool and socket in a temporary
// folder, CUPS_SERVER pointing at it, and two PostScript queues that write into files:
// "tess_a4" (A4 and Letter, A4 the default) and "tess_stopped" (the same, stopped). Their
// drivers leave 12 pt unprinted round A4, and 27, 18, 36 and 9 pt (top, right, bottom, left) on
// Letter. Nothing of the machine's own CUPS is used.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/types.h>
#include <sys/wait.h>

namespace tessellon::testing {

class PrivateCups {
public:
    PrivateCups() {
        if (QStandardPaths::findExecutable(QStringLiteral("cupsd"), {"/usr/sbin", "/sbin"})
                .isEmpty()) {
            why_ = QStringLiteral("cupsd is not installed");
            return;
        }
        for (const char* sub : {"conf/ppd", "spool", "tmp", "cache", "state", "log", "out"})
            QDir(dir_.path()).mkpath(QString::fromLatin1(sub));
        // The filters run as the queue's user: they must reach the spool and the output.
        QProcess::execute(QStringLiteral("chmod"), {"1777", Path("tmp"), Path("out")});
        QProcess::execute(QStringLiteral("chmod"),
                          {"0755", dir_.path(), Path("conf"), Path("spool")});
        Write("conf/cupsd.conf", QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\n"
                                                "Browsing Off\n<Location />\nOrder allow,deny\n"
                                                "Allow all\n</Location>\n<Policy default>\n"
                                                "<Limit All>\nOrder deny,allow\n</Limit>\n"
                                                "</Policy>\n")
                                     .arg(Socket()));
        Write("conf/cups-files.conf",
              QStringLiteral("ServerRoot %1\nRequestRoot %2\nTempDir %3\nCacheDir %4\n"
                             "StateDir %5\nErrorLog %6\nAccessLog %7\nPageLog %7\n"
                             "FileDevice Yes\nSystemGroup root\n")
                  .arg(Path("conf"), Path("spool"), Path("tmp"), Path("cache"), Path("state"),
                       Path("log/error_log"), Path("log/access_log")));
        QString printers;
        for (const auto& [name, state] :
             {std::pair{"tess_a4", "Idle"}, std::pair{"tess_stopped", "Stopped"}}) {
            Write(QStringLiteral("conf/ppd/%1.ppd").arg(QLatin1String(name)), Ppd());
            printers +=
                QStringLiteral("<%1 %2>\nInfo Tessellon test\nDeviceURI file://%3\n"
                               "State %4\nAccepting Yes\nShared No\n</%1>\n")
                    .arg(QLatin1String(name == std::string_view("tess_a4") ? "DefaultPrinter"
                                                                           : "Printer"),
                         QLatin1String(name), Output(QLatin1String(name)), QLatin1String(state));
        }
        Write("conf/printers.conf", printers);
        qputenv("CUPS_SERVER", Socket().toLocal8Bit());
        cupsd_.setProgram(
            QStandardPaths::findExecutable(QStringLiteral("cupsd"), {"/usr/sbin", "/sbin"}));
        cupsd_.setArguments(
            {"-f", "-c", Path("conf/cupsd.conf"), "-s", Path("conf/cups-files.conf")});
        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.start();
        if (!cupsd_.waitForStarted()) {
            why_ = QStringLiteral("cupsd cannot start: ") + cupsd_.errorString();
            return;
        }
        QElapsedTimer waited;
        waited.start();
        while (!QFileInfo::exists(Socket()) || !Lpstat({"-r"}).contains("is running")) {
            if (cupsd_.state() != QProcess::Running || waited.elapsed() > 20000) {
                why_ = QStringLiteral("cupsd cannot start: ") +
                       QString::fromLocal8Bit(cupsd_.readAll()) + ReadLog();
                return;
            }
            QThread::msleep(100);
        }
    }
    ~PrivateCups() {
        if (cupsd_.state() == QProcess::Running) {
            ::kill(static_cast<pid_t>(cupsd_.processId()), SIGTERM);
            if (!cupsd_.waitForFinished(10000))
                ::kill(static_cast<pid_t>(cupsd_.processId()), SIGKILL);
            cupsd_.waitForFinished(5000);
        }
    }

    // Empty when the scheduler runs; else why not.
    const QString& Unavailable() const { return why_; }
    QString Output(const QString& queue) const { return Path("out/" + queue + ".ps"); }
    QString ReadLog() const {
        QFile log(Path("log/error_log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
    }
    // The jobs the queue has ever been given.
    int JobCount(const QString& queue) const {
        return static_cast<int>(
            Lpstat({"-W", "all", "-o", queue}).split(u'\n', Qt::SkipEmptyParts).size());
    }
    // Waits until the queue is done and returns what it printed, turned into PDF; empty when
    // nothing came.
    QString WaitForPdf(const QString& queue, const QString& pdf) const {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 60000) {
            if (Lpstat({"-o", queue}).trimmed().isEmpty() && QFileInfo(Output(queue)).size() > 0)
                return QProcess::execute(QStringLiteral("ps2pdf"), {Output(queue), pdf}) == 0
                           ? pdf
                           : QString();
            QThread::msleep(100);
        }
        return {};
    }
    QString Lpstat(const QStringList& args) const {
        QProcess p;
        p.start(QStringLiteral("lpstat"), args);
        p.waitForFinished(10000);
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }

private:
    QString Path(const QString& sub) const { return dir_.filePath(sub); }
    QString Socket() const { return Path("cups.sock"); }
    void Write(const QString& sub, const QString& text) const {
        QFile f(Path(sub));
        if (f.open(QIODevice::WriteOnly))
            f.write(text.toLatin1());
    }
    static QString Ppd() {
        return QStringLiteral(
            "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
            "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n*PCFileName: \"TESS.PPD\"\n"
            "*Manufacturer: \"Tessellon\"\n*Product: \"(Test)\"\n*ModelName: \"Tessellon Test\"\n"
            "*ShortNickName: \"Tessellon Test\"\n*NickName: \"Tessellon Test\"\n"
            "*PSVersion: \"(3010.000) 0\"\n*LanguageLevel: \"3\"\n*ColorDevice: True\n"
            "*DefaultColorSpace: RGB\n*FileSystem: False\n*Throughput: \"1\"\n"
            "*LandscapeOrientation: Plus90\n*TTRasterizer: Type42\n"
            "*OpenUI *PageSize/Media Size: PickOne\n*OrderDependency: 10 AnySetup *PageSize\n"
            "*DefaultPageSize: A4\n"
            "*PageSize A4/A4: \"<</PageSize[595 842]/ImagingBBox null>>setpagedevice\"\n"
            "*PageSize Letter/US Letter: \"<</PageSize[612 792]/ImagingBBox null>>setpagedevice\"\n"
            "*CloseUI: *PageSize\n"
            "*OpenUI *PageRegion/Media Size: PickOne\n*OrderDependency: 10 AnySetup *PageRegion\n"
            "*DefaultPageRegion: A4\n"
            "*PageRegion A4/A4: \"<</PageSize[595 842]/ImagingBBox null>>setpagedevice\"\n"
            "*PageRegion Letter/US Letter: \"<</PageSize[612 792]/ImagingBBox "
            "null>>setpagedevice\"\n"
            "*CloseUI: *PageRegion\n"
            "*DefaultImageableArea: A4\n*ImageableArea A4/A4: \"12 12 583 830\"\n"
            "*ImageableArea Letter/US Letter: \"9 36 594 765\"\n"
            "*DefaultPaperDimension: A4\n*PaperDimension A4/A4: \"595 842\"\n"
            "*PaperDimension Letter/US Letter: \"612 792\"\n"
            "*DefaultFont: Courier\n*Font Courier: Standard \"(002.004S)\" Standard ROM\n");
    }

    QTemporaryDir dir_{QDir::tempPath() + QStringLiteral("/tessellon-cups-XXXXXX")};
    QProcess cupsd_;
    QString why_;
};

} // namespace tessellon::testing
