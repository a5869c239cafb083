#pragma once

#include <QString>

namespace vyx {

// How far into a file this process has read: the furthest offset of any descriptor it holds open
// on it, or -1 when it holds none (or the system cannot tell).
[[nodiscard]] qint64 readPosition(const QString& path);

} // namespace vyx
