#include "app/frm_about.h"

#include "app/app_version.h"
#include "app/sys_info_window.h"
#include "app/system_info.h"
#include "common/message_service.h"
#include "common/string_table.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessellon {
namespace {

QString Link(const QString& url, const QString& caption) {
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(url.toHtmlEscaped(), caption.toHtmlEscaped());
}

QLabel* LinkLabel(QWidget* parent, const char* name, const QString& url, const QString& caption,
                  const QString& tip) {
    auto* label = new QLabel(Link(url, caption), parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setOpenExternalLinks(true);
    label->setToolTip(tip + QStringLiteral(": ") + url);
    return label;
}

// The program's emblem: a photo cut into a grid of tiles.
QPixmap Emblem() {
    constexpr int kSize = 64;
    QPixmap pix(kSize, kSize);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kSize);
    sky.setColorAt(0, QColor(70, 130, 200));
    sky.setColorAt(0.6, QColor(250, 200, 120));
    sky.setColorAt(1, QColor(60, 120, 60));
    const QRectF area(4, 8, kSize - 8, kSize - 16);
    p.fillRect(area, sky);
    p.setBrush(QColor(255, 240, 170));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(area.left() + area.width() * 0.7, area.top() + area.height() * 0.35), 6,
                  6);
    p.setPen(QPen(Qt::white, 2));
    for (int i = 1; i < 3; ++i)
        p.drawLine(QPointF(area.left() + area.width() * i / 3, area.top()),
                   QPointF(area.left() + area.width() * i / 3, area.bottom()));
    p.drawLine(QPointF(area.left(), area.center().y()), QPointF(area.right(), area.center().y()));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area);
    return pix;
}

} // namespace

QString frmAbout::HomePageUrl() {
    return QStringLiteral("https://quillmark.example/tessellon/");
}

QString frmAbout::SupportUrl() {
    return QStringLiteral("https://quillmark.example/tessellon/support/");
}

QString frmAbout::PurchaseUrl() {
    return QStringLiteral("https://quillmark.example/tessellon/buy/");
}

frmAbout::frmAbout(MessageService& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setObjectName(QStringLiteral("frmAbout"));
    const QString appTitle = StringTable::Text(str::AppTitle);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(Emblem());
    picIcon->setAlignment(Qt::AlignCenter);

    lblProduct = new QLabel(StringTable::Text(str::ProductName), this);
    lblProduct->setObjectName(QStringLiteral("lblProduct"));
    lblProduct->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    lblTitle = new QLabel(appTitle, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion =
        new QLabel(StringTable::Text(str::VersionWord) + u' ' + GetAppVersionString(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    lblDescription = new QLabel(StringTable::Text(str::AboutDescription), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumWidth(380);

    lblMaker = new QLabel(QCoreApplication::translate("frmAbout", "Quillmark Software"), this);
    lblMaker->setObjectName(QStringLiteral("lblMaker"));
    QFont makerFont = lblMaker->font();
    makerFont.setBold(true);
    lblMaker->setFont(makerFont);

    lblHomePage = LinkLabel(
        this, "lblHomePage", HomePageUrl(), QCoreApplication::translate("frmAbout", "Home page"),
        QCoreApplication::translate("frmAbout", "Visit the Tessellon home page"));
    lblSupport = LinkLabel(
        this, "lblSupport", SupportUrl(), QCoreApplication::translate("frmAbout", "Support"),
        QCoreApplication::translate("frmAbout", "Questions, answers and help with Tessellon"));
    lblPurchase = LinkLabel(this, "lblPurchase", PurchaseUrl(),
                            QCoreApplication::translate("frmAbout", "Purchase"),
                            QCoreApplication::translate("frmAbout", "Buy a license for Tessellon"));

    lblRights =
        new QLabel(QCoreApplication::translate(
                       "frmAbout", "Copyright \u00a9 Quillmark Software. All rights reserved."),
                   this);
    lblRights->setObjectName(QStringLiteral("lblRights"));
    lblRights->setWordWrap(true);
    QFont smallFont = lblRights->font();
    smallFont.setPointSizeF(smallFont.pointSizeF() * 0.9);
    lblRights->setFont(smallFont);

    cmdSysInfo =
        new QPushButton(StringTable::Text(str::SystemInfoCaption) + QStringLiteral("..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setAutoDefault(false);
    cmdOk = new QPushButton(StringTable::Text(str::AboutOk), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);

    // Entry 236 "About Tessellon" gives way to the application title as the caption.
    setWindowTitle(appTitle);

    auto* left = new QVBoxLayout;
    left->addWidget(picIcon);
    left->addWidget(lblProduct);
    left->addStretch();

    auto* links = new QHBoxLayout;
    links->setSpacing(18);
    links->addWidget(lblHomePage);
    links->addWidget(lblSupport);
    links->addWidget(lblPurchase);
    links->addStretch();

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(lblTitle);
    right->addWidget(lblVersion);
    right->addSpacing(8);
    right->addWidget(lblDescription);
    right->addSpacing(8);
    right->addWidget(lblMaker);
    right->addLayout(links);
    right->addSpacing(4);
    right->addWidget(lblRights);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addLayout(left);
    top->addLayout(right, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdSysInfo);
    bottom->addWidget(cmdOk);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(line);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOk, &QPushButton::clicked, this, &QDialog::close);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(); });
}

void frmAbout::ShowAbout() {
    setModal(false);
    show();
    raise();
    activateWindow();
}

bool frmAbout::StartSysInfo() {
    return StartSysInfo(SystemInfo::Current());
}

bool frmAbout::StartSysInfo(const SystemInfo& info) {
    if (!info.IsAvailable()) {
        messages_.Information(StringTable::Text(str::AppTitle),
                              QCoreApplication::translate(
                                  "frmAbout", "System Information Is Unavailable At This Time"));
        return false;
    }
    if (!sysInfo_)
        sysInfo_ = new SysInfoWindow(this);
    sysInfo_->ShowInfo(info);
    sysInfo_->show();
    sysInfo_->raise();
    sysInfo_->activateWindow();
    return true;
}

} // namespace tessellon
