#include "Playback.h"

#include "ControlBar.h"
#include "PlayerScreen.h"
#include "PlayerSound.h"
#include "Screenshot.h"
#include "VolumeScale.h"
#include "errors/RuntimeError.h"
#include "media/EngineAdjustments.h"
#include "media/MediaProbe.h"
#include "media/MediaSource.h"
#include "media/MpvSession.h"
#include "media/PlaybackTiming.h"
#include "media/VideoSurface.h"
#include "system/LocalPath.h"

#include <algorithm>
#include <cmath>

namespace vyx {

Playback::Playback(const MediaPlayerSettings& settings, VideoOutputChoice& outputs,
                   PlayerScreen& screen, ControlBar& controls, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_outputs(outputs)
    , m_screen(screen)
    , m_controls(controls)
    , m_session(new MpvSession(this))
    , m_timing(new PlaybackTiming(m_session, this))
    , m_sound(new PlayerSound(*m_session, controls, this))
    , m_marks(new PlayerMarks(*m_session, controls, this))
    , m_delays(new PlayerDelays(*m_session, this))
    , m_list(new PlayerList([this](const QString& entry, bool paused) { openEntry(entry, paused); },
                            [this](const QString& reason) { m_screen.showFailure(reason); },
                            this)) {
    // With a list the skip buttons go from entry to entry.
    connect(m_list, &PlayerList::changed, this, [this] {
        m_controls.setSkipsEntries(m_list->several());
        updateState();
    });
    connectSession();
    // Until the first file the engine is not needed; the settings wait for it.
    m_sound->setVolumePercent(volume::toMpvPercent(m_settings.Volume));
    m_sound->setMute(m_settings.Mute);
}

EngineAdjustments& Playback::adjustments() const {
    return m_session->adjustments();
}

void Playback::setPictureFit(PictureFit fit) {
    if (m_surface != nullptr) {
        m_session->setPictureFit(fit);
        m_surface->setPictureFit(fit);
    }
}

void Playback::connectSession() {
    connect(m_session, &MpvSession::pausedChanged, this, [this](bool paused) {
        m_paused = paused;
        m_controls.setPlaying(isPlaying());
        updateState();
    });
    connect(m_sound, &PlayerSound::changed, this, &Playback::updateState);
    connect(m_session, &MpvSession::positionChanged, this, [this](double seconds) {
        m_position = seconds;
        m_played = m_played || seconds > 0;
        m_controls.setTimes(m_position, m_duration);
    });
    connect(m_session, &MpvSession::durationChanged, this, [this](double seconds) {
        m_duration = seconds;
        m_controls.setTimes(m_position, m_duration);
        updateState();
    });
    connect(m_session, &MpvSession::atEndChanged, this, [this](bool atEnd) {
        m_atEnd = atEnd;
        if (atEnd) {
            reachedEnd();
        }
    });
    connect(m_session, &MpvSession::titleChanged, this, [this](const QString& title) {
        m_titles.setFileTitle(title);
        showTitle();
    });
    connect(m_session, &MpvSession::streamTitleChanged, this, [this](const QString& title) {
        m_titles.setStreamTitle(title);
        showTitle();
    });
    connect(m_session, &MpvSession::seekableChanged, this, [this](bool seekable) {
        // A local HTTP Live Streaming playlist that a recorder still writes is live too.
        // A local HTTP Live Streaming playlist that a recorder still writes is live too; a
        // local file of another kind may simply have no index to seek by.
        m_live = !seekable && (isStreamAddress(m_fileName) || isHlsFile(m_fileName));
        m_controls.setLive(m_live);
        updateState();
    });
    connect(m_session, &MpvSession::hasVideoChanged, this, [this](bool hasVideo) {
        m_hasVideo = hasVideo;
        m_screen.setHasVideo(hasVideo);
        updateState();
    });
    connect(m_session, &MpvSession::tracksChanged, this,
            [this](const QList<MediaTrack>& tracks) { m_tracks = tracks; });
    connect(m_session, &MpvSession::failed, this, &Playback::showFailure);
    connect(m_session, &MpvSession::screenshotSaved, this, &Playback::screenshotSaved);
}

void Playback::reachedEnd() {
    // A server that cannot send the middle of a file (for an MP4 whose index is at its end)
    // leaves the engine at the end at once.
    if (!m_played && isStreamAddress(m_fileName)) {
        showFailure(tr("the stream ended before any of it could be played"));
        return;
    }
    // The next entry plays on; the end of the last is the settings' to decide.
    if (m_list->next(false)) {
        return;
    }
    m_session->setPaused(true);
    if (m_settings.AutoRewind) {
        m_session->rewind();
    }
    Q_EMIT finished();
}

void Playback::openList(const QStringList& entries) {
    m_list->replace(entries, !m_settings.AutoStart);
    showTitle();
}

void Playback::openEntry(const QString& entry, bool paused) {
    // The engine starts only for an entry that it will play.
    const int threads = checkEntry(entry);
    if (!startEngine()) {
        throw RuntimeError(ErrorCode::MediaEngineUnavailable, entry);
    }
    m_fileName = entry;
    m_timing->opened(entry);
    m_loaded = true;
    m_atEnd = false;
    m_played = false;
    m_titles.opened(entry, m_list->listTitle(entry));
    m_live = false;
    m_leftLive = false;
    m_position = 0.0;
    m_duration = 0.0;
    m_hasVideo = false;
    m_tracks.clear();
    m_marks->clear();
    m_screen.newFile(entry);
    m_screen.setTitle(m_titles.text());
    m_controls.setMedia(true);
    m_controls.setLive(false);
    m_controls.setTimes(0.0, 0.0);
    m_paused = paused;
    m_controls.setPlaying(isPlaying());
    m_session->load(entry, m_paused, threads);
    updateState();
}

void Playback::next() {
    m_list->next(m_paused);
}

void Playback::previous() {
    // Before the first entry is its start.
    if (m_list->entries().hasPrevious()) {
        m_list->previous(m_paused);
    } else {
        seek(0.0);
    }
}

void Playback::addSubtitles(const QString& path) {
    checkFile(path);
    if (m_loaded) {
        m_session->addSubtitles(path);
    }
}

void Playback::selectTrack(MediaTrack::Kind kind, int id) {
    if (m_loaded) {
        m_session->selectTrack(kind, id);
    }
}

bool Playback::startEngine() {
    if (m_session->started() || m_engineFailed) {
        return !m_engineFailed;
    }
    try {
        m_session->start(m_settings.PlayCount);
    } catch (const RuntimeError& error) {
        m_engineFailed = true;
        m_screen.showMessage(error.description());
        m_controls.setEnabled(false);
        return false;
    }

    m_surface = m_screen.addPicture(m_session->core(), m_outputs);
    m_timing->watch(m_surface);
    m_session->adjustments().watch(m_surface);
    connect(m_session, &MpvSession::pictureChanged, m_surface, &VideoSurface::setPicture);
    Q_EMIT pictureAdded(m_surface);
    m_sound->applyToEngine();
    m_session->setRepeatEntry(m_repeat == Repeat::Entry);
    return true;
}

void Playback::updateState() {
    if (wantsScreenAwake() != m_screenAwake) {
        m_screenAwake = wantsScreenAwake();
        Q_EMIT screenAwakeChanged(m_screenAwake);
    }
    Q_EMIT changed();
}

void Playback::showTitle() {
    m_screen.setTitle(m_titles.text());
    updateState();
}

void Playback::play() {
    if (!m_loaded) {
        return;
    }
    if (m_leftLive) {
        try {
            openEntry(m_fileName, false);
        } catch (const RuntimeError& error) {
            showFailure(error.description());
        }
        return;
    }
    if (m_atEnd) {
        m_session->rewind();
    }
    m_session->setPaused(false);
}

void Playback::pause() {
    if (m_session->started()) {
        m_session->setPaused(true);
    }
}

void Playback::togglePlay() {
    m_paused ? play() : pause();
}

void Playback::stop() {
    if (!m_loaded) {
        return;
    }
    m_session->setPaused(true);
    // A live stream has no start to go back to: it is left, and joined again on Play.
    if (m_live) {
        m_leftLive = true;
        m_session->unload();
    } else {
        m_session->rewind();
    }
}

std::optional<double> Playback::seek(double seconds) {
    if (!m_loaded || m_live) {
        return std::nullopt;
    }
    const double to = std::max(0.0, m_duration > 0 ? std::min(seconds, m_duration) : seconds);
    m_session->seek(to);
    Q_EMIT seeked(to);
    return to;
}

void Playback::showFailure(const QString& reason) {
    m_loaded = false;
    m_controls.setMedia(false);
    m_controls.setPlaying(false);
    m_screen.showFailure(tr("Cannot play %1:\n%2").arg(shownName(m_fileName), reason));
    updateState();
    // As at the end of an entry, the list goes on.
    m_list->next(false);
}

void Playback::say(const QString& text) {
    constexpr int kShownFor = 1500;
    if (m_session->started() && !text.isEmpty()) {
        m_session->showText(text, kShownFor);
    }
}

void Playback::stepFrame(bool back) {
    if (m_loaded && !m_live && m_hasVideo) {
        m_session->stepFrame(back);
    }
}

void Playback::saveScreenshot() {
    if (!m_loaded || !m_hasVideo) {
        return;
    }
    m_lastScreenshot = newScreenshotPath(m_fileName, m_position, m_lastScreenshot);
    if (m_lastScreenshot.isEmpty()) {
        say(tr("The screenshot could not be saved: %1 cannot be made").arg(picturesFolder()));
    } else if (m_surface->drawsScreenshots()) {
        writeScreenshot(m_surface->screenshot(), m_lastScreenshot, this,
                        [this, path = m_lastScreenshot](const QString& failure) {
                            screenshotSaved(path, failure);
                        });
    } else {
        m_session->saveScreenshot(m_lastScreenshot);
    }
}

void Playback::screenshotSaved(const QString& path, const QString& failure) {
    say(failure.isEmpty() ? tr("Screenshot saved to %1").arg(path)
                          : tr("The screenshot could not be saved: %1").arg(failure));
}

void Playback::setRepeat(Repeat repeat) {
    m_repeat = repeat;
    m_list->setRepeat(repeat == Repeat::List);
    if (m_session->started()) {
        m_session->setRepeatEntry(repeat == Repeat::Entry);
    }
    updateState();
}

} // namespace vyx
