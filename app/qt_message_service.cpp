#include "app/qt_message_service.h"

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
    const auto b = QMessageBox::question(Owner(), title, text,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                         QMessageBox::Yes);
    if (b == QMessageBox::Yes)
        return Answer::Yes;
    return b == QMessageBox::No ? Answer::No : Answer::Cancel;
}

MessageService::Answer QtMessageService::OkCancel(const QString& title, const QString& text) {
    const auto b = QMessageBox::information(Owner(), title, text,
                                            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    return b == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

} // namespace tessellon
