#pragma once

#include "common/message_service.h"

#include <QList>
#include <QString>

namespace tessellon {

// A message service that shows nothing: it records each message and answers from a queue
// (Yes / Ok when the queue is empty).
class RecordingMessageService : public MessageService {
public:
    enum class Kind { Critical, Information, YesNoCancel, OkCancel };
    struct Message {
        Kind kind;
        QString title;
        QString text;
    };

    void Critical(const QString& title, const QString& text) override;
    void Information(const QString& title, const QString& text) override;
    Answer YesNoCancel(const QString& title, const QString& text) override;
    Answer OkCancel(const QString& title, const QString& text) override;

    void QueueAnswer(Answer a) { answers_.append(a); }
    const QList<Message>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

private:
    Answer Next(Answer fallback);

    QList<Message> messages_;
    QList<Answer> answers_;
};

} // namespace tessellon
