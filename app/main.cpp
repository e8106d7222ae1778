#include "app/dialog_host.h"
#include "app/frm_main.h"
#include "app/qt_message_service.h"
#include "settings/qsettings_store.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("QuillmarkSoftware"));
    QApplication::setApplicationName(QStringLiteral("Tessellon"));
    QApplication::setApplicationVersion(QStringLiteral(TESSELLON_VERSION));
    tessellon::QSettingsStore settings;
    tessellon::QtMessageService messages;
    tessellon::frmMain window(settings, messages);
    messages.SetParent(&window);
    // Closing the main window ends the program, even while other windows are still around.
    QObject::connect(&window, &tessellon::frmMain::unloaded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.Form_Load();
    tessellon::DialogHost dialogs(window, settings, messages);
    window.resize(1180, 760);
    window.show();
    // `tessellon FILE` (also a desktop's "Open with") opens FILE at once.
    window.OpenStartFile(QApplication::arguments());
    return app.exec();
}
