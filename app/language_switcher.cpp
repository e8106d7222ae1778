#include "app/language_switcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

#include <algorithm>

namespace tessellon {
namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("tessellon_");

QString NameOf(const QString& code) {
    const QLocale locale(code);
    QString name = locale.nativeLanguageName();
    // Brazilian Portuguese is told apart from the European one by its country.
    if (locale.territory() != QLocale::AnyTerritory && code.contains(u'_'))
        name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

} // namespace

QList<LanguageSwitcher::Language> LanguageSwitcher::Available() {
    QList<Language> list{{QStringLiteral("en"), QStringLiteral("English")}};
    const QStringList files =
        QDir(kFolder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString& file : files) {
        const QString code = file.mid(kPrefix.size()).chopped(3);
        list.append({code, NameOf(code)});
    }
    std::sort(list.begin(), list.end(), [](const Language& a, const Language& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return list;
}

LanguageSwitcher::~LanguageSwitcher() {
    Remove();
}

void LanguageSwitcher::Remove() {
    if (!installed_)
        return;
    QCoreApplication::removeTranslator(&own_);
    QCoreApplication::removeTranslator(&qt_);
    installed_ = false;
}

QString LanguageSwitcher::Apply(const QString& code) {
    Remove();
    // "" searches the system's languages (LANGUAGE may list several) as QTranslator does.
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    const bool loaded =
        own_.load(locale, QStringLiteral("tessellon"), QStringLiteral("_"), kFolder);
    // Qt's own texts where Qt has the language (a missing one leaves its English).
    if (loaded)
        (void)qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QLocale::setDefault(locale);
    QString current = QStringLiteral("en");
    if (loaded) {
        // The file found names the language: ":/i18n/tessellon_de.qm".
        current = QFileInfo(own_.filePath()).completeBaseName().mid(kPrefix.size());
        // Qt's translation first, so the program's own texts win where both have one.
        QCoreApplication::installTranslator(&qt_);
        QCoreApplication::installTranslator(&own_);
        installed_ = true;
    }
    // Qt announces a new translator only once its event loop runs; the windows built before
    // (and a change back to English, which installs nothing) learn of it here.
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    return current;
}

} // namespace tessellon
