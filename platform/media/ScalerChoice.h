#pragma once

#include <QSize>

namespace vyx {

// swscale's filters. Shrinking, its bilinear filter widens with the ratio, so it averages rather
// than drops lines, close to bicubic against a lanczos reference and cheaper. Enlarging, bicubic
// keeps edges that bilinear softens, but its cost grows with the pixels it makes: past a desktop
// screen's worth (a 4K screen), bilinear, as the engine's own GPU output enlarges by default.
// The README has the measurements.
enum class Scaler { SwscaleBicubic, SwscaleBilinear };

// The scaler for a picture of the given size shown in an area of the other, kept in shape;
// bicubic while the picture's size is not known.
[[nodiscard]] Scaler chooseScaler(QSize picture, QSize area);

} // namespace vyx
