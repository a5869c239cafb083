#pragma once

#include <QString>

namespace vyx {

// An http:// or https:// address, which the engine reads itself; every other entry is a path.
[[nodiscard]] bool isStreamAddress(const QString& entry);

// A file of subtitles, by its extension: added to what plays rather than played.
[[nodiscard]] bool isSubtitleFile(const QString& entry);

} // namespace vyx
