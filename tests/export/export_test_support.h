#pragma once

// Helpers shared by the export tests: pattern images, posters from option lists, and a
// progress window that records what it is told.

#include "cli/cli_app.h"
#include "export/imaging.h"
#include "export/save_progress.h"
#include "layout/poster_state.h"

#include <QCommandLineParser>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace tessellon::testing {

// Every pixel different from its neighbours: red = x, green = y, blue = x * 7 + y * 13.
inline PixelArray PatternPixels(int w, int h) {
    PixelArray p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            p.Set(0, x, y, static_cast<std::uint8_t>(x));
            p.Set(1, x, y, static_cast<std::uint8_t>(y));
            p.Set(2, x, y, static_cast<std::uint8_t>(x * 7 + y * 13));
        }
    return p;
}

inline ImageObject PatternImage(int w, int h) {
    ImageObject img;
    if (!img.LoadPixels(PatternPixels(w, h)))
        return {};
    return img;
}

// A poster built from command-line style options for an image of that size.
inline std::optional<PosterState> Poster(const QStringList& options, const QString& size) {
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    CliApp::AddPosterOptions(p);
    if (!p.parse(QStringList{QStringLiteral("test")} + options))
        return std::nullopt;
    PosterState poster;
    if (CliApp::BuildPoster(p, size, poster))
        return std::nullopt;
    return poster;
}

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Records every call; reports the cancel button pressed from the `cancelAtCheck`-th question
// on (1-based; 0 never).
class RecordingProgress : public SaveProgress {
public:
    explicit RecordingProgress(int cancelAtCheck = 0) : cancelAt_(cancelAtCheck) {}

    void ShowProgressBar(const QString& sMsg) override {
        shown.append(sMsg);
        canceled_ = false;
    }
    void SetProgressVal(double dProg) override { values.append(dProg); }
    bool Canceled() const override {
        ++checks_;
        return canceled_ || (cancelAt_ > 0 && checks_ >= cancelAt_);
    }
    void CloseProgress() override { ++closed; }
    void ShowSaveOkMsg(const QString& sFolderName) override { okFolders.append(sFolderName); }

    QStringList shown;
    QList<double> values;
    int closed = 0;
    QStringList okFolders;

private:
    int cancelAt_;
    mutable int checks_ = 0;
    bool canceled_ = false;
};

} // namespace tessellon::testing
