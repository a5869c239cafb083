#pragma once

#include "PlayerCommand.h"
#include "PlayerList.h"
#include "media/Adjustments.h"
#include "media/MediaTracks.h"

#include <QList>
#include <QPoint>
#include <functional>

class QMenu;
class QWidget;

namespace vyx {

// What the player's context menu shows as enabled and ticked.
struct PlayerMenuState {
    bool loaded = false;
    bool paused = true;
    bool muted = false;
    bool fitToSize = false;
    bool severalEntries = false;
    bool listAllowed = false;
    bool listShown = false;
    double speed = 1.0;
    QList<MediaTrack> tracks;
    QStringList chapters; // their titles
    int chapter = -1;
    Repeat repeat = Repeat::Off;
    bool shuffled = false;
    PictureAdjustments picture;
    SoundAdjustments sound;
    // The output devices, asked for when their menu opens: the list may come in meanwhile.
    std::function<QList<AudioDevice>()> devices;
};

// The player's context menu, its items carrying their requests.
void fillPlayerMenu(QMenu& menu, const PlayerMenuState& state);
// Shows the player's context menu at a screen position and returns what was chosen.
[[nodiscard]] PlayerRequest choosePlayerCommand(QWidget* parent, const PlayerMenuState& state,
                                                QPoint globalPos);

} // namespace vyx
