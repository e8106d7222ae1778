#include "cli/cli_app.h"
#include "common/qt_message_filter.h"
#include "imaging/pixel_array.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <new>

#include <fcntl.h>
#include <unistd.h>

int main(int argc, char** argv) {
    tessellon::PixelArray::ShareArenasUnderLimit();
    // Libraries (libtiff, the JPEG decoder, Qt itself) print their own lines on the standard
    // error. The tool's messages go to a copy of it; what the libraries see is /dev/null.
    const int ownErr = dup(STDERR_FILENO);
    if (ownErr >= 0) {
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) {
            dup2(devNull, STDERR_FILENO);
            close(devNull);
        }
    }
    const int errFd = ownErr >= 0 ? ownErr : STDERR_FILENO;

    // The test target's caption needs a font engine, hence a GUI application; it never opens a
    // window, so it runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // stderr carries the program's own lines only.
    tessellon::QtMessageFilter::Install();
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("QuillmarkSoftware"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessellon"));
    QFile errFile;
    if (!errFile.open(errFd, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 1;
    QTextStream out(stdout);
    QTextStream err(&errFile);
    tessellon::CliApp cli(out, err);
    cli.SetErrIsTerminal(isatty(errFd) != 0);
    try {
        return cli.Run(QCoreApplication::arguments());
    } catch (const std::bad_alloc&) {
        err << "Not enough memory" << Qt::endl;
    } catch (const std::exception& e) {
        err << tessellon::CliApp::OneLine(QString::fromLocal8Bit(e.what())) << Qt::endl;
    }
    return 1;
}
