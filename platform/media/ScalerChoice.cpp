#include "ScalerChoice.h"

#include <algorithm>

namespace vyx {

Scaler chooseScaler(QSize picture, QSize area) {
    if (picture.isEmpty() || area.isEmpty()) {
        return Scaler::SwscaleBicubic;
    }
    // Kept in shape, the picture takes the smaller of the two ratios.
    const double scale = std::min(static_cast<double>(area.width()) / picture.width(),
                                  static_cast<double>(area.height()) / picture.height());
    constexpr double kDesktopScreen = 1920.0 * 1200.0;
    const double made = scale * picture.width() * scale * picture.height();
    return scale < 1.0 || made > kDesktopScreen ? Scaler::SwscaleBilinear : Scaler::SwscaleBicubic;
}

} // namespace vyx
