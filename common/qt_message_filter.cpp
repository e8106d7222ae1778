#include "common/qt_message_filter.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstring>

namespace tessellon {
namespace {

bool IsEnvironmentNoise(QtMsgType type, const char* category, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
        return false;
    if (category && std::strncmp(category, "qt.", 3) == 0)
        return true;
    return message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set");
}

void FilteredHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (IsEnvironmentNoise(type, context.category, message))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    std::fflush(stderr);
}

} // namespace

void QtMessageFilter::Install() {
    if (qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        return;
    qInstallMessageHandler(FilteredHandler);
}

} // namespace tessellon
