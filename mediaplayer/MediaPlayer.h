#pragma once

#include "MediaPlayerSettings.h"
#include "Playback.h"
#include "PlayerMenu.h"
#include "media/MediaTracks.h"
#include "media/PictureFit.h"

#include <QStringList>
#include <QWidget>

namespace vyx {

class ControlBar;
class EngineAdjustments;
class EqualizerDialog;
class FullScreenControls;
class PlayerListView;
class PlayerScreen;
class VideoOutputChoice;
class VideoSurface;

// A media player component: the picture and its control bar around what it plays (Playback,
// which it hands its commands on to). It takes the keys and the menu, fits the picture, and
// asks its window for full screen rather than taking the screen itself.
class MediaPlayer final : public QWidget {
    Q_OBJECT
public:
    // The pictures are drawn with the output the program chose for them all.
    MediaPlayer(const MediaPlayerSettings& settings, VideoOutputChoice& outputs, QWidget* parent);
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // Replaces what was loaded and, with AutoStart, plays it. Throws for what can be known at
    // once (no name, missing, folder, unreadable, not audio or video); the loaded file is then
    // left as it was. Failures found while playing are shown in the player itself. An http://
    // or https:// address is streamed; its failures are found while playing.
    void Open(const QString& path) { m_playback->openList({path}); }
    // The same with a list, which plays in turn; the first entry is checked at once, the others
    // in their turn, and one that cannot be played is passed over.
    void OpenList(const QStringList& entries) { m_playback->openList(entries); }
    // What was dropped: subtitles for what plays, or else a new list.
    void openDropped(const QStringList& entries);
    // Throws for a file that cannot be read.
    void addSubtitles(const QString& path) { m_playback->addSubtitles(path); }

    [[nodiscard]] const QString& FileName() const { return m_playback->fileName(); }
    [[nodiscard]] bool isLoaded() const { return m_playback->isLoaded(); }
    [[nodiscard]] bool isPlaying() const { return m_playback->isPlaying(); }
    // The title the file gives itself, or else its name.
    [[nodiscard]] QString title() const { return m_playback->title(); }
    [[nodiscard]] double position() const { return m_playback->position(); }
    [[nodiscard]] double duration() const { return m_playback->duration(); }
    // A live stream, which has no length and no seeking.
    [[nodiscard]] bool isLive() const { return m_playback->isLive(); }
    [[nodiscard]] bool Mute() const { return m_playback->Mute(); }
    [[nodiscard]] int Volume() const { return m_playback->Volume(); }
    // The engine's own volume scale, 0 to 100, which the keys and the slider step through.
    [[nodiscard]] double volumePercent() const { return m_playback->volumePercent(); }
    // What the player shows instead of a picture (a title, a failure); empty over video.
    [[nodiscard]] QString message() const;
    [[nodiscard]] const Playlist& list() const { return m_playback->list().entries(); }
    // The chapters and the A-B loop, and the delays of sound and subtitles.
    [[nodiscard]] PlayerMarks& marks() const { return m_playback->marks(); }
    [[nodiscard]] PlayerDelays& delays() const { return m_playback->delays(); }
    // The user's adjustments of the picture and the sound, while the program runs.
    [[nodiscard]] EngineAdjustments& adjustments() const { return m_playback->adjustments(); }
    // The engine's output devices as it listed them last, the desktop's default first.
    [[nodiscard]] const QList<AudioDevice>& audioDevices() const { return m_devices; }
    // The equalizer's dialog, made on first use and shown again afterwards.
    void showEqualizer();
    [[nodiscard]] Repeat repeat() const { return m_playback->repeat(); }
    [[nodiscard]] bool shuffled() const { return list().shuffled(); }
    [[nodiscard]] bool isListShown() const;
    [[nodiscard]] const QList<MediaTrack>& tracks() const { return m_playback->tracks(); }
    [[nodiscard]] double speed() const { return m_playback->speed(); }
    // A picture that plays wants the screen kept from blanking; sound alone leaves the screen
    // to the desktop.
    [[nodiscard]] bool wantsScreenAwake() const { return m_playback->wantsScreenAwake(); }

    void play() { m_playback->play(); }
    void pause() { m_playback->pause(); }
    void togglePlay() { m_playback->togglePlay(); }
    void stop() { m_playback->stop(); }
    // Where it went; nothing when it cannot seek.
    std::optional<double> seek(double seconds) { return m_playback->seek(seconds); }
    void setMute(bool muted) { m_playback->setMute(muted); }
    void setVolume(int hundredthsOfDecibel) { m_playback->setVolume(hundredthsOfDecibel); }
    void setVolumePercent(double percent) { m_playback->setVolumePercent(percent); }
    // Asks the window for the screen, or gives it back.
    void setFullScreen(bool on);
    // Whether the player has the screen, as its window said last.
    [[nodiscard]] bool isShownFullScreen() const { return m_fullScreen; }
    // The window took the screen for the player, or gave it back.
    void fullScreenChanged(bool on);
    // The window's rule for the picture; full screen is filled whatever it says.
    void setDisplaySize(DisplaySizeMode size);
    // The next or the previous entry of the list; before the first is its start.
    void next() { m_playback->next(); }
    void previous() { m_playback->previous(); }
    void selectTrack(MediaTrack::Kind kind, int id) { m_playback->selectTrack(kind, id); }
    // The file is chosen by whoever placed the player, with the dialogs of its windows.
    void chooseSubtitles() { Q_EMIT subtitlesWanted(); }
    // From half to twice the speed, the pitch kept.
    void setSpeed(double speed) { m_playback->setSpeed(speed); }
    void stepFrame(bool back) { m_playback->stepFrame(back); }
    // Into the user's pictures folder; the picture says where.
    void saveScreenshot() { m_playback->saveScreenshot(); }
    void setRepeat(Repeat repeat) { m_playback->setRepeat(repeat); }
    void setShuffle(bool on) { m_playback->list().setShuffle(on); }
    // For a moment, over the picture.
    void say(const QString& text) { m_playback->say(text); }
    // The list beside the picture, where the window allows it and there is a list.
    void setListShown(bool shown);

Q_SIGNALS:
    void finished();
    // Files or addresses were dropped on the player; the window has them played.
    void filesDropped(const QStringList& entries);
    // Something a desktop's media controls show has changed: what plays, whether it plays,
    // its length, the volume or the speed.
    void changed();
    // Playing went somewhere else than on.
    void seeked(double seconds);
    // Double click, F and Escape ask for the screen or give it back; the control bar stays.
    void fullScreenRequested(bool on);
    void screenAwakeChanged(bool wanted);
    // The user asked to load subtitles from a file of their choice.
    void subtitlesWanted();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyPictureFit();
    void pictureAdded(VideoSurface* surface);
    void connectList();
    void connectPreview();
    [[nodiscard]] PlayerMenuState menuState() const;

    MediaPlayerSettings m_settings;
    PlayerScreen* m_screen;
    ControlBar* m_controls;
    Playback* m_playback;
    PlayerListView* m_listView;
    FullScreenControls* m_fullScreenControls;
    EqualizerDialog* m_equalizer = nullptr;
    QList<AudioDevice> m_devices;
    bool m_fullScreen = false;
};

} // namespace vyx
