#pragma once

#include <QString>

namespace tessellon {

// A message for the user, as the engine hands it to whoever tells the user: a title and a
// text.
struct UserMessage {
    QString title;
    QString text;
};

} // namespace tessellon
