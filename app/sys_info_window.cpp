#include "app/sys_info_window.h"

#include "app/system_info.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessellon {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("SysInfoWindow", text);
}

} // namespace

SysInfoWindow::SysInfoWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSysInfo"));
    setWindowTitle(Tr("System Information"));

    txtInfo = new QPlainTextEdit(this);
    txtInfo->setObjectName(QStringLiteral("txtInfo"));
    txtInfo->setReadOnly(true);
    txtInfo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtInfo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    cmdCopy = new QPushButton(Tr("Copy"), this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdCopy->setToolTip(Tr("Copy the system information to the clipboard"));
    cmdCopy->setAutoDefault(false);
    cmdClose = new QPushButton(Tr("Close"), this);
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

    resize(560, 220);
}

void SysInfoWindow::ShowInfo(const SystemInfo& info) {
    txtInfo->setPlainText(info.Report());
}

QString SysInfoWindow::Text() const {
    return txtInfo->toPlainText();
}

} // namespace tessellon
