#include "PlayerCommand.h"

#include "media/MediaPlayer.h"

#include <Qt>

namespace vyx {

PlayerCommand commandForKey(int key, bool fullScreen) {
    switch (key) {
    case Qt::Key_Space:
        return PlayerCommand::TogglePlay;
    case Qt::Key_Left:
        return PlayerCommand::SeekBack;
    case Qt::Key_Right:
        return PlayerCommand::SeekForward;
    case Qt::Key_Up:
        return PlayerCommand::VolumeUp;
    case Qt::Key_Down:
        return PlayerCommand::VolumeDown;
    case Qt::Key_M:
        return PlayerCommand::ToggleMute;
    case Qt::Key_F:
        return PlayerCommand::ToggleFullScreen;
    case Qt::Key_Escape:
        // Outside full screen Escape belongs to the window (a dialog's Cancel, for one).
        return fullScreen ? PlayerCommand::LeaveFullScreen : PlayerCommand::None;
    default:
        return PlayerCommand::None;
    }
}

void carryOut(MediaPlayer& player, PlayerCommand command) {
    constexpr double kSeekSeconds = 5.0;
    constexpr double kVolumeStep = 5.0;
    switch (command) {
    case PlayerCommand::None:
        break;
    case PlayerCommand::TogglePlay:
        player.togglePlay();
        break;
    case PlayerCommand::Stop:
        player.stop();
        break;
    case PlayerCommand::SeekBack:
    case PlayerCommand::SeekForward:
        player.seek(player.position() +
                    (command == PlayerCommand::SeekBack ? -kSeekSeconds : kSeekSeconds));
        break;
    case PlayerCommand::VolumeUp:
    case PlayerCommand::VolumeDown:
        player.setVolumePercent(player.volumePercent() +
                                (command == PlayerCommand::VolumeUp ? kVolumeStep : -kVolumeStep));
        break;
    case PlayerCommand::ToggleMute:
        player.setMute(!player.Mute());
        break;
    case PlayerCommand::ToggleFullScreen:
    case PlayerCommand::LeaveFullScreen:
        player.setFullScreen(command == PlayerCommand::ToggleFullScreen && !player.isFullScreen());
        break;
    case PlayerCommand::OriginalSize:
    case PlayerCommand::FitToSize:
        player.setDisplaySize(command == PlayerCommand::FitToSize ? DisplaySizeMode::FitToSize
                                                                  : DisplaySizeMode::Default);
        break;
    }
}

} // namespace vyx
