#include "printing/paper_fit.h"

#include "printing/print_texts.h"

namespace tessellon {

std::optional<UserMessage> PaperFit::Check(QSizeF sheet, const QString& sheetName,
                                           const PrinterPaper& paper) {
    PrinterEntry one;
    one.papers.push_back(paper);
    if (PrinterCatalog::Matching(one, sheet))
        return std::nullopt;
    return UserMessage{PrintTexts::MismatchTitle(),
                       PrintTexts::Mismatch(PrintTexts::PaperText(sheetName, sheet),
                                            PrintTexts::PaperText(paper.name, paper.points))};
}

} // namespace tessellon
