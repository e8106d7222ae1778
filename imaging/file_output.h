#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>

namespace tessellon {

// Writes `bytes` to a temporary file beside `path` and renames it to `path` once complete,
// replacing an existing file (a symbolic link of that name is replaced, not followed; a
// folder, device, pipe or socket is refused): an
// interrupted write never leaves a truncated file under the final name.
Result<> WriteFileReplacing(const QString& path, const QByteArray& bytes);

} // namespace tessellon
