#include "ColourConversion.h"

#include <algorithm>
#include <cmath>

namespace vyx {

namespace {

// The light of ordinary white in an HDR picture (ITU-R BT.2408), and the brightest light an
// HLG picture is made for.
constexpr double kWhite = 203.0;
constexpr double kHlgPeak = 1000.0;
// What a film says nothing of its brightest light is mastered for.
constexpr double kAssumedPeak = 1000.0;
// Highlights are brought down from three quarters of white, so that white itself stays near it.
constexpr float kKnee = 0.75F;
constexpr int kMaxStored = 1023;
constexpr float kScreenSteps = 65536.0F;

// SMPTE ST 2084: a stored value (0 to 1) to cd/m2.
double pqToLight(double stored) {
    constexpr double m1 = 2610.0 / 16384.0;
    constexpr double m2 = 2523.0 / 4096.0 * 128.0;
    constexpr double c1 = 3424.0 / 4096.0;
    constexpr double c2 = 2413.0 / 4096.0 * 32.0;
    constexpr double c3 = 2392.0 / 4096.0 * 32.0;
    const double p = std::pow(stored, 1.0 / m2);
    return 10000.0 * std::pow(std::max(p - c1, 0.0) / (c2 - c3 * p), 1.0 / m1);
}

// ARIB STD-B67 (ITU-R BT.2100): a stored value to the light of the scene, 0 to 1.
double hlgToScene(double stored) {
    constexpr double a = 0.17883277;
    constexpr double b = 1.0 - 4.0 * a;
    const double c = 0.5 - a * std::log(4.0 * a);
    return stored <= 0.5 ? stored * stored / 3.0 : (std::exp((stored - c) / a) + b) / 12.0;
}

// Linear light of the screen's primaries, from BT.2020's and from P3's (both with D65 white).
constexpr std::array<std::array<float, 3>, 3> kFromBt2020{{{1.660491F, -0.587641F, -0.072850F},
                                                           {-0.124550F, 1.132900F, -0.008349F},
                                                           {-0.018151F, -0.100579F, 1.118730F}}};
constexpr std::array<std::array<float, 3>, 3> kFromP3{{{1.224940F, -0.224940F, 0.0F},
                                                       {-0.042057F, 1.042057F, 0.0F},
                                                       {-0.019638F, -0.078636F, 1.098274F}}};

} // namespace

ColourConversion::ColourConversion(const PictureFormat& format)
    : m_hlg(format.transfer == Transfer::Hlg) {
    for (int stored = 0; stored <= kMaxStored; ++stored) {
        const double value = static_cast<double>(stored) / kMaxStored;
        double light = 0.0;
        switch (format.transfer) {
        case Transfer::Pq:
            light = pqToLight(value) / kWhite;
            break;
        case Transfer::Hlg:
            light = hlgToScene(value);
            break;
        case Transfer::Sdr:
            // As a screen of ordinary video shows it (BT.1886).
            light = std::pow(value, 2.4);
            break;
        }
        m_light.at(stored) = static_cast<float>(light);
    }
    if (m_hlg) {
        // The display's own gamma for a 1000 cd/m2 screen, on the scene's luminance: HLG's
        // three-quarter value is then ordinary white.
        constexpr double kGamma = 1.2;
        for (std::size_t step = 0; step < m_hlgGain.size(); ++step) {
            const double root =
                static_cast<double>(step) / static_cast<double>(m_hlgGain.size() - 1);
            const double luminance = std::max(root * root, 1e-6);
            m_hlgGain.at(step) =
                static_cast<float>(kHlgPeak / kWhite * std::pow(luminance, kGamma - 1.0));
        }
    }
    for (std::size_t step = 0; step < m_screen.size(); ++step) {
        const double light = static_cast<double>(step) / kScreenSteps;
        m_screen.at(step) =
            static_cast<std::uint8_t>(std::lround(255.0 * std::pow(light, 1.0 / 2.4)));
    }
    m_convertPrimaries = format.primaries != Primaries::Bt709;
    m_primaries = format.primaries == Primaries::P3 ? kFromP3 : kFromBt2020;
    // Ordinary video has nothing above white: what the primaries put beyond it is clipped.
    double peak = kWhite;
    if (format.transfer == Transfer::Hlg) {
        peak = kHlgPeak;
    } else if (format.transfer == Transfer::Pq) {
        peak = format.peak > 0.0 ? std::max(format.peak, kWhite) : kAssumedPeak;
    }
    pictureDone(static_cast<float>(peak / kWhite));
    m_measured = false;
}

template <bool Hlg, bool Wide>
inline ColourConversion::Light
ColourConversion::toScreenLight(std::uint32_t red, std::uint32_t green, std::uint32_t blue) const {
    Light light{m_light[red], m_light[green], m_light[blue]};
    if constexpr (Hlg) {
        const float luminance = 0.2627F * light.red + 0.6780F * light.green + 0.0593F * light.blue;
        const auto step = static_cast<int>(std::sqrt(std::min(luminance, 1.0F)) *
                                           static_cast<float>(m_hlgGain.size() - 1));
        const float gain = m_hlgGain[static_cast<std::size_t>(step)];
        light = {light.red * gain, light.green * gain, light.blue * gain};
    }
    if constexpr (Wide) {
        const auto& m = m_primaries;
        light = {m[0][0] * light.red + m[0][1] * light.green + m[0][2] * light.blue,
                 m[1][0] * light.red + m[1][1] * light.green + m[1][2] * light.blue,
                 m[2][0] * light.red + m[2][1] * light.green + m[2][2] * light.blue};
    }
    return light;
}

inline std::uint32_t ColourConversion::toScreenPixel(Light light, float brightest) const {
    // Brought down by the brightest of the three, so that a highlight keeps its colour.
    if (brightest > m_knee) {
        const float step = std::min((brightest - m_knee) * m_stepsPerLight,
                                    static_cast<float>(m_bringDown.size() - 1));
        const float scale = m_bringDown[static_cast<std::size_t>(static_cast<int>(step))];
        light = {light.red * scale, light.green * scale, light.blue * scale};
    }
    const auto screen = [this](float value) -> std::uint32_t {
        // Colours outside the screen's come to its edge.
        const float step = std::min(std::max(value * kScreenSteps, 0.0F), kScreenSteps);
        return m_screen[static_cast<std::size_t>(static_cast<int>(step))];
    };
    return 0xff000000U | screen(light.red) << 16U | screen(light.green) << 8U | screen(light.blue);
}

void ColourConversion::pictureDone(float brightest) {
    // Within white there is nothing to bring down. A brighter picture is followed at once; a
    // darker one slowly, so that a highlight leaving the picture does not make it jump.
    const float peak = std::max(brightest, 1.0F);
    // What the picture says of itself holds until its first picture is seen.
    const float followed = peak >= m_peak || !m_measured ? peak : m_peak + (peak - m_peak) * 0.05F;
    m_measured = true;
    if (followed == m_peak && m_stepsPerLight > 0.0F) {
        return;
    }
    m_peak = followed;
    m_knee = m_peak > 1.0F ? kKnee : 1.0F;
    const float steps = static_cast<float>(m_bringDown.size() - 1);
    m_stepsPerLight = steps / std::max(m_peak - m_knee, 1e-3F);
    // From the knee the light rises ever more slowly, and reaches white at the peak.
    const float top = (m_peak - m_knee) / (1.0F - m_knee);
    for (std::size_t step = 0; step < m_bringDown.size(); ++step) {
        const float light = m_knee + static_cast<float>(step) / m_stepsPerLight;
        const float over = (light - m_knee) / (1.0F - m_knee);
        const float brought =
            m_knee + (1.0F - m_knee) * over * (1.0F + over / (top * top)) / (1.0F + over);
        m_bringDown.at(step) = m_peak > 1.0F ? brought / light : 1.0F;
    }
}

template <bool Hlg, bool Wide>
float ColourConversion::convertPixels(const FrameTarget& from, const FrameTarget& to) const {
    constexpr std::uint32_t kMask = 0x3ff;
    float brightest = 0.0F;
    for (int y = 0; y < from.size.height(); ++y) {
        const auto* in = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::byte*>(from.pixels) + static_cast<std::size_t>(y) * from.stride);
        auto* out = reinterpret_cast<std::uint32_t*>(static_cast<std::byte*>(to.pixels) +
                                                     static_cast<std::size_t>(y) * to.stride);
        for (int x = 0; x < from.size.width(); ++x) {
            const std::uint32_t pixel = in[x];
            const Light light =
                toScreenLight<Hlg, Wide>(pixel >> 20U & kMask, pixel >> 10U & kMask, pixel & kMask);
            const float most = std::max(light.red, std::max(light.green, light.blue));
            brightest = std::max(brightest, most);
            out[x] = toScreenPixel(light, most);
        }
    }
    return brightest;
}

void ColourConversion::convert(const FrameTarget& from, const FrameTarget& to) {
    // The choices made once for the whole picture, not at every pixel.
    float brightest = 0.0F;
    if (m_hlg) {
        brightest = m_convertPrimaries ? convertPixels<true, true>(from, to)
                                       : convertPixels<true, false>(from, to);
    } else {
        brightest = m_convertPrimaries ? convertPixels<false, true>(from, to)
                                       : convertPixels<false, false>(from, to);
    }
    pictureDone(brightest);
}

std::array<int, 3> ColourConversion::convertPixel(std::array<int, 3> stored) {
    const auto value = [](int channel) {
        return static_cast<std::uint32_t>(std::clamp(channel, 0, kMaxStored));
    };
    const std::uint32_t red = value(stored[0]);
    const std::uint32_t green = value(stored[1]);
    const std::uint32_t blue = value(stored[2]);
    Light light{};
    if (m_hlg) {
        light = m_convertPrimaries ? toScreenLight<true, true>(red, green, blue)
                                   : toScreenLight<true, false>(red, green, blue);
    } else {
        light = m_convertPrimaries ? toScreenLight<false, true>(red, green, blue)
                                   : toScreenLight<false, false>(red, green, blue);
    }
    const std::uint32_t pixel =
        toScreenPixel(light, std::max(light.red, std::max(light.green, light.blue)));
    return {static_cast<int>(pixel >> 16U & 0xffU), static_cast<int>(pixel >> 8U & 0xffU),
            static_cast<int>(pixel & 0xffU)};
}

} // namespace vyx
