#include "ScalerChoice.h"

#include <algorithm>

namespace vyx {

Scaler chooseScaler(QSize picture, QSize area) {
    if (picture.isEmpty() || area.isEmpty()) {
        return Scaler::Swscale;
    }
    // Kept in shape, the picture takes the smaller of the two ratios.
    const double scale = std::min(static_cast<double>(area.width()) / picture.width(),
                                  static_cast<double>(area.height()) / picture.height());
    return scale <= 0.5 ? Scaler::Zimg : Scaler::Swscale;
}

} // namespace vyx
