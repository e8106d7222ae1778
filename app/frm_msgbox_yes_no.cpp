#include "app/frm_msgbox_yes_no.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tessellon {

frmMsgboxYesNo::frmMsgboxYesNo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMsgboxYesNo"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);

    lblMsg = new QLabel(this);
    lblMsg->setObjectName(QStringLiteral("lblMsg"));
    lblMsg->setWordWrap(true);
    lblMsg->setMinimumWidth(320);
    lblMsg->setMaximumWidth(460);
    lblMsg->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const auto button = [this](const QString& text, const char* name, short answer) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumWidth(84);
        connect(b, &QPushButton::clicked, this, [this, answer] { Answered(answer); });
        return b;
    };
    cmdYes = button(tr("Yes"), "cmdYes", 1);
    cmdNo = button(tr("No"), "cmdNo", -1);
    cmdCancel = button(tr("Cancel"), "cmdCancel", 0);
    cmdYes->setDefault(true);

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(icon, 0);
    top->addWidget(lblMsg, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdYes);
    buttons->addWidget(cmdNo);
    buttons->addWidget(cmdCancel);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(18, 16, 18, 14);
    v->setSpacing(16);
    v->addLayout(top);
    v->addLayout(buttons);
    v->setSizeConstraint(QLayout::SetFixedSize);
}

short frmMsgboxYesNo::AskYesNoCancel(const QString& message, const QString& title,
                                     QWidget* parent) {
    frmMsgboxYesNo window(parent);
    window.setText(message, title);
    window.exec();
    return window.MappedAnswer();
}

void frmMsgboxYesNo::setText(const QString& message, const QString& title) {
    lblMsg->setText(message);
    setWindowTitle(title);
}

short frmMsgboxYesNo::MappedAnswer() const {
    if (answer_ == 1)
        return kYes;
    return answer_ == -1 ? kNo : kCancel;
}

void frmMsgboxYesNo::Answered(short answer) {
    answer_ = answer;
    accept();
}

} // namespace tessellon
