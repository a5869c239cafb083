#include "VideoOutputMode.h"

namespace vyx {

std::optional<VideoOutputMode> videoOutputModeFromName(QStringView name) {
    if (name == u"auto") {
        return VideoOutputMode::Auto;
    }
    if (name == u"opengl") {
        return VideoOutputMode::OpenGL;
    }
    if (name == u"software") {
        return VideoOutputMode::Software;
    }
    return std::nullopt;
}

} // namespace vyx
