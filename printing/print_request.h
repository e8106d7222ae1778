#pragma once

#include "print/assembly_aids.h"
#include "printing/printer_catalog.h"

#include <QString>

#include <optional>
#include <vector>

namespace tessellon {

// How the sheets reach the printer: as the very PDF the export writes, handed to the print
// system (CUPS takes PDF as it is), or drawn page by page with a QPainter on a QPrinter (the
// portable way).
enum class PrintPath { Document, Painter };

// What printing does when the printer's paper is not the poster's. The job never asks: the
// caller asks the user and prints again with Accept.
enum class PaperPolicy {
    Refuse, // send nothing and report both sizes
    Accept, // print at actual size all the same
};

// What the print dialog (or the command line) says about a print.
struct PrintRequest {
    QString printer; // empty: the default printer
    // The printer's paper as chosen in the print dialog; empty: the one the poster needs.
    std::optional<PrinterPaper> paperChoice;
    std::vector<int> sheets; // tiles to print (from 0, in tile order); empty: all
    int copies = 1;
    AssemblyAids aids = {}; // the overview page prints with the whole poster only
    PrintPath path = PrintPath::Document;
    PaperPolicy paper = PaperPolicy::Refuse;
    QString title; // the job's name in the queue
};

} // namespace tessellon
