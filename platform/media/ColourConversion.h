#pragma once

#include "media/FrameBuffer.h"
#include "media/PictureFormat.h"

#include <array>
#include <cstdint>

namespace vyx {

// Puts a picture of high dynamic range or wide colours into the colours of a screen of
// ordinary video, in software: its values into light as it is meant to be seen, ordinary
// white (203 cd/m2 in HDR) onto the screen's white, the colours into the screen's primaries,
// the highlights above white brought into range instead of clipped, and back into the screen's
// values. The engine scales the picture first and hands it over as it is stored (R'G'B', 10
// bits a channel), so this runs over the pixels shown, not the film's.
class ColourConversion {
public:
    explicit ColourConversion(const PictureFormat& format);

    // The engine's 10-bit pixels (X2RGB10) into Qt's RGB32; both of the same size.
    void convert(const FrameTarget& from, const FrameTarget& to);
    // One pixel's stored values (0 to 1023) as the screen's (0 to 255), red, green and blue,
    // as convert() would give it after the pictures converted so far.
    [[nodiscard]] std::array<int, 3> convertPixel(std::array<int, 3> stored);

private:
    struct Light {
        float red;
        float green;
        float blue;
    };
    // Inlined into the loop over the pixels, where they spend the time.
    template <bool Hlg, bool Wide>
    [[nodiscard, gnu::always_inline]] Light toScreenLight(std::uint32_t red, std::uint32_t green,
                                                          std::uint32_t blue) const;
    // The light brought into the screen's range, as its pixel; brightest is the light's largest
    // channel.
    [[nodiscard, gnu::always_inline]] std::uint32_t toScreenPixel(Light light,
                                                                  float brightest) const;
    // The pixels of one picture; returns its brightest light.
    template <bool Hlg, bool Wide>
    [[nodiscard]] float convertPixels(const FrameTarget& from, const FrameTarget& to) const;
    // The brightest light of the last picture becomes what highlights are brought down from.
    void pictureDone(float brightest);

    // Stored value -> linear light, 1.0 at ordinary white (for HLG, the light of the scene).
    std::array<float, 1024> m_light{};
    // For HLG: how the display brightens the scene, by the scene's luminance (square-root
    // steps, so that dark scenes keep their precision).
    std::array<float, 1024> m_hlgGain{};
    // Linear light in 1/65536ths of white -> the screen's 8-bit value.
    std::array<std::uint8_t, 65537> m_screen{};
    // For light above the knee, in steps up to the peak: how much it is brought down.
    std::array<float, 1025> m_bringDown{};
    std::array<std::array<float, 3>, 3> m_primaries{};
    bool m_convertPrimaries = false;
    bool m_hlg = false;
    // Light at which highlights start being brought down, the brightest light expected, and
    // the steps of m_bringDown between them.
    float m_knee = 1.0F;
    float m_peak = 1.0F;
    float m_stepsPerLight = 0.0F;
    // Whether a picture has been converted since the peak was last said.
    bool m_measured = false;
};

} // namespace vyx
