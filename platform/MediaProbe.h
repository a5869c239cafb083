#pragma once

#include <QString>

namespace vyx {

// What the player can tell about a file before handing it to the engine: throws the matching
// error (empty name, missing, not a readable regular file, not audio or video) naming the file.
void checkPlayable(const QString& path);

} // namespace vyx
