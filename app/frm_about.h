#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

namespace tessellon {

class MessageService;
class SysInfoWindow;
struct SystemInfo;

// The About window: product, version, what the program does, the maker and where to find
// help, and a button that shows this machine's system information.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(MessageService& messages, QWidget* parent = nullptr);

    // Shows the window modeless, in front.
    void ShowAbout();

    // Opens the system information window, or shows "System Information Is Unavailable At
    // This Time" when the system tells nothing. Returns whether the window is shown.
    bool StartSysInfo();
    bool StartSysInfo(const SystemInfo& info);
    SysInfoWindow* SysInfo() const { return sysInfo_; }

    // The maker's web addresses the links lead to.
    static QString HomePageUrl();
    static QString SupportUrl();
    static QString PurchaseUrl();

private:
    QLabel* picIcon = nullptr;
    QLabel* lblProduct = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblMaker = nullptr;
    QLabel* lblHomePage = nullptr;
    QLabel* lblSupport = nullptr;
    QLabel* lblPurchase = nullptr;
    QLabel* lblRights = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QPushButton* cmdOk = nullptr;

    MessageService& messages_;
    QPointer<SysInfoWindow> sysInfo_;
};

} // namespace tessellon
