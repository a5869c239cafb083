#include "DecoderThreads.h"

#include <QThread>
#include <algorithm>

namespace vyx {

int decoderCores() {
    return std::max(1, QThread::idealThreadCount());
}

int decoderThreads(QSize picture, double frameRate, int cores) {
    // 1080p is stored 1088 lines high.
    constexpr double kOneThreadPixelRate = 1920.0 * 1088.0 * 30.0;
    constexpr double kUsualRate = 30.0;
    if (picture.isEmpty()) {
        return cores;
    }
    const double rate = frameRate > 0.0 ? frameRate : kUsualRate;
    const double pixelRate = static_cast<double>(picture.width()) * picture.height() * rate;
    return pixelRate <= kOneThreadPixelRate ? 1 : cores;
}

} // namespace vyx
