#pragma once

#include "media/PictureFit.h"

namespace vyx {

// The settings a window gives its player; they are fixed for the player's life.
struct MediaPlayerSettings {
    bool AutoStart = true;
    bool AutoRewind = false;
    DisplaySizeMode DisplaySize = DisplaySizeMode::Default;
    bool ShowControls = true;
    bool ShowPositionControls = true;
    bool ShowTracker = true;
    bool ShowAudioControls = true;
    bool EnableContextMenu = true;
    bool ClickToPlay = true;
    int PlayCount = 1; // 0 repeats for ever
    bool Mute = false;
    int Volume = 0;          // hundredths of a decibel, 0 full, -10000 silent
    bool ListBeside = false; // F9 shows the list beside the picture
};

} // namespace vyx
