#pragma once

#include <QString>
#include <QUrl>

namespace vyx {

// An http:// or https:// address, which the engine reads itself; every other entry is a path.
[[nodiscard]] bool isStreamAddress(const QString& entry);

// A web address that names audio or video by its extension (clip.mp4, song.mp3): what a link to
// it brings is for the player rather than the browser.
[[nodiscard]] bool isMediaAddress(const QUrl& address);

// A file of subtitles, by its extension: added to what plays rather than played.
[[nodiscard]] bool isSubtitleFile(const QString& entry);

} // namespace vyx
