#include "app/frm_input_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessellon {

frmInputBox::frmInputBox(QString& inputBoxResult, QString& inputBoxText, QWidget* parent)
    : QDialog(parent), inputBoxResult_(inputBoxResult), inputBoxText_(inputBoxText) {
    setObjectName(QStringLiteral("frmInputBox"));
    setModal(true);

    lblMsg = new QLabel(this);
    lblMsg->setObjectName(QStringLiteral("lblMsg"));
    lblMsg->setWordWrap(true);
    txtInval = new QLineEdit(this);
    txtInval->setObjectName(QStringLiteral("txtInval"));
    txtInval->setMinimumWidth(320);
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMsg);
    layout->addWidget(txtInval);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKButton, &QPushButton::clicked, this, &frmInputBox::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

int frmInputBox::Ask(const QString& title, const QString& msg, const QString& defaultVal) {
    setWindowTitle(title);
    lblMsg->setText(msg);
    txtInval->setText(defaultVal);
    txtInval->selectAll();
    return exec();
}

void frmInputBox::OKButton_Click() {
    inputBoxResult_ = QString::number(1);
    inputBoxText_ = txtInval->text();
    accept();
}

} // namespace tessellon
