#pragma once

#include <QString>

namespace vyx {

// What the player can tell about a file before its engine starts; each throws the matching
// error, naming the file.
// The file itself: an empty name, a missing file, not a regular file, not readable.
void checkFile(const QString& path);
// Its content: no audio or video stream that the engine's own demuxers (libavformat) can find.
// Call after checkFile: the demuxers would wait on a FIFO.
void checkMediaFormat(const QString& path);

} // namespace vyx
