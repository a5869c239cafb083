#include "Adjustments.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace vyx {

double aspectRatio(AspectOverride aspect) {
    switch (aspect) {
    case AspectOverride::FourThree:
        return 4.0 / 3.0;
    case AspectOverride::SixteenNine:
        return 16.0 / 9.0;
    case AspectOverride::Flat:
        return 1.85;
    case AspectOverride::Scope:
        return 2.35;
    case AspectOverride::File:
        break;
    }
    return -1.0;
}

AspectOverride nextAspect(AspectOverride aspect) {
    switch (aspect) {
    case AspectOverride::File:
        return AspectOverride::FourThree;
    case AspectOverride::FourThree:
        return AspectOverride::SixteenNine;
    case AspectOverride::SixteenNine:
        return AspectOverride::Flat;
    case AspectOverride::Flat:
        return AspectOverride::Scope;
    case AspectOverride::Scope:
        break;
    }
    return AspectOverride::File;
}

QString colourFilters(const PictureAdjustments& picture) {
    QStringList filters;
    if (picture.brightness != 0 || picture.contrast != 0 || picture.saturation != 0 ||
        picture.gamma != 0) {
        filters << QStringLiteral("eq=brightness=%1:contrast=%2:saturation=%3:gamma=%4")
                       .arg(picture.brightness / 100.0)
                       .arg((picture.contrast + 100) / 100.0)
                       .arg((picture.saturation + 100) / 100.0)
                       .arg(std::exp2(picture.gamma / 100.0));
    }
    if (picture.hue != 0) {
        filters << QStringLiteral("hue=h=%1").arg(picture.hue * 1.8);
    }
    return filters.isEmpty() ? QString()
                             : QStringLiteral("lavfi=[%1]").arg(filters.join(QLatin1Char(',')));
}

QString audioFilters(const SoundAdjustments& sound) {
    QStringList filters;
    if (sound.normalised) {
        // Each 0.25 s brought towards its neighbours' loudness over some 3 s, so that speech
        // under loud music comes up without pumping; the engine keeps the picture in step with
        // the filter's delay.
        filters << QStringLiteral("lavfi=[dynaudnorm=f=250:g=11:m=8]");
    }
    const bool flat =
        std::all_of(sound.gains.begin(), sound.gains.end(), [](int gain) { return gain == 0; });
    if (!flat) {
        QStringList bands;
        for (std::size_t band = 0; band < kEqualizerBands.size(); ++band) {
            if (sound.gains.at(band) != 0) {
                // An octave wide, centred on the band.
                bands << QStringLiteral("equalizer=f=%1:t=o:w=1:g=%2")
                             .arg(kEqualizerBands.at(band))
                             .arg(std::clamp(sound.gains.at(band), -kEqualizerRange,
                                             kEqualizerRange));
            }
        }
        // Lifted bands could clip: the whole is lowered by the largest lift.
        const int lift = *std::max_element(sound.gains.begin(), sound.gains.end());
        if (lift > 0) {
            bands << QStringLiteral("volume=-%1dB").arg(lift);
        }
        filters << QStringLiteral("lavfi=[%1]").arg(bands.join(QLatin1Char(',')));
    }
    return filters.join(QLatin1Char(','));
}

} // namespace vyx
