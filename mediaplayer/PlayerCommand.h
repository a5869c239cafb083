#pragma once

#include <Qt>

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
    NextEntry,
    PreviousEntry,
    CycleAudio,
    CycleSubtitle,
    SelectAudio,    // the track in the request's value
    SelectSubtitle, // the track in the request's value, 0 for none
    LoadSubtitles,
    Slower,
    Faster,
    NormalSpeed,
    SetSpeed, // the speed in the request's value
};

struct PlayerRequest {
    PlayerCommand command = PlayerCommand::None;
    double value = 0.0;
};

// The player's keys; None for a key the player leaves to its window.
[[nodiscard]] PlayerCommand commandForKey(int key, bool fullScreen);

// Does what the user asked of the player.
void carryOut(MediaPlayer& player, PlayerRequest request);

} // namespace vyx
