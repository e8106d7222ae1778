#include "cli/cli_app.h"
#include "common/qt_message_filter.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // The test target's caption needs a font engine, hence a GUI application; it never opens a
    // window, so it runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // stderr carries the program's own lines only.
    tessellon::QtMessageFilter::Install();
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("QuillmarkSoftware"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessellon"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    tessellon::CliApp cli(out, err);
    return cli.Run(QCoreApplication::arguments());
}
