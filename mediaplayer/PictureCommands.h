#pragma once

#include "PlayerCommand.h"

#include <optional>

namespace vyx {

class MediaPlayer;

// The picture's colours that the user sets, in the order of their keys (1 and 2 for contrast,
// 3 and 4 for brightness...).
enum class PictureColour { Contrast, Brightness, Gamma, Saturation, Hue };

// The keys of the picture's and the sound's adjustments; nothing for any other key.
[[nodiscard]] std::optional<PlayerRequest> adjustmentForKey(int key,
                                                            Qt::KeyboardModifiers modifiers);

// Carries out a request to adjust the picture or the sound and says on the picture what it is
// now; false for any other request.
bool carryOutAdjustment(MediaPlayer& player, const PlayerRequest& request);

} // namespace vyx
