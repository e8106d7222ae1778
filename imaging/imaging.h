#pragma once

// The imaging component: image objects, pixel arrays, formats and resolution attributes.
#include "common/result.h"
#include "imaging/image_format.h"
#include "imaging/image_object.h"
#include "imaging/pixel_array.h"

#include <QString>

#include <optional>

namespace tessellon {

class MessageService;

// A new, working image object. It is tried out by loading a one-pixel black image; when that
// fails, `messages` shows "Error initializing image object.  Can not continue." and the result
// is empty.
std::optional<ImageObject> NewImageObject(MessageService& messages);

// The message NewImageObject shows, and its title.
QString ImageObjectInitErrorText();
QString ImageObjectInitErrorTitle();

} // namespace tessellon
