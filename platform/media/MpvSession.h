#pragma once

#include "media/MediaTracks.h"
#include "media/PictureFit.h"
#include "media/PictureFormat.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <memory>

struct mpv_event;
struct mpv_event_end_file;

namespace vyx {

class MpvCore;
class EngineAdjustments;
class ReaderWatch;

// One run of the media engine, spoken to in Qt terms: it starts and ends the core, drains the
// core's events on the GUI thread and reports what changed as typed signals. Events about a file
// that a later load has replaced are dropped, so they never touch the new one.
class MpvSession final : public QObject {
    Q_OBJECT
public:
    explicit MpvSession(QObject* parent);
    ~MpvSession() override;
    MpvSession(const MpvSession&) = delete;
    MpvSession& operator=(const MpvSession&) = delete;

    // Starts the core, repeating each file playCount times (0: for ever). Throws RuntimeError
    // when the engine cannot start.
    void start(int playCount);
    [[nodiscard]] bool started() const { return m_core != nullptr; }
    // The core, for the surface that draws its picture; it lives as long as its last holder.
    [[nodiscard]] std::shared_ptr<MpvCore> core() const { return m_core; }
    // The user's adjustments of picture and sound, handed to the engine once it has started.
    [[nodiscard]] EngineAdjustments& adjustments() const { return *m_adjustments; }

    // Replaces whatever was loaded, its pictures decoded by the given threads; should they
    // fall behind, the decoder is started again with every core.
    // A local file that the engine cannot open is tried once more through libavformat's own
    // demuxer, which reads some files the engine's own demuxers refuse (a QuickTime codec in
    // Matroska), before a failure is reported.
    void load(const QString& path, bool paused, int decoderThreads);
    // Ends what plays; the engine waits for the next load.
    void unload();
    void setPaused(bool paused);
    // To the start of the file and paused.
    void rewind();
    void seek(double seconds);
    void setMute(bool muted);
    void setVolume(double percent);
    void setSpeed(double speed);
    // Track 0 of subtitles shows none.
    void selectTrack(MediaTrack::Kind kind, int id);
    // Adds a file of subtitles to what plays, and shows it.
    void addSubtitles(const QString& path);
    void setPictureFit(PictureFit fit);
    // One picture on, or back, and paused there.
    void stepFrame(bool back);
    // To the start of a chapter, counted from 0.
    void setChapter(int chapter);
    // The engine plays from start to end in turn for ever; a negative time leaves that end open.
    void setLoop(double start, double end);
    // How much later than the picture the subtitles or the sound come, in seconds.
    void setDelay(MediaTrack::Kind kind, double seconds);
    // What plays now repeats for ever, or as many times as the session was started with.
    void setRepeatEntry(bool on);
    // Saves the picture shown, at the video's own size and with its subtitles, as the name's
    // extension says; screenshotSaved follows.
    void saveScreenshot(const QString& path);
    // A short text drawn over the picture by the engine for the given time.
    void showText(const QString& text, int milliseconds);

    // What the drain does with each event; the tests feed it events of their own.
    void handleEvent(const mpv_event& event);

Q_SIGNALS:
    void pausedChanged(bool paused);
    void muteChanged(bool muted);
    void volumeChanged(double percent);
    // Seconds from the start; 0 while nothing is known.
    void positionChanged(double seconds);
    void durationChanged(double seconds);
    void atEndChanged(bool atEnd);
    // Known once the file is loaded.
    void titleChanged(const QString& title);
    // What a station says it plays now (ICY StreamTitle); empty when it says nothing.
    void streamTitleChanged(const QString& title);
    // Whether the engine can move about in what it reads: a live stream cannot.
    void seekableChanged(bool seekable);
    void hasVideoChanged(bool hasVideo);
    void speedChanged(double speed);
    void tracksChanged(const QList<MediaTrack>& tracks);
    void chaptersChanged(const QList<MediaChapter>& chapters);
    // The chapter that plays, from 0; -1 before the first and without chapters.
    void chapterChanged(int chapter);
    void delayChanged(MediaTrack::Kind kind, double seconds);
    // The screenshot asked for was written, or could not be (why, in the engine's words).
    void screenshotSaved(const QString& path, const QString& failure);
    // The size the picture is shown at, in its own pixels, how its pixels are stored (the
    // engine's name: "yuv420p", "gbrp") and what its colours are.
    void pictureChanged(const PictureFormat& picture);
    // Pictures left out by the output, which the session watches to give a lagging decoder
    // more threads; those the decoder left out are counted only while the timing log is on.
    void outputDropsChanged(qint64 frames);
    void decoderDropsChanged(qint64 frames);
    // The file being played cannot be played; why, in a user's words.
    void failed(const QString& reason);
    // The engine has read ahead to this time of the file.
    void demuxedUntil(double seconds);

private:
    static void wakeup(void* context);
    void drainEvents();
    [[nodiscard]] QString errorText(int error) const;
    void keepUp(qint64 droppedFrames);
    void startLoad(bool paused, bool throughLibavformat);
    void endFile(const mpv_event_end_file& end);
    void reportFailure(int error);

    std::shared_ptr<MpvCore> m_core;
    // Ends a file whose tail is not media, which the engine would read into memory whole.
    ReaderWatch* m_reader;
    EngineAdjustments* m_adjustments;
    QString m_path;
    QString m_screenshotPath;
    QString m_playCountLoop; // the engine's loop-file for the play count asked at the start
    int m_decoderThreads = 1;
    bool m_paused = false;
    bool m_throughLibavformat = false;
    bool m_fileLoaded = false;
    // What the engine logged as warnings and errors since the file's load.
    QStringList m_engineMessages;
    // libmpv numbers the files it is given in order, from 1. Events of entries before the
    // expected one are stale; after an unload that is the next load's.
    std::int64_t m_loadedEntries = 0;
    std::int64_t m_expectedEntry = 0;
    std::int64_t m_currentEntry = 0;
    std::atomic<bool> m_drainQueued{false};
};

} // namespace vyx
