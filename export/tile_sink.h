#pragma once

#include "common/user_message.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <optional>

namespace tessellon {

// Where the tile saver puts the encoded tiles: one file per tile, or one document. The saver
// calls CheckNames, then (after the overwrite decision) Open, Add for every tile in tile
// order, and Finish; on cancel or failure Abandon instead of Finish. A failing step returns
// the message that describes it.
class TileSink {
public:
    virtual ~TileSink() = default;

    // The folder the bytes go into (for the free-space check).
    virtual QString Folder() const = 0;
    // The document's path, or empty when the tiles are files of their own.
    virtual QString DocumentPath() const { return {}; }
    // Whether the names can be used; checked before anything is created.
    virtual std::optional<UserMessage> CheckNames() const = 0;
    // The question to ask when the target exists already; empty when it does not.
    virtual std::optional<UserMessage> ExistingTarget() const = 0;
    // Creates what the tiles go into.
    virtual std::optional<UserMessage> Open() = 0;
    // Tile `index` (0-based): its encoded bytes and pixel size (after turning and padding).
    virtual std::optional<UserMessage> Add(int index, const QByteArray& encoded, QSize pixels) = 0;
    // Why tile `index` could not be written whatever the room, if that can be told beforehand
    // (asked when the free space looks too small, to name the real cause); empty otherwise.
    virtual QString CannotWrite(int /*index*/) const { return {}; }
    // After the last tile: the output is complete under its final name.
    virtual std::optional<UserMessage> Finish() = 0;
    // The save stops early: a document leaves nothing behind; files already written stay.
    virtual void Abandon() = 0;
};

} // namespace tessellon
