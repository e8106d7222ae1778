#pragma once

#include "app/print_dialog_service.h"

namespace tessellon {

// The platform's print dialog (QPrintDialog) set up for the poster: its paper and orientation,
// the whole page without margins or scaling, copies, and a "Sheets" tab that names the sheets
// as their labels do.
class QtPrintDialogService : public PrintDialogService {
public:
    std::optional<PrintChoice> Ask(QWidget* parent, const PrintSetup& setup) override;
};

} // namespace tessellon
