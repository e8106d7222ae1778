#include "app/frm_msg.h"

#include "app/picture_box.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace tessellon {
namespace {

// Layout distances are kept in twips, 15 to the pixel on a 96 dpi screen.
constexpr int Twips(int twips) {
    return twips / 15;
}

constexpr int kWidth = 380;
constexpr int kSideMargin = 18;
constexpr int kBarHeight = 22;
constexpr int kTimerMs = 100;

} // namespace

frmMsg::frmMsg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMsg"));
    setWindowTitle(tr("Saving") + QStringLiteral("..."));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    lblMsg = new QLabel(this);
    lblMsg->setObjectName(QStringLiteral("lblMsg"));
    lblMsg->setWordWrap(true);
    lblMsg->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont f = lblMsg->font();
    f.setPointSizeF(f.pointSizeF() * 1.1);
    lblMsg->setFont(f);

    picProgressBar = new PictureBox(this);
    picProgressBar->setObjectName(QStringLiteral("picProgressBar"));
    picProgressBar->hide();

    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    cmdCancel->hide();
    connect(cmdCancel, &QPushButton::clicked, this, &frmMsg::cmdCancel_Click);

    tmrProgBar = new QTimer(this);
    tmrProgBar->setObjectName(QStringLiteral("tmrProgBar"));
    tmrProgBar->setInterval(kTimerMs);
    connect(tmrProgBar, &QTimer::timeout, this, &frmMsg::tmrProgBar_Timer);

    setFixedSize(kWidth, Twips(100) * 2 + lblMsg->sizeHint().height());
}

void frmMsg::SetMode(std::int32_t mode) {
    if (mode != kLayoutProgress)
        return;
    dProgress = 0;
    const int inner = kWidth - 2 * kSideMargin;
    int y = Twips(100);
    const int labelHeight = std::max(lblMsg->heightForWidth(inner), lblMsg->sizeHint().height());
    lblMsg->setGeometry(kSideMargin, y, inner, labelHeight);
    y += labelHeight + Twips(200);
    picProgressBar->setGeometry(kSideMargin, y, inner, kBarHeight);
    picProgressBar->show();
    y += kBarHeight;
    if (bShowCancel) {
        y += Twips(100);
        const QSize button = cmdCancel->sizeHint().expandedTo(QSize(96, 0));
        cmdCancel->setGeometry((kWidth - button.width()) / 2, y, button.width(), button.height());
        cmdCancel->show();
        y += button.height() + Twips(400);
    } else {
        cmdCancel->hide();
        y += Twips(100);
    }
    setFixedSize(kWidth, y);
    UpdateProgess();
}

void frmMsg::ShowProgressBar(const QString& sMsg) {
    bCanceled = false;
    lblMsg->setText(sMsg);
    SetMode(kLayoutProgress);
    dProgress = 0;
    UpdateProgess();
    tmrProgBar->start();
    show();
    raise();
    QCoreApplication::processEvents();
    repaint();
    ProgressMode = kModeProgressBar;
}

void frmMsg::SetProgressVal(double dProg) {
    // A value that is not a number counts as no progress.
    dProgress = std::isnan(dProg) ? 0.0 : std::clamp(dProg, 0.0, 1.0);
    UpdateProgess();
    if (dProgress == 1.0)
        Unload();
    repaint();
    QCoreApplication::processEvents();
}

void frmMsg::UpdateProgess() {
    const QSize size = picProgressBar->size();
    if (size.isEmpty())
        return;
    QImage bar(size, QImage::Format_RGB32);
    bar.fill(Qt::white);
    QPainter p(&bar);
    const int filled = static_cast<int>(std::lround(dProgress * size.width()));
    p.fillRect(QRect(0, 0, filled, size.height()), QColor(0, 0, 255));
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, size.width() - 1, size.height() - 1));
    p.end();
    picProgressBar->SetImage(bar);
}

void frmMsg::Unload() {
    tmrProgBar->stop();
    ProgressMode = kModeClosing;
    hide();
}

void frmMsg::cmdCancel_Click() {
    bCanceled = true;
    lblMsg->setText(tr("canceling") + QStringLiteral("..."));
}

void frmMsg::tmrProgBar_Timer() {
    // The tick runs from the event loop already, so redrawing is all it has to do.
    if (ProgressMode == kModeClosing)
        Unload();
    else if (ProgressMode == kModeProgressBar)
        UpdateProgess();
}

bool frmMsg::CloseRequestedWhileBusy() {
    // While a job runs the window stays until its owner closes it; closing it then asks to
    // cancel, as the cancel button does.
    if (!isVisible() || ProgressMode != kModeProgressBar)
        return false;
    if (bShowCancel && !bCanceled)
        cmdCancel_Click();
    return true;
}

void frmMsg::closeEvent(QCloseEvent* event) {
    if (CloseRequestedWhileBusy()) {
        event->ignore();
        return;
    }
    tmrProgBar->stop();
    QDialog::closeEvent(event);
}

void frmMsg::reject() {
    if (!CloseRequestedWhileBusy())
        QDialog::reject();
}

} // namespace tessellon
