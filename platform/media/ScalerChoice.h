#pragma once

#include <QSize>
#include <QStringView>
#include <chrono>

namespace vyx {

// Which of the engine's converters scales the picture and turns it into the screen's pixels.
// swscale does it in one pass, cheapest where the colour is stored at half the width (4:2:0,
// 4:2:2); where it is stored at full width (4:4:4, RGB: screen recordings) swscale takes a slow
// path of full chroma, and zimg, whose own repacking pass costs less than that, does it for half.
enum class Converter { Swscale, Zimg };

// Shrinking, swscale's area filter averages the pixels each one covers: closer to a lanczos
// reference than bilinear and no dearer (zimg has no such filter: bilinear, which widens with the
// ratio). Enlarging, bicubic keeps edges that bilinear softens, but its cost grows with the
// pixels it makes: past a desktop screen's worth (a 4K screen), bilinear, as the engine's own GPU
// output enlarges by default.
enum class Filter { Bicubic, Bilinear, Area };

struct Scaler {
    Converter converter = Converter::Swscale;
    Filter filter = Filter::Bicubic;
    friend bool operator==(Scaler, Scaler) = default;
};

// True for the engine's pixel formats whose colour is stored at the picture's full width.
[[nodiscard]] bool fullWidthColour(QStringView pixelFormat);

// The scaler for a picture of the given size and pixel format shown in an area of the other,
// kept in shape; swscale's bicubic while the picture is not known. A picture whose values must
// reach us as they are stored (its colours converted afterwards) goes through swscale, which
// leaves them so: zimg would convert their transfer itself, clipping the highlights.
[[nodiscard]] Scaler chooseScaler(QSize picture, QSize area, QStringView pixelFormat,
                                  bool valuesAsStored = false);

// How long before its time a frame of the picture shown in the area is drawn, to be shown at its
// time. Long enough for the drawing, whose time grows with the pixels read and made: past a
// desktop screen's worth (a 4K film, a 4K screen) it takes 10 ms and more here. No longer, as
// the GUI thread waits out the rest.
[[nodiscard]] std::chrono::milliseconds drawLead(QSize picture, QSize area);

} // namespace vyx
