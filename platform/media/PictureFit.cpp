#include "PictureFit.h"

#include <algorithm>
#include <cmath>

namespace vyx {

QRect pictureTarget(QSize picture, QSize area, PictureFit fit) {
    // Pixels: each line of the target starts 32-byte aligned, or the engine scales into a
    // buffer of its own and copies that over.
    constexpr int kAlign = 8;
    if (fit == PictureFit::Stretch || picture.isEmpty() || area.width() < 2 || area.height() < 1) {
        return {QPoint(0, 0), area};
    }
    QSize shown = picture;
    if (fit == PictureFit::Fill || picture.width() > area.width() ||
        picture.height() > area.height()) {
        shown = picture.scaled(area, Qt::KeepAspectRatio);
    }
    const int width = std::max(2, shown.width() & ~1);
    // Tall enough that the engine, keeping the shape, is held by the width and spans it.
    const auto height =
        std::min(area.height(), static_cast<int>(std::ceil(static_cast<double>(width) *
                                                           picture.height() / picture.width())));
    const int x = (area.width() - width) / 2 / kAlign * kAlign;
    return {x, (area.height() - height) / 2, width, std::max(1, height)};
}

} // namespace vyx
