#include "VolumeScale.h"

#include <algorithm>
#include <cmath>

namespace vyx::volume {

double toMpvPercent(int hundredthsOfDecibel) {
    if (hundredthsOfDecibel <= kSilent) {
        return 0.0;
    }
    const double gain = std::pow(10.0, std::min(hundredthsOfDecibel, kFull) / 2000.0);
    return 100.0 * std::cbrt(gain);
}

int fromMpvPercent(double percent) {
    if (!(percent > 0.0)) {
        return kSilent;
    }
    const double gain = std::pow(std::min(percent, 100.0) / 100.0, 3.0);
    const double decibels = 2000.0 * std::log10(gain);
    return std::max(kSilent, static_cast<int>(std::lround(decibels)));
}

} // namespace vyx::volume
