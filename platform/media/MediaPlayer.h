#pragma once

#include <QTimer>
#include <QWidget>
#include <atomic>
#include <memory>

class QLabel;
class QStackedWidget;
struct mpv_event_property;

namespace vyx {

class ControlBar;
class MpvCore;
class VideoSurface;

// How the picture is sized in the player.
enum class DisplaySizeMode {
    Default = 0,   // at its own size, centred, scaled down only when it does not fit
    FitToSize = 4, // stretched to the player
};

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

// A media player component: the picture, its control bar and a libmpv core of its own.
class MediaPlayer final : public QWidget {
    Q_OBJECT
public:
    MediaPlayer(const MediaPlayerSettings& settings, QWidget* parent);
    ~MediaPlayer() override;
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // Replaces what was loaded and, with AutoStart, plays it. Throws for what can be known at
    // once (no name, missing, folder, unreadable, not audio or video); the loaded file is then
    // left as it was. Failures found while playing are shown in the player itself.
    void Open(const QString& path);

    [[nodiscard]] const QString& FileName() const { return m_fileName; }
    [[nodiscard]] bool isPlaying() const { return m_loaded && !m_paused; }
    [[nodiscard]] double position() const { return m_position; }
    [[nodiscard]] double duration() const { return m_duration; }
    [[nodiscard]] bool Mute() const { return m_muted; }
    [[nodiscard]] int Volume() const;
    // What the player shows instead of a picture (a title, a failure); empty over video.
    [[nodiscard]] QString message() const;

    void play();
    void pause();
    void togglePlay();
    void stop();
    void seek(double seconds);
    void setMute(bool muted);
    void setVolume(int hundredthsOfDecibel);
    void setDisplaySize(DisplaySizeMode size);

    // The player fills its whole window, and the window the screen; the control bar stays.
    void setFullScreen(bool on);
    [[nodiscard]] bool isFullScreen() const { return m_fullScreen; }

Q_SIGNALS:
    void playingChanged(bool playing);
    void positionChanged(double seconds);
    void finished();
    // A file was dropped on the player; the window decides what to do with it.
    void fileDropped(const QString& path);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Starts the engine on first need; false (and the reason shown) when it cannot start.
    bool startEngine();
    static void wakeup(void* context);
    void drainEvents();
    void handlePropertyChange(const mpv_event_property& property);
    void handleEndOfFile();
    void showMessage(const QString& text);
    void showPicture();
    void showTitle();
    // libmpv's volume in percent, to the engine and the control bar alike.
    void setVolumePercent(double percent);

    MediaPlayerSettings m_settings;
    std::shared_ptr<MpvCore> m_core;
    QStackedWidget* m_screen;
    VideoSurface* m_surface = nullptr;
    QLabel* m_message;
    ControlBar* m_controls;
    QString m_fileName;
    QString m_noPictureReason;
    QString m_title;
    double m_position = 0.0;
    double m_duration = 0.0;
    double m_volumePercent = 100.0;
    bool m_muted = false;
    bool m_paused = true;
    bool m_loaded = false;
    bool m_atEnd = false;
    bool m_audioOnly = false;
    bool m_firstFramePending = false;
    bool m_engineFailed = false;
    // Pictures the engine left out, kept for the timing log.
    std::int64_t m_droppedByOutput = 0;
    std::int64_t m_droppedByDecoder = 0;
    // libmpv numbers the files it is given in order. Events about a file that an Open has since
    // replaced must not touch the new one.
    std::int64_t m_expectedEntry = 0;
    std::int64_t m_currentEntry = 0;
    std::atomic<bool> m_drainQueued{false};
    // A click toggles playback only once it is clear that it is not the start of a double click.
    QTimer m_clickTimer;
    bool m_fullScreen = false;
    struct Restore {
        QRect window;
        QSize windowMinimum;
        QSize windowMaximum;
        QSize parentMinimum;
        QSize parentMaximum;
        QRect geometry;
        bool menuBar = false;
    } m_restore;
};

} // namespace vyx
