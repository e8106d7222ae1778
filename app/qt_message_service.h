#pragma once

#include "common/message_service.h"

class QWidget;

namespace tessellon {

// Message boxes shown with QMessageBox over the active window.
class QtMessageService : public MessageService {
public:
    explicit QtMessageService(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Critical(const QString& title, const QString& text) override;
    void Information(const QString& title, const QString& text) override;
    Answer YesNoCancel(const QString& title, const QString& text) override;
    Answer OkCancel(const QString& title, const QString& text) override;

private:
    QWidget* Owner() const;
    QWidget* parent_;
};

} // namespace tessellon
