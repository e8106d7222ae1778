#pragma once

#include <QList>
#include <QString>
#include <QTranslator>

namespace tessellon {

// The language of the windows: the system's unless the user chose one. Installing a language
// installs the program's translation and Qt's own (standard buttons and dialogs), and makes the
// language's locale the default, so shown numbers take its decimal separator; every widget then
// receives QEvent::LanguageChange. Stored values never depend on it.
class LanguageSwitcher {
public:
    struct Language {
        QString code; // "de", "pt_BR"; "en" for the source texts
        QString name; // in the language itself: "Deutsch", "Polski"
    };

    // English and every language built into the program, by name.
    static QList<Language> Available();

    LanguageSwitcher() = default;
    LanguageSwitcher(const LanguageSwitcher&) = delete;
    LanguageSwitcher& operator=(const LanguageSwitcher&) = delete;
    ~LanguageSwitcher();

    // `code` "" follows the system (QLocale::system()'s languages, LANGUAGE and LANG on Linux).
    // Returns the code of the language now in effect ("en" when none of the system's matched).
    QString Apply(const QString& code);

private:
    void Remove();

    QTranslator own_;
    QTranslator qt_;
    bool installed_ = false;
};

} // namespace tessellon
