// The windows in other languages: every text a window shows passes through the translator
// under a context the translation files hold, a chosen language changes the open window at
// once, and German and Polish show their own words and decimal comma while storing exactly
// what an English run stores.
#include "app/dialog_host.h"
#include "app/frm_about.h"
#include "app/frm_btm.h"
#include "app/frm_main.h"
#include "app/frm_poster_size.h"
#include "app/frm_save_tiles.h"
#include "app/frm_tile_size.h"
#include "app/language_switcher.h"
#include "app/sys_info_window.h"
#include "tests/app/app_test_support.h"
#include "tests/support/memory_settings_store.h"

#include <QXmlStreamReader>

#include <set>

using namespace tessellon;
using namespace tessellon::testing;

namespace {

const QString kOpen = QStringLiteral("\u00ab");

// Answers every text with the text between guillemets and notes what it was asked, so that a
// text shown without the marks never passed through the translator.
class MarkingTranslator : public QTranslator {
public:
    mutable std::set<std::pair<QString, QString>> asked;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        asked.emplace(QString::fromUtf8(context), QString::fromUtf8(source));
        return kOpen + QString::fromUtf8(source) + QStringLiteral("\u00bb");
    }
};

// Every (context, source) pair a translation file holds.
std::set<std::pair<QString, QString>> TranslationEntries(const QString& path) {
    std::set<std::pair<QString, QString>> entries;
    QFile file(path);
    QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    QString context;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == u"source")
            entries.emplace(context, xml.readElementText());
    return entries;
}

// The texts under `root` a person sees (labels, buttons, titles, list entries, tool tips,
// menus) that did not pass through the translator. Files, folders and drives and the language
// names are the user's or the languages' own.
QStringList Unmarked(QWidget* root) {
    static const QStringList ownNames{"lstFiles",    "Dir1",          "Drive1",
                                      "lblFileName", "lblFolder",     "lblPath",
                                      "txtBase",     "lblSaveFolder", "drvTile"};
    // Texts that hold no words: numbers, sizes, percentages, signs, the resolution's unit.
    static const QRegularExpression withoutWords(
        QStringLiteral("^([\\d\\s.,:;x×%/()+\\-\"'°<>]|dpi|ppi)*$"));
    QStringList found;
    const auto check = [&](const QObject* o, const QString& what, const QString& text) {
        if (text.isEmpty() || withoutWords.match(text).hasMatch() || text.contains(kOpen) ||
            ownNames.contains(o->objectName()) ||
            o->objectName().startsWith(QStringLiteral("mnuLanguage_")))
            return;
        found.append(o->objectName() + u'.' + what + QStringLiteral(": ") + text);
    };
    for (QWidget* w : QList<QWidget*>{root} + root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root) && w != root)
            continue;
        if (w->isWindow())
            check(w, QStringLiteral("title"), w->windowTitle());
        check(w, QStringLiteral("toolTip"), w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            check(w, QStringLiteral("text"), label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            check(w, QStringLiteral("text"), button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            check(w, QStringLiteral("title"), group->title());
        else if (auto* box = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < box->count(); ++i)
                check(w, QStringLiteral("item"), box->itemText(i));
        }
        for (QAction* a : w->actions()) {
            check(a, QStringLiteral("text"), a->text());
            if (a->menu())
                check(a->menu(), QStringLiteral("title"), a->menu()->title());
        }
    }
    return found;
}

// The labels, buttons and group titles under `root` whose text does not fit the room the
// window gives them (a layout sized for a shorter text cuts the rest off).
QStringList CutOff(QWidget* root) {
    QStringList found;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root) || w->width() <= 0)
            continue;
        QString text;
        bool fits = true;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            if (text.isEmpty() || label->textFormat() == Qt::RichText || !label->pixmap().isNull())
                continue;
            fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                     : label->sizeHint().width() <= label->width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
            fits = text.isEmpty() || button->sizeHint().width() <= button->width();
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            text = group->title();
            fits = group->fontMetrics().horizontalAdvance(QString(text).remove(u'&')) + 16 <=
                   group->width();
        }
        if (!fits)
            found.append(root->objectName() + u'/' + w->objectName() + QStringLiteral(": ") + text);
    }
    return found;
}

void SaveImage(const QString& path, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(90, 140, 200));
    QVERIFY(img.save(path));
}

} // namespace

class TstLanguage : public QObject {
    Q_OBJECT

    RecordingMessageService messages;
    MemorySettingsStore store;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmMain> w;
    std::unique_ptr<DialogHost> host;

    // A window on a fresh store with a 600 x 400 photo in its folder, the photo loaded.
    void Start() {
        store.Clear();
        if (!dir) {
            dir = std::make_unique<QTemporaryDir>();
            SaveImage(dir->filePath(QStringLiteral("photo.bmp")), 600, 400);
            QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("app")));
        }
        store.SavePref(PrefValue::AppDir, dir->filePath(QStringLiteral("app")));
        store.SavePref(PrefValue::LastFolder, dir->path());
        w = std::make_unique<frmMain>(store, messages);
        w->Form_Load();
        host = std::make_unique<DialogHost>(*w, store, messages);
        w->resize(1180, 760);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY(w->OpenImageFile(dir->filePath(QStringLiteral("photo.bmp"))));
    }
    void Stop() {
        host.reset();
        w.reset();
    }
    // The same steps in every language: a photo, 3 x 2 tiles, the sheets turned, Letter paper
    // with a quarter inch of overlap typed as the language writes it.
    void Work() {
        Find<QComboBox>(*w, "cmbTilesWide")->setCurrentIndex(2);
        Find<QComboBox>(*w, "cmbTilesHigh")->setCurrentIndex(1);
        Find<QCheckBox>(*w, "chkRotateTiles")->click();
        WhenModal<frmTileSize>([](frmTileSize* d) {
            Find<QListWidget>(*d, "lstPaperSize")->setCurrentRow(3);
            auto* overlap = Find<QLineEdit>(*d, "txtOverlap");
            overlap->setText(QStringLiteral("0") + QLocale().decimalPoint() + QStringLiteral("25"));
            emit overlap->textEdited(overlap->text());
            Click(*d, "cmdOk");
        });
        host->ShowPaperDialog();
        QVERIFY(store.GetPref(PrefValue::PaperRegLine).contains(QStringLiteral("|Letter 8.5")));
        QCOMPARE(store.GetPref(PrefValue::Overlap), QStringLiteral("2500"));
    }
    // Opens each window over the main window in turn and hands it to `visit` with its name.
    void EachWindow(const std::function<void(QWidget*, const QString&)>& visit) {
        visit(w.get(), QStringLiteral("main"));
        WhenModal<frmTileSize>([&](frmTileSize* d) {
            visit(d, QStringLiteral("paper"));
            d->reject();
        });
        host->ShowPaperDialog();
        WhenModal<frmPosterSize>([&](frmPosterSize* d) {
            visit(d, QStringLiteral("poster_size"));
            d->reject();
        });
        host->ShowPosterSizeDialog();
        WhenModal<frmBtm>([&](frmBtm* d) {
            visit(d, QStringLiteral("edge"));
            d->close();
        });
        host->ShowEdgeDialog(false);
        host->ShowSaveDialog();
        QTRY_VERIFY(host->SaveDialog());
        visit(host->SaveDialog(), QStringLiteral("save"));
        host->CloseSaveDialog();
        host->ShowAbout();
        QTRY_VERIFY(host->About());
        visit(host->About(), QStringLiteral("about"));
    }
    QMap<QString, QString> StoredValues() const {
        QMap<QString, QString> values;
        for (int v = int(PrefValue::LastFolder); v <= int(PrefValue::Language); ++v)
            values[PrefValueName(PrefValue(v))] = store.GetPref(PrefValue(v));
        return values;
    }

private slots:
    void cleanup() {
        Stop();
        messages.Clear();
        dir.reset();
    }

    // Each window with a translator that marks what it translates: whatever shows unmarked
    // never reached the translator, and every text asked for is in the translation files under
    // the context the code asks with (so lupdate sees it).
    void everyShownTextIsTranslatable() {
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        auto removeMarking = qScopeGuard([&] { QCoreApplication::removeTranslator(&marking); });
        Start();
        QStringList unmarked = Unmarked(w.get());
        Work();
        EachWindow([&](QWidget* window, const QString&) { unmarked += Unmarked(window); });
        // A message: an image too small for a poster.
        SaveImage(dir->filePath(QStringLiteral("tiny.bmp")), 10, 10);
        QVERIFY(!w->OpenImageFile(dir->filePath(QStringLiteral("tiny.bmp"))));
        QVERIFY(!messages.Messages().isEmpty());
        for (const auto& m : messages.Messages())
            for (const QString& text : {m.title, m.text})
                if (!text.isEmpty() && !text.contains(kOpen))
                    unmarked.append(text);
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(u'\n')));

        const auto entries = TranslationEntries(QStringLiteral(TESSELLON_SOURCE_DIR) +
                                                QStringLiteral("/translations/tessellon_de.ts"));
        QVERIFY(entries.size() > 400);
        QStringList unknown;
        for (const auto& [context, source] : marking.asked) {
            // Qt's own contexts (QPlatformTheme, QShortcut ...) are translated by Qt's files.
            const bool qts = context.size() > 1 && context[0] == u'Q' && context[1].isUpper();
            if (!qts && !entries.count({context, source}))
                unknown.append(context + QStringLiteral(": ") + source);
        }
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(u'\n')));
    }

    // The same work in English and in the language: its words in the main window, a message
    // and the save window, the decimal comma in the poster's size, and the very same stored
    // values. Then View > Language turns the open window at once, to the system's language
    // (English here: the tests run in the C locale) and back, storing the choice and nothing
    // else. Expected words are the translation files' own.
    void languageRuns_data() {
        QTest::addColumn<QString>("code");
        // "Size", "&View", "inches" after the poster's size, "Save Poster Image Files", "Assembly
        // Aids", Qt's own "Cancel" button, "Invalid Image File Selected", between bars.
        QTest::addColumn<QString>("bars");
        QTest::newRow("German") << "de"
                                << "Größe|&Ansicht|Zoll|Posterbilddateien speichern|Montagehilfen|"
                                   "Abbrechen|Ungültige Bilddatei ausgewählt";
        QTest::newRow("Polish") << "pl"
                                << "Rozmiar|&Widok|cala|Zapisz pliki obrazów plakatu|Pomoce do "
                                   "składania|Anuluj|Wybrano nieprawidłowy plik obrazu";
    }
    void languageRuns() {
        QFETCH(QString, code);
        QFETCH(QString, bars);
        const QStringList words = bars.split(u'|');
        Start();
        Work();
        const auto english = StoredValues();
        const QString englishSize = Text(*w, "lblFinalSize");
        QVERIFY(englishSize.endsWith(QStringLiteral(" inches")) && englishSize.contains(u'.'));
        const QString size =
            QString(englishSize).replace(u'.', u',').replace(QStringLiteral("inches"), words[2]);
        Stop();

        LanguageSwitcher languages;
        QCOMPARE(languages.Apply(code), code);
        auto back = qScopeGuard([&] { languages.Apply(QStringLiteral("en")); });
        Start();
        Work();
        const auto shown = [&] {
            return QStringList{Text(*w, "lblSizeCaption"), Find<QMenu>(*w, "mnuView")->title(),
                               Text(*w, "lblFinalSize")};
        };
        QCOMPARE(shown(), (QStringList{words[0], words[1], size}));
        host->ShowSaveDialog();
        QTRY_VERIFY(host->SaveDialog());
        // Qt's dialogs and standard buttons speak the language too.
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE((QStringList{host->SaveDialog()->windowTitle(),
                              Find<QGroupBox>(*host->SaveDialog(), "fraAids")->title(),
                              buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&')}),
                 words.mid(3, 3));
        host->CloseSaveDialog();
        QCOMPARE(StoredValues(), english);
        // An image too small for a poster: the message in the language.
        messages.Clear();
        SaveImage(dir->filePath(QStringLiteral("tiny.bmp")), 10, 10);
        QVERIFY(!w->OpenImageFile(dir->filePath(QStringLiteral("tiny.bmp"))));
        QVERIFY2(Titles(messages).contains(words[6]), qPrintable(Titles(messages).join(u'|')));

        host->SetLanguages(languages);
        QVERIFY(Find<QAction>(*w, "mnuSystemLanguage")->isChecked());
        Find<QAction>(*w, "mnuSystemLanguage")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(shown(), (QStringList{"Size", "&View", englishSize}));
        QCOMPARE(StoredValues(), english);
        auto* chosen = Find<QAction>(*w, qPrintable(QStringLiteral("mnuLanguage_") + code));
        chosen->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(shown(), (QStringList{words[0], words[1], size}));
        QVERIFY(chosen->isChecked());
        auto stored = StoredValues();
        QCOMPARE(stored.take(PrefValueName(PrefValue::Language)), code);
        auto expected = english;
        expected.remove(PrefValueName(PrefValue::Language));
        QCOMPARE(stored, expected);
    }

    // Every language's texts fit their windows: the windows are sized by their layouts, not by
    // the English texts. (Run again at 200 % scaling by the test list.)
    void nothingCutOff_data() {
        QTest::addColumn<QString>("code");
        for (const auto& language : LanguageSwitcher::Available())
            QTest::newRow(qPrintable(language.code)) << language.code;
    }
    void nothingCutOff() {
        QFETCH(QString, code);
        LanguageSwitcher languages;
        QCOMPARE(languages.Apply(code), code);
        auto back = qScopeGuard([&] { languages.Apply(QStringLiteral("en")); });
        Start();
        Work();
        QStringList cut;
        EachWindow([&](QWidget* window, const QString& name) {
            QCoreApplication::processEvents();
            Shot(window, name + u'_' + code);
            cut += CutOff(window);
        });
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }
};

QTEST_MAIN(TstLanguage)
#include "tst_language.moc"
