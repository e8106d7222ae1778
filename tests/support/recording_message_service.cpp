#include "tests/support/recording_message_service.h"

namespace tessellon {

void RecordingMessageService::Critical(const QString& title, const QString& text) {
    messages_.append({Kind::Critical, title, text});
}

void RecordingMessageService::Information(const QString& title, const QString& text) {
    messages_.append({Kind::Information, title, text});
}

MessageService::Answer RecordingMessageService::YesNoCancel(const QString& title,
                                                            const QString& text) {
    messages_.append({Kind::YesNoCancel, title, text});
    return Next(Answer::Yes);
}

MessageService::Answer RecordingMessageService::OkCancel(const QString& title,
                                                         const QString& text) {
    messages_.append({Kind::OkCancel, title, text});
    return Next(Answer::Ok);
}

MessageService::Answer RecordingMessageService::Next(Answer fallback) {
    return answers_.isEmpty() ? fallback : answers_.takeFirst();
}

} // namespace tessellon
