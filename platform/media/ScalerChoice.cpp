#include "ScalerChoice.h"

#include <QLatin1StringView>
#include <algorithm>
#include <array>

namespace vyx {

bool fullWidthColour(QStringView pixelFormat) {
    // The engine's names are libavutil's without the byte order: yuv444p10, gbrp, bgr0, vuya.
    static constexpr std::array kFamilies{"yuv444", "yuva444", "yuvj444", "gbr",  "rgb",   "bgr",
                                          "argb",   "abgr",    "0rgb",    "0bgr", "x2rgb", "x2bgr",
                                          "vuya",   "vuyx",    "ayuv",    "xyz"};
    return std::any_of(kFamilies.begin(), kFamilies.end(), [pixelFormat](const char* family) {
        return pixelFormat.startsWith(QLatin1StringView(family));
    });
}

Scaler chooseScaler(QSize picture, QSize area, QStringView pixelFormat) {
    if (picture.isEmpty() || area.isEmpty()) {
        return {};
    }
    const Converter converter = fullWidthColour(pixelFormat) ? Converter::Zimg : Converter::Swscale;
    // Kept in shape, the picture takes the smaller of the two ratios.
    const double scale = std::min(static_cast<double>(area.width()) / picture.width(),
                                  static_cast<double>(area.height()) / picture.height());
    constexpr double kDesktopScreen = 1920.0 * 1200.0;
    const double made = scale * picture.width() * scale * picture.height();
    if (scale < 1.0) {
        return {converter, converter == Converter::Swscale ? Filter::Area : Filter::Bilinear};
    }
    return {converter, made > kDesktopScreen ? Filter::Bilinear : Filter::Bicubic};
}

} // namespace vyx
