#pragma once

#include <QString>

namespace tessellon {

// Every message box the program shows goes through one of these, so tests can replace the
// real boxes with a recorder.
class MessageService {
public:
    enum class Answer { Yes, No, Cancel, Ok };

    virtual ~MessageService() = default;
    virtual void Critical(const QString& title, const QString& text) = 0;
    virtual void Information(const QString& title, const QString& text) = 0;
    virtual Answer YesNoCancel(const QString& title, const QString& text) = 0;
    virtual Answer OkCancel(const QString& title, const QString& text) = 0;
};

} // namespace tessellon
