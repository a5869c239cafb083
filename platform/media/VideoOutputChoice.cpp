#include "VideoOutputChoice.h"

#include "media/MpvCore.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace vyx {

GpuHints GpuHints::ofThisMachine() {
    GpuHints hints;
    hints.nvidia = QFileInfo::exists(QStringLiteral("/dev/nvidiactl"));
    hints.device = hints.nvidia || !QDir(QStringLiteral("/dev/dri"))
                                        .entryList({QStringLiteral("renderD*")}, QDir::System)
                                        .isEmpty();
    const QByteArray forced = qgetenv("LIBGL_ALWAYS_SOFTWARE");
    hints.softwareForced = !forced.isEmpty() && forced != "0" && forced != "false";
    return hints;
}

std::optional<QString> softwareBeforeGl(VideoOutputMode mode, GpuHints hints) {
    switch (mode) {
    case VideoOutputMode::Software:
        return QStringLiteral("asked for");
    case VideoOutputMode::OpenGL:
        return std::nullopt;
    case VideoOutputMode::Auto:
        break;
    }
    if (hints.softwareForced) {
        return QStringLiteral("software GL asked for by LIBGL_ALWAYS_SOFTWARE");
    }
    if (!hints.device) {
        return QStringLiteral("no GPU device");
    }
    return std::nullopt;
}

std::optional<QString> softwareAfterGl(VideoOutputMode mode, QStringView renderer, int majorVersion,
                                       int minorVersion, bool openGlEs) {
    // The engine's GL renderer needs OpenGL 2.1 or OpenGL ES 2.0.
    const bool tooOld =
        openGlEs ? majorVersion < 2 : majorVersion < 2 || (majorVersion == 2 && minorVersion < 1);
    if (tooOld) {
        return QStringLiteral("GL %1.%2 is too old").arg(majorVersion).arg(minorVersion);
    }
    // Mesa's and Microsoft's renderers that run on the CPU, by the names they give.
    static constexpr std::array kSoftware{u"llvmpipe", u"softpipe", u"Software Rasterizer",
                                          u"swrast", u"Microsoft Basic Render Driver"};
    const bool software = std::any_of(kSoftware.begin(), kSoftware.end(), [renderer](auto name) {
        return renderer.contains(name, Qt::CaseInsensitive);
    });
    if (software && mode == VideoOutputMode::Auto) {
        return QStringLiteral("GL renderer \"%1\" is software").arg(renderer);
    }
    return std::nullopt;
}

VideoOutputChoice::VideoOutputChoice(VideoOutputMode mode, GpuHints hints)
    : m_mode(mode)
    , m_hints(hints) {}

VideoOutputChoice::HardwareDecoding VideoOutputChoice::hardwareDecoding() const {
    if (m_hints.nvidia) {
        return {QStringLiteral("nvdec"), QStringLiteral("cuda")};
    }
    return {QStringLiteral("vaapi"), QStringLiteral("vaapi")};
}

VideoOutput VideoOutputChoice::next() {
    if (m_chosen) {
        return *m_chosen;
    }
    if (const std::optional<QString> reason = softwareBeforeGl(m_mode, m_hints)) {
        decide(VideoOutput::Software, *reason);
        return VideoOutput::Software;
    }
    return VideoOutput::OpenGL;
}

void VideoOutputChoice::glWorks(const QString& renderer) {
    if (!m_chosen) {
        decide(VideoOutput::OpenGL, renderer);
    }
}

void VideoOutputChoice::glFails(const QString& reason) {
    if (m_chosen != VideoOutput::Software) {
        m_chosen.reset();
        decide(VideoOutput::Software, reason);
    }
}

void VideoOutputChoice::decide(VideoOutput output, const QString& detail) {
    m_chosen = output;
    if (output == VideoOutput::OpenGL) {
        qCInfo(engineLog, "video output: opengl, GL renderer \"%s\"", qUtf8Printable(detail));
    } else {
        qCInfo(engineLog, "video output: software (%s)", qUtf8Printable(detail));
    }
}

} // namespace vyx
