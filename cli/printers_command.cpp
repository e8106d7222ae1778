#include "cli/printers_command.h"

#include "printing/print_texts.h"
#include "printing/printer_catalog.h"

#include <QCommandLineParser>

namespace tessellon {

int PrintersCommand::Run(const QStringList& args) {
    QCommandLineParser p;
    if (const auto done = Parse(p, args,
                                QStringLiteral("Usage: tessellon-cli printers\n"
                                               "Lists the printers (the default marked with *) "
                                               "and the papers of each.\n")))
        return *done;
    if (!p.positionalArguments().isEmpty())
        return Fail(QStringLiteral("printers takes no arguments (see --help)"));
    const std::vector<PrinterEntry> printers = PrinterCatalog::Printers();
    if (printers.empty())
        return Fail(PrintTexts::NoPrinter(), kExitFailed);
    for (const PrinterEntry& printer : printers) {
        out_ << (printer.isDefault ? "* " : "  ") << printer.name
             << (printer.stopped ? "\t(stopped)" : "") << '\n';
        for (const PrinterPaper& paper : printer.papers) {
            const bool isDefault = printer.defaultPaper && printer.defaultPaper->key == paper.key;
            out_ << "    " << paper.key << '\t' << PrintTexts::PaperText(paper.name, paper.points)
                 << (isDefault ? "\t*" : "") << '\n';
        }
    }
    out_.flush();
    return kExitOk;
}

} // namespace tessellon
