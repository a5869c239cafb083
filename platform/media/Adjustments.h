#pragma once

#include <QList>
#include <QString>
#include <array>

namespace vyx {

// The shape a picture is shown in, whatever its file says.
enum class AspectOverride { File, FourThree, SixteenNine, Flat, Scope };

// When interlaced pictures are woven back into whole ones.
enum class Deinterlace { Automatic, On, Off };

// How the user has set the picture, for as long as the program runs.
struct PictureAdjustments {
    int rotation = 0; // degrees clockwise, in quarter turns
    AspectOverride aspect = AspectOverride::File;
    int zoomSteps = 0; // each a tenth of an octave; 0 is the window's own fit
    Deinterlace deinterlace = Deinterlace::Automatic;
    // Each from -100 to 100, 0 as the file has it.
    int brightness = 0;
    int contrast = 0;
    int saturation = 0;
    int gamma = 0;
    int hue = 0;
    friend bool operator==(const PictureAdjustments&, const PictureAdjustments&) = default;
};

// libavfilter's filters for the picture's colours, as the engine's own GL equalizer reads the
// same values (brightness an offset, contrast, saturation and gamma factors, hue an angle);
// empty when the colours are as the file has them.
[[nodiscard]] QString colourFilters(const PictureAdjustments& picture);

// The shape's width over its height; negative for the file's own.
[[nodiscard]] double aspectRatio(AspectOverride aspect);
// The next shape in the order the user steps through them.
[[nodiscard]] AspectOverride nextAspect(AspectOverride aspect);

// The equalizer's bands, in Hz, and how far each may go, in dB.
constexpr std::array<int, 10> kEqualizerBands{31, 62, 125, 250, 500, 1000, 2000, 4000, 8000, 16000};
constexpr int kEqualizerRange = 12;
using EqualizerGains = std::array<int, 10>;

// How the user has set the sound, for as long as the program runs.
struct SoundAdjustments {
    // Quiet and loud passages brought nearer each other.
    bool normalised = false;
    EqualizerGains gains{};
    // The engine's name of the output device; empty for the desktop's default.
    QString device;
    friend bool operator==(const SoundAdjustments&, const SoundAdjustments&) = default;
};

// The engine's audio filters for the adjustments (libavfilter's, in its "af" syntax); empty
// when nothing is adjusted, so that the sound goes through no filter at all.
[[nodiscard]] QString audioFilters(const SoundAdjustments& sound);

// An output device as the engine lists it: its name for the engine, and its description.
struct AudioDevice {
    QString name;
    QString description;
    friend bool operator==(const AudioDevice&, const AudioDevice&) = default;
};

} // namespace vyx
