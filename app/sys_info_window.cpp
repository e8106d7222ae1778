#include "app/sys_info_window.h"

#include "app/system_info.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace tessellon {
namespace {} // namespace

SysInfoWindow::SysInfoWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSysInfo"));
    setWindowTitle(QCoreApplication::translate("SysInfoWindow", "System Information"));

    txtInfo = new QPlainTextEdit(this);
    txtInfo->setObjectName(QStringLiteral("txtInfo"));
    txtInfo->setReadOnly(true);
    txtInfo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtInfo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    cmdCopy = new QPushButton(QCoreApplication::translate("SysInfoWindow", "Copy"), this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdCopy->setToolTip(QCoreApplication::translate(
        "SysInfoWindow", "Copy the system information to the clipboard"));
    cmdCopy->setAutoDefault(false);
    cmdClose = new QPushButton(QCoreApplication::translate("SysInfoWindow", "Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtInfo);
    layout->addLayout(buttons);

    connect(cmdCopy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(Text()); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

void SysInfoWindow::ShowInfo(const SystemInfo& info) {
    const QString report = info.Report();
    txtInfo->setPlainText(report);
    // Large enough for the whole report without scrolling.
    const QFontMetrics metrics(txtInfo->font());
    const QStringList lines = report.split(u'\n');
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int frame =
        2 * (txtInfo->frameWidth() + static_cast<int>(txtInfo->document()->documentMargin()));
    // A little slack on both sides: the editor's own layout needs a few pixels more.
    txtInfo->setMinimumSize(widest + frame + 40,
                            metrics.lineSpacing() * static_cast<int>(lines.size() + 1) + frame);
    resize(minimumSizeHint());
}

QString SysInfoWindow::Text() const {
    return txtInfo->toPlainText();
}

} // namespace tessellon
