#pragma once

#include <QStringView>
#include <optional>

namespace vyx {

// What the command line asks for (--video-output=auto|opengl|software).
enum class VideoOutputMode { Auto, OpenGL, Software };

// The mode of its command-line name; nothing for a name that is none of them.
[[nodiscard]] std::optional<VideoOutputMode> videoOutputModeFromName(QStringView name);

} // namespace vyx
