#include "MediaPlayer.h"
#include "errors/RuntimeError.h"
#include "media/ControlBar.h"
#include "media/DecoderThreads.h"
#include "media/MediaProbe.h"
#include "media/MediaSource.h"
#include "media/MpvSession.h"
#include "media/PlaybackTiming.h"
#include "media/PlayerScreen.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <algorithm>
#include <cmath>

// The player's list of entries, and what it offers within one: tracks, subtitles, speed.

namespace vyx {

void MediaPlayer::OpenList(const QStringList& entries) {
    openEntry(entries.value(0), !m_settings.AutoStart);
    m_list.replace(entries);
    m_controls->setSkipsEntries(entries.size() > 1);
}

void MediaPlayer::openDropped(const QStringList& entries) {
    if (m_loaded && std::all_of(entries.begin(), entries.end(), isSubtitleFile)) {
        for (const QString& entry : entries) {
            addSubtitles(entry);
        }
    } else {
        OpenList(entries);
    }
}

void MediaPlayer::openEntry(const QString& entry, bool paused) {
    // The engine starts only for a file that it will play; a stream is the engine's to judge.
    int threads = decoderCores();
    if (!isStreamAddress(entry)) {
        checkFile(entry);
        const MediaShape shape = checkMediaFormat(entry);
        threads = decoderThreads(shape.picture, shape.frameRate, threads);
    }
    if (!startEngine()) {
        throw RuntimeError(ErrorCode::MediaEngineUnavailable, entry);
    }
    m_fileName = entry;
    m_timing->opened(entry);
    m_loaded = true;
    m_atEnd = false;
    m_played = false;
    m_title.clear();
    m_position = 0.0;
    m_duration = 0.0;
    m_hasVideo = false;
    m_tracks.clear();
    m_screen->newFile(entry);
    m_controls->setMedia(true);
    m_controls->setTimes(0.0, 0.0);
    m_paused = paused;
    m_controls->setPlaying(isPlaying());
    m_session->load(entry, m_paused, threads);
    updateState();
}

bool MediaPlayer::advance(int step, bool paused) {
    const QString refused =
        m_list.step(step, [this, paused](const QString& entry) { openEntry(entry, paused); });
    if (!refused.isEmpty()) {
        m_screen->showFailure(refused);
    }
    return refused.isEmpty();
}

void MediaPlayer::next() {
    if (m_list.hasNext()) {
        advance(1, m_paused);
    }
}

void MediaPlayer::previous() {
    if (m_list.hasPrevious()) {
        advance(-1, m_paused);
    } else {
        seek(0.0);
    }
}

void MediaPlayer::addSubtitles(const QString& path) {
    checkFile(path);
    if (m_loaded) {
        m_session->addSubtitles(path);
    }
}

void MediaPlayer::chooseSubtitles() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Load Subtitles"), QFileInfo(m_fileName).absolutePath(),
        tr("Subtitles (*.srt *.ass *.ssa *.vtt *.sub);;All Files (*)"));
    if (!path.isEmpty()) {
        try {
            addSubtitles(path);
        } catch (const RuntimeError& error) {
            QMessageBox::warning(this, tr("Load Subtitles"), error.description());
        }
    }
}

void MediaPlayer::selectTrack(MediaTrack::Kind kind, int id) {
    if (m_loaded) {
        m_session->selectTrack(kind, id);
    }
}

void MediaPlayer::setSpeed(double speed) {
    constexpr double kSlowest = 0.5;
    constexpr double kFastest = 2.0;
    // In hundredths, so that steps up and down come back to exactly 1.
    m_speed = std::round(std::clamp(speed, kSlowest, kFastest) * 100.0) / 100.0;
    if (m_session->started()) {
        m_session->setSpeed(m_speed);
    }
    updateState();
}

} // namespace vyx
