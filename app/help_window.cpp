#include "app/help_window.h"

#include "app/help_locator.h"
#include "common/message_service.h"
#include "common/string_table.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tessellon {
HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(StringTable::Text(str::AppTitle) +
                   QCoreApplication::translate("HelpWindow", " Help"));

    cmdBack = new QToolButton(this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdBack->setText(QCoreApplication::translate("HelpWindow", "Back"));
    cmdBack->setEnabled(false);
    cmdForward = new QToolButton(this);
    cmdForward->setObjectName(QStringLiteral("cmdForward"));
    cmdForward->setText(QCoreApplication::translate("HelpWindow", "Forward"));
    cmdForward->setEnabled(false);
    cmdContents = new QToolButton(this);
    cmdContents->setObjectName(QStringLiteral("cmdContents"));
    cmdContents->setText(QCoreApplication::translate("HelpWindow", "Contents"));

    txtHelp = new QTextBrowser(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdForward);
    buttons->addWidget(cmdContents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtHelp);

    connect(cmdBack, &QToolButton::clicked, txtHelp, &QTextBrowser::backward);
    connect(cmdForward, &QToolButton::clicked, txtHelp, &QTextBrowser::forward);
    connect(cmdContents, &QToolButton::clicked, txtHelp, &QTextBrowser::home);
    connect(txtHelp, &QTextBrowser::backwardAvailable, cmdBack, &QToolButton::setEnabled);
    connect(txtHelp, &QTextBrowser::forwardAvailable, cmdForward, &QToolButton::setEnabled);

    resize(760, 640);
}

bool HelpWindow::OpenHelpFile(const QString& helpFilePath, MessageService& messages) {
    if (HelpLocator::IsMissing(helpFilePath)) {
        messages.Critical(HelpLocator::MissingFileTitle(), HelpLocator::MissingFileText());
        return false;
    }
    // Always from the first page, also when the window was left on another one.
    txtHelp->setSource(QUrl::fromLocalFile(helpFilePath));
    txtHelp->clearHistory();
    show();
    raise();
    activateWindow();
    return true;
}

} // namespace tessellon
