#include "printing/cups_queue.h"

#include "printing/print_texts.h"

#if TESSELLON_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace tessellon {

bool CupsQueue::Available() {
    return TESSELLON_HAVE_CUPS;
}

Result<int> CupsQueue::SubmitPdf(const QString& printer, const QString& path, const QString& title,
                                 int copies, const QString& media) {
#if TESSELLON_HAVE_CUPS
    cups_option_t* options = nullptr;
    int count = 0;
    const QByteArray copiesText = QByteArray::number(copies);
    count = cupsAddOption("copies", copiesText.constData(), count, &options);
    count = cupsAddOption("collate", "true", count, &options);
    // The sheets are the paper: never fit, shrink or centre them.
    count = cupsAddOption("print-scaling", "none", count, &options);
    count = cupsAddOption("fit-to-page", "false", count, &options);
    const QByteArray mediaText = media.toUtf8();
    if (!media.isEmpty())
        count = cupsAddOption("media", mediaText.constData(), count, &options);
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(),
                       path.toLocal8Bit().constData(), title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job <= 0)
        return Result<>::Fail(
            PrintTexts::Refused(printer, QString::fromUtf8(cupsLastErrorString())));
    return job;
#else
    Q_UNUSED(path);
    Q_UNUSED(title);
    Q_UNUSED(copies);
    Q_UNUSED(media);
    return Result<>::Fail(PrintTexts::Refused(printer, QStringLiteral("CUPS is not available")));
#endif
}

} // namespace tessellon
