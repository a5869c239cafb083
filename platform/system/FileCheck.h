#pragma once

#include <QString>

namespace vyx {

// A file that the program will read, checked before anything opens it: throws the file errors
// (missing, not an ordinary file, unreadable) naming it. A FIFO or a device is never opened, so
// this cannot wait on one.
void checkRegularFile(const QString& entry);

} // namespace vyx
