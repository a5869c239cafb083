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
    NextChapter,
    PreviousChapter,
    SelectChapter, // the chapter in the request's value, from 0
    Screenshot,
    FrameForward,
    FrameBack,
    MarkLoop,
    SetRepeat, // a Repeat in the request's value
    ToggleShuffle,
    SubtitlesEarlier,
    SubtitlesLater,
    SoundEarlier,
    SoundLater,
    ResetDelays,
    ToggleList,
    // The picture's and the sound's adjustments (PictureCommands.h).
    RotateRight,
    RotateLeft,
    NextAspect,
    SetAspect, // an AspectOverride in the request's value
    ZoomIn,
    ZoomOut,
    ZoomReset,
    NextDeinterlace,
    SetDeinterlace, // a Deinterlace in the request's value
    ColourDown,     // a PictureColour in the request's value
    ColourUp,
    ResetPicture,
    ToggleLoudness,
    ShowEqualizer,
    SetAudioDevice, // its place in the player's list of devices in the request's value
};

struct PlayerRequest {
    PlayerCommand command = PlayerCommand::None;
    double value = 0.0;
};

// The player's keys; None for a key the player leaves to its window.
[[nodiscard]] PlayerCommand commandForKey(int key, Qt::KeyboardModifiers modifiers,
                                          bool fullScreen);

// Does what the user asked of the player, and says on the picture what changed.
void carryOut(MediaPlayer& player, PlayerRequest request);

} // namespace vyx
