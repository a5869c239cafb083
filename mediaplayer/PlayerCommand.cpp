#include "PlayerCommand.h"

#include "ControlBar.h"
#include "MediaPlayer.h"
#include "PictureCommands.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace vyx {

namespace {

// The texts of these functions, translated as the player's own.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vyx::MediaPlayer)
};

// Ctrl with minus and plus moves the sound; the others are the same with or without it.
PlayerCommand soundDelayKey(int key) {
    switch (key) {
    case Qt::Key_Minus:
        return PlayerCommand::SoundEarlier;
    case Qt::Key_Plus:
    case Qt::Key_Equal: // plus without its shift
        return PlayerCommand::SoundLater;
    default:
        return PlayerCommand::None;
    }
}

QString trackText(const MediaPlayer& player, MediaTrack::Kind kind, int id) {
    const bool audio = kind == MediaTrack::Kind::Audio;
    for (const MediaTrack& track : player.tracks()) {
        if (track.kind == kind && track.id == id) {
            return (audio ? Texts::tr("Audio: %1") : Texts::tr("Subtitles: %1")).arg(track.label);
        }
    }
    return audio ? QString() : Texts::tr("Subtitles off");
}

QString repeatText(Repeat repeat) {
    switch (repeat) {
    case Repeat::Entry:
        return Texts::tr("Repeat this entry");
    case Repeat::List:
        return Texts::tr("Repeat the whole list");
    case Repeat::Off:
        break;
    }
    return Texts::tr("Repeat off");
}

QString positionText(const MediaPlayer& player, double at) {
    return ControlBar::formatTime(at) + QStringLiteral(" / ") +
           ControlBar::formatTime(player.duration());
}

void selectTrack(MediaPlayer& player, MediaTrack::Kind kind, int id) {
    player.selectTrack(kind, id);
    player.say(trackText(player, kind, id));
}

void setSpeed(MediaPlayer& player, double speed) {
    player.setSpeed(speed);
    player.say(Texts::tr("Speed %1x").arg(QLocale().toString(player.speed(), 'f', 2)));
}

} // namespace

PlayerCommand commandForKey(int key, Qt::KeyboardModifiers modifiers, bool fullScreen) {
    if (modifiers.testFlag(Qt::ControlModifier) && soundDelayKey(key) != PlayerCommand::None) {
        return soundDelayKey(key);
    }
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
    case Qt::Key_PageDown:
        return PlayerCommand::NextChapter;
    case Qt::Key_PageUp:
        return PlayerCommand::PreviousChapter;
    case Qt::Key_S:
        return PlayerCommand::Screenshot;
    case Qt::Key_Period:
        return PlayerCommand::FrameForward;
    case Qt::Key_Comma:
        return PlayerCommand::FrameBack;
    case Qt::Key_L:
        return PlayerCommand::MarkLoop;
    case Qt::Key_Z:
        return PlayerCommand::SubtitlesEarlier;
    case Qt::Key_X:
        return PlayerCommand::SubtitlesLater;
    case Qt::Key_F9:
        return PlayerCommand::ToggleList;
    default:
        return PlayerCommand::None;
    }
}

void carryOut(MediaPlayer& player, PlayerRequest request) {
    if (carryOutAdjustment(player, request)) {
        return;
    }
    constexpr double kSeekSeconds = 5.0;
    constexpr double kVolumeStep = 5.0;
    // As the engine's own keys do: ten percent a step, so that the steps are even to the ear.
    constexpr double kSpeedStep = 1.1;
    constexpr double kDelayStep = 0.1;
    const PlayerCommand command = request.command;
    const bool forward =
        command == PlayerCommand::SeekForward || command == PlayerCommand::VolumeUp ||
        command == PlayerCommand::NextChapter || command == PlayerCommand::SubtitlesLater ||
        command == PlayerCommand::SoundLater;
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
        if (const auto to =
                player.seek(player.position() + (forward ? kSeekSeconds : -kSeekSeconds))) {
            player.say(positionText(player, *to));
        }
        break;
    case PlayerCommand::VolumeUp:
    case PlayerCommand::VolumeDown:
        player.setVolumePercent(player.volumePercent() + (forward ? kVolumeStep : -kVolumeStep));
        player.say(Texts::tr("Volume %1%").arg(std::lround(player.volumePercent())));
        break;
    case PlayerCommand::ToggleMute:
        player.setMute(!player.Mute());
        player.say(player.Mute() ? Texts::tr("Mute") : Texts::tr("Sound on"));
        break;
    case PlayerCommand::ToggleFullScreen:
    case PlayerCommand::LeaveFullScreen:
        player.setFullScreen(command == PlayerCommand::ToggleFullScreen &&
                             !player.isShownFullScreen());
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
    case PlayerCommand::CycleSubtitle: {
        const auto kind = command == PlayerCommand::CycleAudio ? MediaTrack::Kind::Audio
                                                               : MediaTrack::Kind::Subtitle;
        selectTrack(player, kind, nextTrack(player.tracks(), kind));
        break;
    }
    case PlayerCommand::SelectAudio:
    case PlayerCommand::SelectSubtitle:
        selectTrack(player,
                    command == PlayerCommand::SelectAudio ? MediaTrack::Kind::Audio
                                                          : MediaTrack::Kind::Subtitle,
                    static_cast<int>(request.value));
        break;
    case PlayerCommand::LoadSubtitles:
        player.chooseSubtitles();
        break;
    case PlayerCommand::Slower:
    case PlayerCommand::Faster:
        setSpeed(player, command == PlayerCommand::Faster ? player.speed() * kSpeedStep
                                                          : player.speed() / kSpeedStep);
        break;
    case PlayerCommand::NormalSpeed:
        setSpeed(player, 1.0);
        break;
    case PlayerCommand::SetSpeed:
        setSpeed(player, request.value);
        break;
    case PlayerCommand::NextChapter:
    case PlayerCommand::PreviousChapter:
        player.say(player.marks().stepChapter(forward ? 1 : -1));
        break;
    case PlayerCommand::SelectChapter:
        player.say(player.marks().goToChapter(static_cast<int>(request.value)));
        break;
    case PlayerCommand::Screenshot:
        player.saveScreenshot();
        break;
    case PlayerCommand::FrameForward:
    case PlayerCommand::FrameBack:
        player.stepFrame(command == PlayerCommand::FrameBack);
        break;
    case PlayerCommand::MarkLoop:
        if (player.isLoaded() && !player.isLive()) {
            player.say(player.marks().markLoop(player.position()));
        }
        break;
    case PlayerCommand::SetRepeat:
        player.setRepeat(static_cast<Repeat>(static_cast<int>(request.value)));
        player.say(repeatText(player.repeat()));
        break;
    case PlayerCommand::ToggleShuffle:
        player.setShuffle(!player.shuffled());
        player.say(player.shuffled() ? Texts::tr("Shuffle on") : Texts::tr("Shuffle off"));
        break;
    case PlayerCommand::SubtitlesEarlier:
    case PlayerCommand::SubtitlesLater:
    case PlayerCommand::SoundEarlier:
    case PlayerCommand::SoundLater:
        player.say(player.delays().add(command == PlayerCommand::SoundEarlier ||
                                               command == PlayerCommand::SoundLater
                                           ? MediaTrack::Kind::Audio
                                           : MediaTrack::Kind::Subtitle,
                                       forward ? kDelayStep : -kDelayStep));
        break;
    case PlayerCommand::ResetDelays:
        player.say(player.delays().reset());
        break;
    case PlayerCommand::ToggleList:
        player.setListShown(!player.isListShown());
        break;
    default: // the adjustments, carried out above
        break;
    }
}

} // namespace vyx
