#pragma once

#include <QRect>
#include <QSize>

namespace vyx {

// How a window sizes the picture in its player.
enum class DisplaySizeMode {
    Default = 0,   // at its own size, centred, scaled down only when it does not fit
    FitToSize = 4, // stretched to the player
};

// How the engine puts the picture into the area it draws.
enum class PictureFit {
    OwnSize, // its own size, centred, shrunk in shape only when it does not fit
    Stretch, // the whole area, whatever the picture's shape
    Fill,    // as large as the area allows, shape kept, enlarged when smaller
};

// A full screen is there to be filled: a window's own rule would leave a small picture a box in
// the middle of the screen, or stretch a wide one to a square screen.
[[nodiscard]] constexpr PictureFit pictureFit(DisplaySizeMode mode, bool fullScreen) {
    if (fullScreen) {
        return PictureFit::Fill;
    }
    return mode == DisplaySizeMode::FitToSize ? PictureFit::Stretch : PictureFit::OwnSize;
}

// The part of an area that the engine is given to draw a picture of the given size into, the
// rest being bars. Where the shape is kept its width is even and the picture spans it: swscale
// converts a picture of odd width with full chroma, which costs five times as much. A stretched
// picture takes the whole area, as does one whose size is not known yet.
[[nodiscard]] QRect pictureTarget(QSize picture, QSize area, PictureFit fit);

} // namespace vyx
