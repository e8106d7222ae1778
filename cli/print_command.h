#pragma once

#include "cli/cli_command.h"

#include <QStringList>

namespace tessellon {

class SettingsStore;

// `tessellon-cli print IMAGE [poster options] [--printer NAME] [--sheets LIST] [--copies N]`:
// prints the poster as the window's File > Print does, every sheet the page the PDF export
// makes. Exit statuses as for export: 1 when the printing fails (no printer, the queue stopped
// or refusing the job), 2 for bad input or a paper that differs from the poster's without
// --any-paper.
class PrintCommand : public CliCommand {
public:
    PrintCommand(QTextStream& out, QTextStream& err, const SettingsStore* settings = nullptr)
        : CliCommand(out, err), settings_(settings) {}
    int Run(const QStringList& args);
    static QString HelpText();

private:
    const SettingsStore* settings_;
};

} // namespace tessellon
