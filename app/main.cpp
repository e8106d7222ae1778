#include "app/dialog_host.h"
#include "app/frm_main.h"
#include "app/language_switcher.h"
#include "app/qt_message_service.h"
#include "common/qt_message_filter.h"
#include "imaging/pixel_array.h"
#include "settings/qsettings_store.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>

namespace {

// --help and --version answer before any window system is needed, so they also work without
// a display. Every other argument is left to Qt and the window.
bool AnswerInfoOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("tessellon %s\n", TESSELLON_VERSION);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: tessellon [options] [FILE]\n"
                        "Turns one photograph into a poster of printed tiles.\n"
                        "\n"
                        "  FILE          An image to open at start: JPEG, TIFF, BMP, PNG, WebP,\n"
                        "                HEIC (HEIF) or AVIF.\n"
                        "\n"
                        "Options:\n"
                        "  --help, -h    Show this text.\n"
                        "  --version     Show the program's version.\n"
                        "\n"
                        "Qt's own options (such as -platform and -style) are accepted too.\n"
                        "tessellon-cli does the same work from the command line.\n");
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (AnswerInfoOption(argc, argv))
        return 0;
    tessellon::PixelArray::ShareArenasUnderLimit();
    tessellon::QtMessageFilter::Install();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("QuillmarkSoftware"));
    QApplication::setApplicationName(QStringLiteral("Tessellon"));
    QApplication::setApplicationVersion(QStringLiteral(TESSELLON_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quillmarksoftware.Tessellon"));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("tessellon"), QIcon(QStringLiteral(":/icons/256x256/tessellon.png"))));
    tessellon::QSettingsStore settings;
    // The language is in place before the first window is built.
    tessellon::LanguageSwitcher languages;
    languages.Apply(settings.GetPref(tessellon::PrefValue::Language));
    tessellon::QtMessageService messages;
    tessellon::frmMain window(settings, messages);
    messages.SetParent(&window);
    // Closing the main window ends the program, even while other windows are still around.
    QObject::connect(&window, &tessellon::frmMain::unloaded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.Form_Load();
    tessellon::DialogHost dialogs(window, settings, messages);
    dialogs.SetLanguages(languages);
    window.resize(1180, 760);
    window.show();
    // `tessellon FILE` (also a desktop's "Open with") opens FILE at once.
    window.OpenStartFile(QApplication::arguments());
    return app.exec();
}
