#include "PlayerCommand.h"

#include "MediaPlayer.h"

namespace vyx {

PlayerCommand commandForKey(int key, bool fullScreen) {
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_MediaTogglePlayPause:
        return PlayerCommand::TogglePlay;
    case Qt::Key_MediaStop:
        return PlayerCommand::Stop;
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
    case Qt::Key_Greater:
    case Qt::Key_MediaNext:
        return PlayerCommand::NextEntry;
    case Qt::Key_Less:
    case Qt::Key_MediaPrevious:
        return PlayerCommand::PreviousEntry;
    case Qt::Key_NumberSign:
        return PlayerCommand::CycleAudio;
    case Qt::Key_J:
        return PlayerCommand::CycleSubtitle;
    case Qt::Key_BracketLeft:
        return PlayerCommand::Slower;
    case Qt::Key_BracketRight:
        return PlayerCommand::Faster;
    case Qt::Key_Backspace:
        return PlayerCommand::NormalSpeed;
    default:
        return PlayerCommand::None;
    }
}

void carryOut(MediaPlayer& player, PlayerRequest request) {
    constexpr double kSeekSeconds = 5.0;
    constexpr double kVolumeStep = 5.0;
    // As the engine's own keys do: ten percent a step, so that the steps are even to the ear.
    constexpr double kSpeedStep = 1.1;
    const PlayerCommand command = request.command;
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
    case PlayerCommand::NextEntry:
        player.next();
        break;
    case PlayerCommand::PreviousEntry:
        player.previous();
        break;
    case PlayerCommand::CycleAudio:
        player.selectTrack(MediaTrack::Kind::Audio,
                           nextTrack(player.tracks(), MediaTrack::Kind::Audio));
        break;
    case PlayerCommand::CycleSubtitle:
        player.selectTrack(MediaTrack::Kind::Subtitle,
                           nextTrack(player.tracks(), MediaTrack::Kind::Subtitle));
        break;
    case PlayerCommand::SelectAudio:
    case PlayerCommand::SelectSubtitle:
        player.selectTrack(command == PlayerCommand::SelectAudio ? MediaTrack::Kind::Audio
                                                                 : MediaTrack::Kind::Subtitle,
                           static_cast<int>(request.value));
        break;
    case PlayerCommand::LoadSubtitles:
        player.chooseSubtitles();
        break;
    case PlayerCommand::Slower:
    case PlayerCommand::Faster:
        player.setSpeed(command == PlayerCommand::Faster ? player.speed() * kSpeedStep
                                                         : player.speed() / kSpeedStep);
        break;
    case PlayerCommand::NormalSpeed:
        player.setSpeed(1.0);
        break;
    case PlayerCommand::SetSpeed:
        player.setSpeed(request.value);
        break;
    }
}

} // namespace vyx
