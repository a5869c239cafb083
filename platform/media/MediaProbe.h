#pragma once

#include <QSize>
#include <QString>

namespace vyx {

// What the player can tell about a file before its engine starts; each throws the matching
// error, naming the file.
// The file itself: an empty name, a missing file, not a regular file, not readable.
void checkFile(const QString& path);
// What a file's content asks of the player: its largest picture and that picture's frame rate
// (0 when the file does not say); an empty size for sound alone.
struct MediaShape {
    QSize picture;
    double frameRate = 0.0;
};

// Its content: no audio or video stream that the engine's own demuxers (libavformat) can find.
// Call after checkFile: the demuxers would wait on a FIFO.
MediaShape checkMediaFormat(const QString& path);

// A local file that is an HTTP Live Streaming playlist, by the tags at its top.
[[nodiscard]] bool isHlsFile(const QString& path);

// An entry of a list as it is checked before the engine starts: a file by its name and its
// content, a stream not at all (it is the engine's to judge), nor the pieces of an HTTP Live
// Streaming playlist. Returns the decoder threads that
// its picture wants.
int checkEntry(const QString& entry);

} // namespace vyx
