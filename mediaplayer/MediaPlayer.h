#pragma once

#include "PlayerList.h"
#include "media/MediaTracks.h"
#include "media/PictureFit.h"

#include <QStringList>
#include <QWidget>

namespace vyx {

class ControlBar;
class MpvSession;
class PlaybackTiming;
class PlayerScreen;
class VideoSurface;

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
    int Volume = 0; // hundredths of a decibel, 0 full, -10000 silent
};

// A media player component: the picture, its control bar and an engine session of its own,
// wired together here. It asks its window for full screen rather than taking the screen itself.
class MediaPlayer final : public QWidget {
    Q_OBJECT
public:
    MediaPlayer(const MediaPlayerSettings& settings, QWidget* parent);
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // Replaces what was loaded and, with AutoStart, plays it. Throws for what can be known at
    // once (no name, missing, folder, unreadable, not audio or video); the loaded file is then
    // left as it was. Failures found while playing are shown in the player itself. An http://
    // or https:// address is streamed; its failures are found while playing.
    void Open(const QString& path);
    // The same with a list, which plays in turn; the first entry is checked at once, the others
    // in their turn, and one that cannot be played is passed over.
    void OpenList(const QStringList& entries);
    // What was dropped: subtitles for what plays, or else a new list.
    void openDropped(const QStringList& entries);
    // Throws for a file that cannot be read.
    void addSubtitles(const QString& path);

    [[nodiscard]] const QString& FileName() const { return m_fileName; }
    [[nodiscard]] bool isLoaded() const { return m_loaded; }
    [[nodiscard]] bool isPlaying() const { return m_loaded && !m_paused; }
    // The title the file gives itself, or else its name.
    [[nodiscard]] QString title() const;
    [[nodiscard]] double position() const { return m_position; }
    [[nodiscard]] double duration() const { return m_duration; }
    [[nodiscard]] bool Mute() const { return m_muted; }
    [[nodiscard]] int Volume() const;
    // The engine's own volume scale, 0 to 100, which the keys and the slider step through.
    [[nodiscard]] double volumePercent() const { return m_volumePercent; }
    // What the player shows instead of a picture (a title, a failure); empty over video.
    [[nodiscard]] QString message() const;
    [[nodiscard]] const Playlist& list() const { return m_list.entries(); }
    [[nodiscard]] const QList<MediaTrack>& tracks() const { return m_tracks; }
    [[nodiscard]] double speed() const { return m_speed; }
    // A picture that plays wants the screen kept from blanking; sound alone leaves the screen
    // to the desktop.
    [[nodiscard]] bool wantsScreenAwake() const { return isPlaying() && m_hasVideo; }

    void play();
    void pause();
    void togglePlay();
    void stop();
    void seek(double seconds);
    void setMute(bool muted);
    void setVolume(int hundredthsOfDecibel);
    void setVolumePercent(double percent);
    // Asks the window for the screen, or gives it back.
    void setFullScreen(bool on);
    // The window's rule for the picture; full screen is filled whatever it says.
    void setDisplaySize(DisplaySizeMode size);
    // The next or the previous entry of the list; before the first is its start.
    void next();
    void previous();
    void selectTrack(MediaTrack::Kind kind, int id);
    // The file is chosen by whoever placed the player, with the dialogs of its windows.
    void chooseSubtitles() { Q_EMIT subtitlesWanted(); }
    // From half to twice the speed, the pitch kept.
    void setSpeed(double speed);

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
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Starts the engine on first need; false (and the reason shown) when it cannot start.
    bool startEngine();
    void connectSession();
    void showFailure(const QString& reason);
    void reachedEnd();
    // Loads one entry; throws as Open does.
    void openEntry(const QString& entry, bool paused);
    void updateState();
    void applyPictureFit();

    MediaPlayerSettings m_settings;
    MpvSession* m_session;
    PlaybackTiming* m_timing;
    PlayerScreen* m_screen;
    VideoSurface* m_surface = nullptr; // once the engine has started
    ControlBar* m_controls;
    bool m_screenAwake = false;
    PlayerList m_list;
    QString m_fileName;
    QString m_title;
    QList<MediaTrack> m_tracks;
    double m_speed = 1.0;
    double m_position = 0.0;
    double m_duration = 0.0;
    double m_volumePercent = 100.0;
    bool m_muted = false;
    bool m_paused = true;
    bool m_loaded = false;
    bool m_atEnd = false;
    bool m_played = false; // the position has moved since the entry was opened
    bool m_hasVideo = false;
    bool m_engineFailed = false;
};

} // namespace vyx
