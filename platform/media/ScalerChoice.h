#pragma once

#include <QSize>

namespace vyx {

// The engine's two software scalers. Measured on two cores (CPU for 8 s, 3 runs each): zimg's
// bicubic costs less when a picture shrinks to half or less (2160p in 1280x720: 12.8 s against
// 13.8; 1080p in 640x360: 3.2 against 3.3), swscale's when it stays nearer its size (1080p in
// 1280x720: 3.9 against 4.1).
enum class Scaler { Swscale, Zimg };

// The cheaper scaler for a picture of the given size shown in an area of the other, kept in
// shape; swscale while the picture's size is not known.
[[nodiscard]] Scaler chooseScaler(QSize picture, QSize area);

} // namespace vyx
