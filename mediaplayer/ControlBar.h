#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QSlider;
class QToolButton;

namespace vyx {

class SeekSlider;

// The player's buttons and sliders. A passive view: the player tells it the state, and it
// reports what the user asks for; it never talks to the engine.
class ControlBar final : public QWidget {
    Q_OBJECT
public:
    struct Parts {
        bool transport = true; // play/pause and stop
        bool position = true;  // skip back and forward
        bool tracker = true;   // seek slider with times
        bool audio = true;     // mute and volume
    };

    ControlBar(const Parts& parts, QWidget* parent);

    void setPlaying(bool playing);
    void setMedia(bool loaded);
    void setTimes(double position, double duration);
    // A live stream has no length to show nor to move along.
    void setLive(bool live);
    void setMuted(bool muted);
    void setVolumePercent(double percent);
    // With a list the skip buttons go to the next and previous entry; they ask all the same.
    void setSkipsEntries(bool entries);
    // Chapter starts and the A-B loop's points on the seek bar, in seconds; negative for none.
    void setMarks(const QList<double>& chapters, double loopStart, double loopEnd);

    // Larger for a larger screen (1 as designed): in full screen the bar is sized for it.
    void setScale(double scale);

    // A picture of the moment under the pointer on the seek bar.
    void showPreview(const QImage& picture);

    // "1:05" or "1:02:03"; what both time labels show.
    static QString formatTime(double seconds);

Q_SIGNALS:
    void playPauseRequested();
    void stopRequested();
    void skipRequested(double seconds);
    void seekRequested(double position);
    void muteRequested(bool muted);
    void volumeRequested(double percent);
    // The pointer is over the seek bar at that time, or has left it.
    void previewWanted(double seconds);
    void previewLeft();

private:
    void showMarks();

    QToolButton* m_playPause;
    QToolButton* m_stop;
    QToolButton* m_back;
    QToolButton* m_forward;
    SeekSlider* m_tracker;
    QLabel* m_time;
    QToolButton* m_mute;
    QSlider* m_volume;
    double m_duration = 0.0;
    QList<double> m_chapterMarks; // in seconds
    double m_loopStart = -1.0;
    double m_loopEnd = -1.0;
    bool m_live = false;
};

} // namespace vyx
