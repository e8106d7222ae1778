#include "printing/print_texts.h"

#include "common/number_format.h"

namespace tessellon {

QString PrintTexts::Mismatch(const QString& sheet, const QString& paper) {
    return tr("The poster's sheets are %1, but the printer's paper is %2. Printed on it, every "
              "sheet would be cut off or moved, and Tessellon never shrinks a sheet to fit: the "
              "poster would not line up.")
        .arg(sheet, paper);
}

QString PrintTexts::PaperText(const QString& name, QSizeF points) {
    const auto mm = [](double pt) { return FormatNumber(pt / 72 * 25.4, QStringLiteral("0.0")); };
    const auto in = [](double pt) { return FormatNumber(pt / 72, QStringLiteral("0.00")); };
    const QString size =
        tr("%1 x %2 mm, %3 x %4 in")
            .arg(mm(points.width()), mm(points.height()), in(points.width()), in(points.height()));
    return name.isEmpty() ? size : tr("%1 (%2)").arg(name, size);
}

} // namespace tessellon
