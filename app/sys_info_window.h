#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace tessellon {

struct SystemInfo;

// Shows the system information as plain text the user can select and copy, for example into a
// support request.
class SysInfoWindow : public QDialog {
    Q_OBJECT
public:
    explicit SysInfoWindow(QWidget* parent = nullptr);

    void ShowInfo(const SystemInfo& info);
    QString Text() const;

private:
    QPlainTextEdit* txtInfo = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace tessellon
