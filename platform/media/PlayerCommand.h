#pragma once

namespace vyx {

class MediaPlayer;

// What the user can ask of the player from its keys and its context menu.
enum class PlayerCommand {
    None,
    TogglePlay,
    Stop,
    SeekBack,
    SeekForward,
    VolumeUp,
    VolumeDown,
    ToggleMute,
    ToggleFullScreen,
    LeaveFullScreen,
    OriginalSize,
    FitToSize,
};

// The player's keys; None for a key the player leaves to its window.
[[nodiscard]] PlayerCommand commandForKey(int key, bool fullScreen);

// Does what the user asked of the player.
void carryOut(MediaPlayer& player, PlayerCommand command);

} // namespace vyx
