#pragma once

#include <QSize>
#include <QString>
#include <QStringView>

namespace vyx {

// How a picture's values turn into light: the transfer most video uses, or one of the two of
// high dynamic range (PQ: absolute light up to 10,000 cd/m2; HLG: relative, as phones record).
enum class Transfer { Sdr, Pq, Hlg };

// The colours of the picture's red, green and blue; a screen shows BT.709's (sRGB's).
enum class Primaries { Bt709, Bt2020, P3 };

// What the engine says of the picture it plays.
struct PictureFormat {
    QSize size;          // as shown: its pixels' shape and its rotation applied
    QString pixelFormat; // how its pixels are stored, in the engine's naming ("yuv420p10")
    Transfer transfer = Transfer::Sdr;
    Primaries primaries = Primaries::Bt709;
    // The brightest light the picture says it holds, in cd/m2; 0 when it does not say.
    double peak = 0.0;
    // How far it is turned when shown, clockwise in degrees: its file's and the user's.
    int rotation = 0;

    // Whether the picture's values must be converted before a screen of ordinary video can
    // show them: handed on as they are, HDR looks washed out and wide colours pale.
    [[nodiscard]] bool needsColourConversion() const {
        return transfer != Transfer::Sdr || primaries != Primaries::Bt709;
    }
    friend bool operator==(const PictureFormat&, const PictureFormat&) = default;
};

// The engine's names ("pq", "hlg", "bt.1886"; "bt.2020", "display-p3", "bt.709"). Anything
// unknown is taken for ordinary video, which is what the engine shows it as.
[[nodiscard]] Transfer transferFromName(QStringView name);
[[nodiscard]] Primaries primariesFromName(QStringView name);

} // namespace vyx
