#include "app/frm_main.h"
#include "app/qt_message_service.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("QuillmarkSoftware"));
    QApplication::setApplicationName(QStringLiteral("Tessellon"));
    QApplication::setApplicationVersion(QStringLiteral(TESSELLON_VERSION));
    tessellon::QtMessageService messages;
    tessellon::frmMain window(messages);
    messages.SetParent(&window);
    window.resize(900, 640);
    window.show();
    return app.exec();
}
