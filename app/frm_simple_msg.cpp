#include "app/frm_simple_msg.h"

#include "app/link_label.h"
#include "app/split_path_label.h"

#include <QDesktopServices>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QUrl>

namespace tessellon {
namespace {

// A green disc with a white tick.
QPixmap CheckPicture(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1e, 0x7b, 0x34), 2));
    p.setBrush(QColor(0x2e, 0xa0, 0x48));
    p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
    QPainterPath tick;
    tick.moveTo(size * 0.27, size * 0.52);
    tick.lineTo(size * 0.44, size * 0.69);
    tick.lineTo(size * 0.74, size * 0.34);
    QPen pen(Qt::white, size * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    return pm;
}

void OpenInFileManager(const QString& folder) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace

frmSimpleMsg::frmSimpleMsg(QWidget* parent) : QDialog(parent), opener_(&OpenInFileManager) {
    setObjectName(QStringLiteral("frmSimpleMsg"));
    setWindowTitle(tr("Finished"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    imgCheck = new QLabel(this);
    imgCheck->setObjectName(QStringLiteral("imgCheck"));
    imgCheck->setPixmap(CheckPicture(48));
    imgCheck->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = new QLabel(tr("Images Saved Successfully"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = lblTitle->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    lblTitle->setFont(bold);

    lblMsg = new QLabel(this);
    lblMsg->setObjectName(QStringLiteral("lblMsg"));
    lblMsg->setWordWrap(true);

    lnkFol = new LinkLabel(this);
    lnkFol->setObjectName(QStringLiteral("lnkFol"));
    connect(lnkFol, &LinkLabel::clicked, this, &frmSimpleMsg::lnkFol_Click);

    cmdOk = new QPushButton(tr("Finished"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdOk->setMinimumWidth(110);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 16, 18, 14);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    grid->addWidget(imgCheck, 0, 0, 3, 1);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblMsg, 1, 1);
    grid->addWidget(lnkFol, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    lblMsg->setFixedWidth(380);
}

void frmSimpleMsg::ShowSaveOkMsg(const QString& sFolderName) {
    lblTitle->setText(tr("Images Saved Successfully"));
    lblMsg->setText(tr("Your poster images were saved successfully and are now ready for you to "
                       "print.  They are located in the following folder:"));
    ShowLink(sFolderName);
}

void frmSimpleMsg::ShowSavedDocument(const QString& filePath) {
    lblTitle->setText(tr("Poster Saved Successfully"));
    lblMsg->setText(tr("Your poster was saved successfully and is now ready for you to print "
                       "at actual size (100 %).  It is the following file:"));
    ShowLink(filePath);
}

void frmSimpleMsg::ShowLink(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    lnkFol->SetCaption(SplitPathLabel(shown, kLinkWinStart, kLinkWinEnd));
    lnkFol->SetTarget(path);
    lnkFol->setToolTip(shown);
    show();
    raise();
    activateWindow();
}

void frmSimpleMsg::lnkFol_Click(const QString& target) {
    if (opener_ && !target.isEmpty())
        opener_(target);
}

} // namespace tessellon
