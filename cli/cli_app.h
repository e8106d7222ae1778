#pragma once

#include "cli/cli_command.h"
#include "common/result.h"
#include "export/tile_source.h"
#include "imaging/image_file_reader.h"
#include "layout/poster_state.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <optional>

class QCommandLineParser;

namespace tessellon {

class SettingsStore;

// The command-line tool: `info` prints what the main window would show for a poster. Runs
// without any window; every failure is one line on `err` and a non-zero status.
class CliApp : public CliCommand {
public:
    // `settings` locates the default edge profile file; null means the user's real settings.
    CliApp(QTextStream& out, QTextStream& err, const SettingsStore* settings = nullptr)
        : CliCommand(out, err), settings_(settings), errIsTerminal_(StderrIsTerminal()) {}

    // args[0] is the program name.
    int Run(const QStringList& args);
    // Whether `err` is a terminal, where export draws its progress bar (default: stderr's).
    void SetErrIsTerminal(bool terminal) { errIsTerminal_ = terminal; }

    static QString HelpText();

    struct Failure {
        QString message;
        int status = kExitUsage;
    };
    // The options every poster command shares (--tiles, --units, --custom, --margins, ...).
    static void AddPosterOptions(QCommandLineParser& parser);
    // Builds the poster state from the shared options; a failure message otherwise.
    // `imageOrSize` is an image file or a WxH pixel size; with `sizeOnly` it is always a size,
    // even when a file of that name exists. `imageSize`, when given, is the image file's upright
    // size as its header was read already, so that the header is not read again.
    static std::optional<Failure> BuildPoster(const QCommandLineParser& parser,
                                              const QString& imageOrSize, PosterState& poster,
                                              bool sizeOnly = false,
                                              std::optional<QSize> imageSize = std::nullopt);
    // --overlap LENGTH, for the commands that cut the poster (info and export).
    static void AddOverlapOption(QCommandLineParser& parser);
    // Sets the overlap from --overlap, in the poster's unit; run after the edge trims are set,
    // as the strip may be at most half the (trimmed) tile print size.
    static Result<> ApplyOverlap(const QCommandLineParser& parser, PosterState& poster);
    // --size, --width, --height, --max-sheets, --whole-photo and --fit (info and export).
    static void AddArrangementOptions(QCommandLineParser& parser);
    // Chooses the tile counts and the sheet turn from those options, as the poster size window
    // and "Fit Photo" do, and names the choice on `err`; nothing without them. Run after the
    // overlap and the edge trims are set. Fails when no arrangement reaches the request.
    static Result<> ApplyArrangement(const QCommandLineParser& parser, PosterState& poster,
                                     QTextStream& err);
    // Writes the four labels, the tile table and the photo shown exactly as `info` prints
    // them.
    static Result<> PrintInfo(const PosterState& poster, QTextStream& out);
    // The photo at `path` read a band of rows at a time while its tiles are cut, where it can
    // be: a JPEG upright as stored or a plain TIFF in strips (`header` says so) that the poster
    // does not turn. Null when it is to be decoded whole.
    static std::unique_ptr<TileSource>
    BandedSource(const QString& path, const ImageFileReader& header, const PosterState& poster);

private:
    static bool StderrIsTerminal();
    int Info(const QStringList& args);
    int Papers(const QStringList& args);
    int Profiles(const QStringList& args);

    const SettingsStore* settings_;
    bool errIsTerminal_;
};

} // namespace tessellon
