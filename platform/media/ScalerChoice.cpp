#include "ScalerChoice.h"

#include <QLatin1StringView>
#include <algorithm>
#include <array>

namespace vyx {

namespace {

constexpr double kDesktopScreen = 1920.0 * 1200.0;

// Kept in shape, the picture takes the smaller of the two ratios.
double scaleOf(QSize picture, QSize area) {
    return std::min(static_cast<double>(area.width()) / picture.width(),
                    static_cast<double>(area.height()) / picture.height());
}

} // namespace

bool fullWidthColour(QStringView pixelFormat) {
    // The engine's names are libavutil's without the byte order: yuv444p10, gbrp, bgr0, vuya.
    static constexpr std::array kFamilies{"yuv444", "yuva444", "yuvj444", "gbr",  "rgb",   "bgr",
                                          "argb",   "abgr",    "0rgb",    "0bgr", "x2rgb", "x2bgr",
                                          "vuya",   "vuyx",    "ayuv",    "xyz"};
    return std::any_of(kFamilies.begin(), kFamilies.end(), [pixelFormat](const char* family) {
        return pixelFormat.startsWith(QLatin1StringView(family));
    });
}

Scaler chooseScaler(QSize picture, QSize area, QStringView pixelFormat, bool valuesAsStored) {
    if (picture.isEmpty() || area.isEmpty()) {
        return {};
    }
    const Converter converter =
        fullWidthColour(pixelFormat) && !valuesAsStored ? Converter::Zimg : Converter::Swscale;
    const double scale = scaleOf(picture, area);
    const double made = scale * picture.width() * scale * picture.height();
    if (scale < 1.0) {
        return {converter, converter == Converter::Swscale ? Filter::Area : Filter::Bilinear};
    }
    return {converter, made > kDesktopScreen ? Filter::Bilinear : Filter::Bicubic};
}

std::chrono::milliseconds drawLead(QSize picture, QSize area) {
    using namespace std::chrono_literals;
    if (picture.isEmpty() || area.isEmpty()) {
        return 10ms;
    }
    const double scale = scaleOf(picture, area);
    const double read = 1.0 * picture.width() * picture.height();
    return std::max(read, scale * scale * read) > kDesktopScreen ? 20ms : 10ms;
}

} // namespace vyx
