#pragma once

#include <QRect>
#include <QSize>

// Window geometry is written in twips, 1/1440 inch. Qt works in logical pixels, which are
// 96 per inch at scale 1 whatever the device pixel ratio, so the factor is fixed.
namespace vyx::twips {

inline constexpr int kPerPixel = 15;

constexpr int toPixels(double twips) {
    return static_cast<int>(twips >= 0 ? twips / kPerPixel + 0.5 : twips / kPerPixel - 0.5);
}

constexpr double fromPixels(int pixels) {
    return static_cast<double>(pixels) * kPerPixel;
}

constexpr QSize toPixels(double width, double height) {
    return {toPixels(width), toPixels(height)};
}

constexpr QRect toPixels(double left, double top, double width, double height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace vyx::twips
