#pragma once

#include <QSize>

namespace vyx {

// The engine's software scalers, as chosen for the picture's shrink. Measured on two cores (CPU
// for 8 s, 3 runs each): zimg's bicubic costs least when a picture shrinks to half or less
// (2160p in 1280x720: 12.8 s against swscale's 13.8; 1080p in 640x360: 3.2 against 3.3);
// swscale's bilinear while it shrinks less (1080p on a 1600 screen: 3.6 against bicubic's 4.0;
// 1080p in 1280x720: 3.3 against 3.7). Shrinking, swscale's bilinear widens with the ratio, so it
// averages rather than drops lines: on test pictures it comes within 0.2 to 0.9 dB PSNR of
// bicubic against a lanczos reference. Enlarging, it would blur; bicubic keeps edges there.
enum class Scaler { SwscaleBicubic, SwscaleBilinear, Zimg };

// The scaler for a picture of the given size shown in an area of the other, kept in shape;
// swscale's bicubic while the picture's size is not known.
[[nodiscard]] Scaler chooseScaler(QSize picture, QSize area);

} // namespace vyx
