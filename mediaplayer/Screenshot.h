#pragma once

#include <QString>
#include <functional>

class QImage;
class QObject;

namespace vyx {

// Where a screenshot of an entry at a moment goes: the folder, the entry's name without its
// extension, and the moment ("clip 0-01-23.450.png"); a number is added rather than a file
// overwritten.
[[nodiscard]] QString screenshotPath(const QString& folder, const QString& entry, double seconds,
                                     const std::function<bool(const QString&)>& exists);

// The user's pictures folder (XDG_PICTURES_DIR, else ~/Pictures).
[[nodiscard]] QString picturesFolder();

// A new screenshot's path in the pictures folder, made if it was not there; empty when it
// cannot be made. The last path asked for is taken too, as its file may not be written yet.
[[nodiscard]] QString newScreenshotPath(const QString& entry, double seconds,
                                        const QString& lastAsked);

// Writes the picture as the path's extension says, away from the GUI thread; then calls done
// on the receiver's thread with why it could not be written, or nothing, unless the receiver
// has gone.
void writeScreenshot(const QImage& picture, const QString& path, QObject* receiver,
                     std::function<void(const QString& failure)> done);

} // namespace vyx
