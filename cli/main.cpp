#include "cli/cli_app.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("QuillmarkSoftware"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessellon"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    tessellon::CliApp cli(out, err);
    return cli.Run(QCoreApplication::arguments());
}
