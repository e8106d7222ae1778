#pragma once

#include <QCoreApplication>

#include <QImage>
#include <QSize>
#include <QString>

namespace tessellon {

// The pictures the preview box shows while no image is shown: pick a folder, pick an image,
// error, and the four frames of the loading animation.
class StatusPictures {
    Q_DECLARE_TR_FUNCTIONS(StatusPictures)

public:
    enum Kind {
        kPickFolder = 1,
        kPickImage = 2,
        kError = 3,
        kLoading1 = 4,
        kLoading2 = 5,
        kLoading3 = 6,
        kLoading4 = 7
    };

    // The picture of `kind` drawn at `size`; null for an unknown kind. The error picture shows
    // `detail` (why the file could not be loaded) under its caption.
    static QImage Draw(int kind, QSize size, const QString& detail = {});
    static bool IsLoadingFrame(int kind) { return kind >= kLoading1 && kind <= kLoading4; }
    // The loading frame after `kind` (4 follows on to 1).
    static int NextLoadingFrame(int kind) { return kind >= kLoading4 ? kLoading1 : kind + 1; }
};

} // namespace tessellon
