#pragma once

namespace tessellon {

// Keeps Qt's own notes about the environment off stderr, so that a run prints only the
// program's lines. Dropped are debug, info and warning messages of Qt's "qt.*" logging
// categories (platform plugin and image reader notes) and QStandardPaths' note that
// XDG_RUNTIME_DIR is not set (a shell without a login session; Qt makes its own fallback folder
// and works on). Everything else is written as Qt would write it. When QT_LOGGING_RULES is set,
// the user asked for Qt's messages and nothing is dropped.
class QtMessageFilter {
public:
    // Call before the application object is created: Qt reports the runtime folder while it
    // starts the platform.
    static void Install();
};

} // namespace tessellon
