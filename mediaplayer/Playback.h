#pragma once

#include "EntryTitle.h"
#include "MediaPlayerSettings.h"
#include "PlayerDelays.h"
#include "PlayerList.h"
#include "PlayerMarks.h"
#include "PlayerSound.h"
#include "VolumeScale.h"
#include "media/MediaTracks.h"
#include "media/PictureFit.h"

#include <QObject>
#include <QStringList>
#include <optional>

namespace vyx {

class ControlBar;
class EngineAdjustments;
class MpvSession;
class PlaybackTiming;
class PlayerScreen;
class VideoOutputChoice;
class VideoSurface;

// What a player plays and how far it is: the engine session, the entry and the list it comes
// from, and what the engine last said of them, shown on the player's screen and control bar.
// The player widget around it keeps the keys, the menu, the picture's fit and full screen.
class Playback final : public QObject {
    Q_OBJECT
public:
    Playback(const MediaPlayerSettings& settings, VideoOutputChoice& outputs, PlayerScreen& screen,
             ControlBar& controls, QObject* parent);

    // As MediaPlayer's own, which hands them on.
    void openList(const QStringList& entries);
    void addSubtitles(const QString& path);

    [[nodiscard]] const QString& fileName() const { return m_fileName; }
    [[nodiscard]] bool isLoaded() const { return m_loaded; }
    [[nodiscard]] bool isPaused() const { return m_paused; }
    [[nodiscard]] bool isPlaying() const { return m_loaded && !m_paused; }
    [[nodiscard]] bool engineFailed() const { return m_engineFailed; }
    [[nodiscard]] QString title() const { return m_titles.text(); }
    [[nodiscard]] double position() const { return m_position; }
    // 0 for a live stream, which has no end.
    [[nodiscard]] double duration() const { return m_live ? 0.0 : m_duration; }
    [[nodiscard]] bool isLive() const { return m_live; }
    [[nodiscard]] bool hasVideo() const { return m_loaded && m_hasVideo; }

    [[nodiscard]] bool Mute() const { return m_sound->muted(); }
    [[nodiscard]] int Volume() const { return volume::fromMpvPercent(m_sound->volumePercent()); }
    [[nodiscard]] double volumePercent() const { return m_sound->volumePercent(); }
    [[nodiscard]] const PlayerList& list() const { return *m_list; }
    // Reordering, adding, removing and shuffling, which open nothing by themselves.
    [[nodiscard]] PlayerList& list() { return *m_list; }
    [[nodiscard]] const QList<MediaTrack>& tracks() const { return m_tracks; }
    [[nodiscard]] double speed() const { return m_sound->speed(); }
    [[nodiscard]] PlayerMarks& marks() const { return *m_marks; }
    [[nodiscard]] PlayerDelays& delays() const { return *m_delays; }
    [[nodiscard]] EngineAdjustments& adjustments() const;
    [[nodiscard]] Repeat repeat() const { return m_repeat; }
    [[nodiscard]] bool wantsScreenAwake() const { return isPlaying() && m_hasVideo; }

    void play();
    void pause();
    void togglePlay();
    void stop();
    // Where it went, within the entry; nothing when it cannot seek (nothing loaded, live).
    std::optional<double> seek(double seconds);
    void setMute(bool muted) { m_sound->setMute(muted); }
    void setVolume(int hundredthsOfDecibel) {
        m_sound->setVolumePercent(volume::toMpvPercent(hundredthsOfDecibel));
    }
    void setVolumePercent(double percent) { m_sound->setVolumePercent(percent); }
    void next();
    void previous();
    void selectTrack(MediaTrack::Kind kind, int id);
    void setSpeed(double speed) { m_sound->setSpeed(speed); }
    // Once the picture is there; until then the fit waits for it.
    void setPictureFit(PictureFit fit);
    // One picture on or back, and paused there.
    void stepFrame(bool back);
    // Saves the picture in the user's pictures folder, and says where on the picture.
    void saveScreenshot();
    void setRepeat(Repeat repeat);
    // A short message on the picture, drawn by the engine; nothing before it has started.
    void say(const QString& text);

Q_SIGNALS:
    void finished();
    void changed();
    void seeked(double seconds);
    void screenAwakeChanged(bool wanted);
    // The engine has started and its picture is on the screen.
    void pictureAdded(VideoSurface* surface);

private:
    // Starts the engine on first need; false (and the reason shown) when it cannot start.
    bool startEngine();
    void connectSession();
    void showFailure(const QString& reason);
    // The screenshot asked for was written, or could not be (why).
    void screenshotSaved(const QString& path, const QString& failure);
    void reachedEnd();
    // Loads one entry; throws as Open does.
    void openEntry(const QString& entry, bool paused);
    void updateState();
    void showTitle();

    const MediaPlayerSettings m_settings;
    VideoOutputChoice& m_outputs;
    PlayerScreen& m_screen;
    ControlBar& m_controls;
    MpvSession* m_session;
    PlaybackTiming* m_timing;
    PlayerSound* m_sound;
    PlayerMarks* m_marks;
    PlayerDelays* m_delays;
    VideoSurface* m_surface = nullptr; // once the engine has started
    QString m_fileName;
    QString m_lastScreenshot;
    EntryTitle m_titles;
    QList<MediaTrack> m_tracks;
    double m_position = 0.0;
    double m_duration = 0.0;
    bool m_paused = true;
    bool m_loaded = false;
    bool m_atEnd = false;
    bool m_played = false; // the position has moved since the entry was opened
    bool m_hasVideo = false;
    bool m_live = false;
    bool m_leftLive = false; // stopped, to be joined afresh on Play
    bool m_engineFailed = false;
    bool m_screenAwake = false;
    Repeat m_repeat = Repeat::Off;
    PlayerList* m_list;
};

} // namespace vyx
