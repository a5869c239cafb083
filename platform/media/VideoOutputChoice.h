#pragma once

#include "VideoOutputMode.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace vyx {

// What draws the pictures: libmpv's OpenGL renderer, which scales, converts and tone-maps on
// the GPU and takes hardware-decoded frames as they are; or its software renderer into
// memory of ours, which costs far less than any GL path where GL itself runs on the CPU.
enum class VideoOutput { Software, OpenGL };

// What the machine says of its GPU before any GL is loaded.
struct GpuHints {
    bool device = false;         // a GPU's render node (/dev/dri/renderD*, /dev/nvidiactl)
    bool nvidia = false;         // NVIDIA's own driver (/dev/nvidiactl)
    bool softwareForced = false; // LIBGL_ALWAYS_SOFTWARE asks every GL program for software GL
    // Read from this machine: a look at /dev and the environment, no library loaded.
    [[nodiscard]] static GpuHints ofThisMachine();
};

// Why GL must not draw on a machine, before GL is loaded; nothing when it may be tried.
[[nodiscard]] std::optional<QString> softwareBeforeGl(VideoOutputMode mode, GpuHints hints);
// Why GL must not draw once its context is made, from what the context says of itself;
// nothing when it is a GPU's and new enough. Forced, only a context too old is refused.
[[nodiscard]] std::optional<QString> softwareAfterGl(VideoOutputMode mode, QStringView renderer,
                                                     int majorVersion, int minorVersion,
                                                     bool openGlEs);

// The choice of output, made once for the whole program by its first picture and kept by
// every later one; the engine's info log says what was chosen and why.
class VideoOutputChoice {
public:
    explicit VideoOutputChoice(VideoOutputMode mode, GpuHints hints = GpuHints::ofThisMachine());

    [[nodiscard]] VideoOutputMode mode() const { return m_mode; }
    // The hardware decoder of this machine's driver and how its pictures reach GL, in the
    // engine's naming: of the ones the engine deems safe, only the one the driver speaks is
    // tried, since the others' libraries say on standard error that they are missing.
    struct HardwareDecoding {
        QString decoder;
        QString interop;
    };
    [[nodiscard]] HardwareDecoding hardwareDecoding() const;
    // What the next picture is drawn with: GL until it is known not to do.
    [[nodiscard]] VideoOutput next();
    // The first GL picture has its context, which the renderer named.
    void glWorks(const QString& renderer);
    // GL does not do, for the reason given: software from here on.
    void glFails(const QString& reason);

private:
    void decide(VideoOutput output, const QString& detail);

    const VideoOutputMode m_mode;
    const GpuHints m_hints;
    std::optional<VideoOutput> m_chosen;
};

} // namespace vyx
