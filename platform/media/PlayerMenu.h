#pragma once

#include "media/PlayerCommand.h"

#include <QPoint>

class QWidget;

namespace vyx {

// What the player's context menu shows as enabled and ticked.
struct PlayerMenuState {
    bool loaded = false;
    bool paused = true;
    bool muted = false;
    bool fitToSize = false;
};

// Shows the player's context menu at a screen position and returns what was chosen.
[[nodiscard]] PlayerCommand choosePlayerCommand(QWidget* parent, const PlayerMenuState& state,
                                                QPoint globalPos);

} // namespace vyx
