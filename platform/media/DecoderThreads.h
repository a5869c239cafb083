#pragma once

#include <QSize>

namespace vyx {

// The decoder threads a machine offers: one per core.
[[nodiscard]] int decoderCores();

// How many threads decode a picture of the given size and frame rate (0 when not known) with the
// given cores. Each thread beyond the first decodes a frame of its own ahead, which costs a
// picture's worth of memory and more, and some CPU for handing frames over. Up to 1080p at 30
// frames a second one thread decodes well ahead of time, so it decodes alone; larger or faster
// pictures, and those of unknown size, get every core.
[[nodiscard]] int decoderThreads(QSize picture, double frameRate, int cores);

} // namespace vyx
