#include "app/qt_message_service.h"

#include "app/frm_msgbox_yes_no.h"

#include <QApplication>
#include <QMessageBox>

namespace tessellon {

QWidget* QtMessageService::Owner() const {
    QWidget* active = QApplication::activeWindow();
    return active ? active : parent_;
}

void QtMessageService::Critical(const QString& title, const QString& text) {
    QMessageBox::critical(Owner(), title, text);
}

void QtMessageService::Information(const QString& title, const QString& text) {
    QMessageBox::information(Owner(), title, text);
}

MessageService::Answer QtMessageService::YesNoCancel(const QString& title, const QString& text) {
    // The program's own question window, which also counts closing it as Cancel.
    switch (frmMsgboxYesNo::AskYesNoCancel(text, title, Owner())) {
    case frmMsgboxYesNo::kYes:
        return Answer::Yes;
    case frmMsgboxYesNo::kNo:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

MessageService::Answer QtMessageService::OkCancel(const QString& title, const QString& text) {
    const auto b = QMessageBox::information(Owner(), title, text,
                                            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    return b == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

} // namespace tessellon
