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
    return scale < 1.0 ? Scaler::SwscaleBilinear : Scaler::SwscaleBicubic;
}

} // namespace vyx
