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
const QString kClose = QStringLiteral("\u00bb");

// Answers every text with the text between guillemets and notes what it was asked, so that a
// text shown without the marks never passed through the translator.
class MarkingTranslator : public QTranslator {
public:
    mutable std::set<std::pair<QString, QString>> asked;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        asked.emplace(QString::fromUtf8(context), QString::fromUtf8(source));
        return kOpen + QString::fromUtf8(source) + kClose;
    }
};

// Every (context, source) pair a translation file holds.
std::set<std::pair<QString, QString>> TranslationEntries(const QString& path) {
    std::set<std::pair<QString, QString>> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            entries.emplace(context, xml.readElementText());
        else if (xml.name() != u"TS" && xml.name() != u"context" && xml.name() != u"message")
            xml.skipCurrentElement();
    }
    return entries;
}

// Texts that hold no words: numbers, sizes, percentages, signs, the resolution's unit.
bool WithoutWords(const QString& text) {
    static const QRegularExpression numbers(
        QStringLiteral("^([\\d\\s.,:;x×%/()+\\-\"'°<>]|dpi|ppi)*$"));
    return numbers.match(text).hasMatch();
}

// The texts under `root` a person sees (labels, buttons, titles, list entries, tool tips,
// menus) that did not pass through the translator. Lists of files, folders and papers and the
// language names are the user's or the languages' own.
QStringList Unmarked(QWidget* root) {
    static const QStringList ownNames{"lstFiles", "Dir1",     "Drive1",        "lblPaperName",
                                      "lstPaper", "cmbPaper", "lblFileName",   "lblFolder",
                                      "lblPath",  "txtBase",  "lblSaveFolder", "drvTile"};
    QStringList found;
    const auto check = [&](const QObject* o, const QString& what, const QString& text) {
        if (text.isEmpty() || WithoutWords(text) || text.contains(kOpen) ||
            ownNames.contains(o->objectName()) ||
            o->objectName().startsWith(QStringLiteral("mnuLanguage_")))
            return;
        found.append(o->objectName() + u'.' + what + QStringLiteral(": ") + text);
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
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

QStringList Unmarked(const RecordingMessageService& messages) {
    QStringList found;
    for (const auto& m : messages.Messages())
        for (const QString& text : {m.title, m.text})
            if (!text.isEmpty() && !text.contains(kOpen))
                found.append(text);
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
        dir = std::make_unique<QTemporaryDir>();
        SaveImage(dir->filePath(QStringLiteral("photo.bmp")), 600, 400);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("app")));
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
    // The same steps in every language: a photo, 3 x 2 tiles, the sheets turned.
    void Work() {
        Find<QComboBox>(*w, "cmbTilesWide")->setCurrentIndex(2);
        Find<QComboBox>(*w, "cmbTilesHigh")->setCurrentIndex(1);
        Find<QCheckBox>(*w, "chkRotateTiles")->click();
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
        unmarked += Unmarked(w.get());
        WhenModal<frmTileSize>([&](frmTileSize* d) {
            unmarked += Unmarked(d);
            d->reject();
        });
        host->ShowPaperDialog();
        WhenModal<frmPosterSize>([&](frmPosterSize* d) {
            unmarked += Unmarked(d);
            d->reject();
        });
        host->ShowPosterSizeDialog();
        WhenModal<frmBtm>([&](frmBtm* d) {
            unmarked += Unmarked(d);
            d->close();
        });
        host->ShowEdgeDialog(false);
        host->ShowSaveDialog();
        QTRY_VERIFY(host->SaveDialog());
        unmarked += Unmarked(host->SaveDialog());
        host->CloseSaveDialog();
        host->ShowAbout();
        QTRY_VERIFY(host->About());
        unmarked += Unmarked(host->About());
        // A message: a file that is not an image.
        QFile broken(dir->filePath(QStringLiteral("broken.jpg")));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a picture") > 0);
        broken.close();
        w->OpenImageFile(broken.fileName());
        QVERIFY(!messages.Messages().isEmpty() || !w->LoadErrorText().isEmpty());
        unmarked += Unmarked(messages);
        if (!w->LoadErrorText().isEmpty() && !w->LoadErrorText().contains(kOpen))
            unmarked += w->LoadErrorText();
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
};

QTEST_MAIN(TstLanguage)
#include "tst_language.moc"
