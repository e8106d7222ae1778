#pragma once

#include "cli/cli_command.h"
#include "export/tile_saver.h"

#include <QStringList>
#include <QTextStream>

namespace tessellon {

class SettingsStore;

// `tessellon-cli export IMAGE [poster options] --out FOLDER [--base NAME] [--format jpg|tif|bmp]
// [--yes]`: writes the poster's tile files exactly as the application's "Save Images Now".
// Exit statuses: kExitFailed when the save itself fails, kExitUsage for bad arguments or input,
// or a refused folder.
class ExportCommand : public CliCommand {
public:
    // `showProgress`: draw a progress bar on `err` while the tiles are written.
    // `settings` locates the default edge profile file; null means the user's real settings.
    ExportCommand(QTextStream& out, QTextStream& err, bool showProgress,
                  const SettingsStore* settings = nullptr)
        : CliCommand(out, err), showProgress_(showProgress), settings_(settings) {}

    // args[0] is the program name, the rest follows the command word.
    int Run(const QStringList& args);
    // Replaces what makes each tile (see TileSaver::SetRenderFunction).
    void SetRenderFunction(TileSaver::RenderFunction render) { render_ = std::move(render); }

    static QString HelpText();

private:
    int RunUnguarded(const QStringList& args);

    bool showProgress_;
    const SettingsStore* settings_;
    TileSaver::RenderFunction render_;
};

} // namespace tessellon
