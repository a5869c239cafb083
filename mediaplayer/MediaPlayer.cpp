#include "MediaPlayer.h"

#include "ControlBar.h"
#include "DropTarget.h"
#include "PlayerMenu.h"
#include "PlayerScreen.h"
#include "VolumeScale.h"
#include "errors/RuntimeError.h"
#include "media/MediaProbe.h"
#include "media/MediaSource.h"
#include "media/MpvSession.h"
#include "media/PlaybackTiming.h"
#include "media/VideoSurface.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace vyx {

MediaPlayer::MediaPlayer(const MediaPlayerSettings& settings, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_session(new MpvSession(this))
    , m_timing(new PlaybackTiming(m_session, this))
    , m_screen(new PlayerScreen(this))
    , m_controls(new ControlBar({settings.ShowControls, settings.ShowPositionControls,
                                 settings.ShowTracker, settings.ShowAudioControls},
                                this))
    , m_list([this](const QString& entry, bool paused) { openEntry(entry, paused); },
             [this](const QString& reason) { m_screen->showFailure(reason); }) {
    setFocusPolicy(Qt::StrongFocus);
    auto* const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_screen, 1);
    layout->addWidget(m_controls);
    m_controls->setVisible(settings.ShowControls || settings.ShowPositionControls ||
                           settings.ShowTracker || settings.ShowAudioControls);

    connect(new DropTarget(this), &DropTarget::dropped, this, &MediaPlayer::filesDropped);
    connect(m_controls, &ControlBar::playPauseRequested, this, &MediaPlayer::togglePlay);
    connect(m_controls, &ControlBar::stopRequested, this, &MediaPlayer::stop);
    // With a list the skip buttons go from entry to entry.
    connect(m_controls, &ControlBar::skipRequested, this, [this](double seconds) {
        if (!m_list.several()) {
            seek(m_position + seconds);
        } else {
            seconds < 0 ? previous() : next();
        }
    });
    connect(m_controls, &ControlBar::seekRequested, this, &MediaPlayer::seek);
    connect(m_controls, &ControlBar::muteRequested, this, &MediaPlayer::setMute);
    connect(m_controls, &ControlBar::volumeRequested, this, [this](double percent) {
        setVolumePercent(percent);
        if (m_muted && percent > 0) {
            setMute(false);
        }
    });
    connectSession();
    // Until the first file the engine is not needed; the settings wait for it.
    setVolume(m_settings.Volume);
    setMute(m_settings.Mute);
}

void MediaPlayer::connectSession() {
    connect(m_session, &MpvSession::pausedChanged, this, [this](bool paused) {
        m_paused = paused;
        m_controls->setPlaying(isPlaying());
        updateState();
    });
    connect(m_session, &MpvSession::muteChanged, this, [this](bool muted) {
        m_muted = muted;
        m_controls->setMuted(muted);
    });
    connect(m_session, &MpvSession::volumeChanged, this, [this](double percent) {
        m_volumePercent = percent;
        m_controls->setVolumePercent(percent);
        updateState();
    });
    connect(m_session, &MpvSession::positionChanged, this, [this](double seconds) {
        m_position = seconds;
        m_played = m_played || seconds > 0;
        m_controls->setTimes(m_position, m_duration);
    });
    connect(m_session, &MpvSession::durationChanged, this, [this](double seconds) {
        m_duration = seconds;
        m_controls->setTimes(m_position, m_duration);
        updateState();
    });
    connect(m_session, &MpvSession::atEndChanged, this, [this](bool atEnd) {
        m_atEnd = atEnd;
        if (atEnd) {
            reachedEnd();
        }
    });
    connect(m_session, &MpvSession::titleChanged, this, [this](const QString& title) {
        m_title = title;
        m_screen->setTitle(title);
        updateState();
    });
    connect(m_session, &MpvSession::hasVideoChanged, this, [this](bool hasVideo) {
        m_hasVideo = hasVideo;
        m_screen->setHasVideo(hasVideo);
        updateState();
    });
    connect(m_session, &MpvSession::speedChanged, this, [this](double speed) {
        m_speed = speed;
        updateState();
    });
    connect(m_session, &MpvSession::tracksChanged, this,
            [this](const QList<MediaTrack>& tracks) { m_tracks = tracks; });
    connect(m_session, &MpvSession::failed, this, &MediaPlayer::showFailure);
}

void MediaPlayer::reachedEnd() {
    // A server that cannot send the middle of a file (for an MP4 whose index is at its end)
    // leaves the engine at the end at once.
    if (!m_played && isStreamAddress(m_fileName)) {
        showFailure(tr("the stream ended before any of it could be played"));
        return;
    }
    // The next entry plays on; the end of the last is the settings' to decide.
    if (m_list.next(false)) {
        return;
    }
    m_session->setPaused(true);
    if (m_settings.AutoRewind) {
        m_session->rewind();
    }
    Q_EMIT finished();
}

void MediaPlayer::Open(const QString& path) {
    OpenList({path});
}

void MediaPlayer::OpenList(const QStringList& entries) {
    m_list.replace(entries, !m_settings.AutoStart);
    m_controls->setSkipsEntries(m_list.several());
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

void MediaPlayer::next() {
    m_list.next(m_paused);
}

void MediaPlayer::previous() {
    if (!m_list.previous(m_paused) && !m_list.entries().hasPrevious()) {
        seek(0.0);
    }
}

void MediaPlayer::addSubtitles(const QString& path) {
    checkFile(path);
    if (m_loaded) {
        m_session->addSubtitles(path);
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

bool MediaPlayer::startEngine() {
    if (m_session->started() || m_engineFailed) {
        return !m_engineFailed;
    }
    try {
        m_session->start(m_settings.PlayCount);
    } catch (const RuntimeError& error) {
        m_engineFailed = true;
        m_screen->showMessage(error.description());
        m_controls->setEnabled(false);
        return false;
    }

    VideoSurface* const surface = m_screen->addPicture(m_session->core());
    m_surface = surface;
    m_timing->watch(surface);
    connect(m_session, &MpvSession::pictureChanged, surface, &VideoSurface::setPicture);
    connect(surface, &VideoSurface::pressed, this, [this] { setFocus(Qt::MouseFocusReason); });
    connect(surface, &VideoSurface::clicked, this, [this] {
        if (m_settings.ClickToPlay && m_loaded) {
            togglePlay();
        }
    });
    connect(surface, &VideoSurface::doubleClicked, this,
            [this] { setFullScreen(!isFullScreen()); });
    setDisplaySize(m_settings.DisplaySize);
    setVolumePercent(m_volumePercent);
    setMute(m_muted);
    setSpeed(m_speed);
    return true;
}

void MediaPlayer::updateState() {
    if (wantsScreenAwake() != m_screenAwake) {
        m_screenAwake = wantsScreenAwake();
        Q_EMIT screenAwakeChanged(m_screenAwake);
    }
    Q_EMIT changed();
}

int MediaPlayer::Volume() const {
    return volume::fromMpvPercent(m_volumePercent);
}

QString MediaPlayer::title() const {
    return m_title.isEmpty() ? QFileInfo(m_fileName).fileName() : m_title;
}

QString MediaPlayer::message() const {
    return m_screen->message();
}

void MediaPlayer::play() {
    if (!m_loaded) {
        return;
    }
    if (m_atEnd) {
        m_session->rewind();
    }
    m_session->setPaused(false);
}

void MediaPlayer::pause() {
    if (m_session->started()) {
        m_session->setPaused(true);
    }
}

void MediaPlayer::togglePlay() {
    m_paused ? play() : pause();
}

void MediaPlayer::stop() {
    if (!m_loaded) {
        return;
    }
    m_session->setPaused(true);
    m_session->rewind();
}

void MediaPlayer::seek(double seconds) {
    if (!m_loaded) {
        return;
    }
    const double to = std::max(0.0, m_duration > 0 ? std::min(seconds, m_duration) : seconds);
    m_session->seek(to);
    Q_EMIT seeked(to);
}

void MediaPlayer::setMute(bool muted) {
    m_muted = muted;
    m_controls->setMuted(muted);
    if (m_session->started()) {
        m_session->setMute(muted);
    }
}

void MediaPlayer::setVolume(int hundredthsOfDecibel) {
    setVolumePercent(volume::toMpvPercent(hundredthsOfDecibel));
}

void MediaPlayer::setVolumePercent(double percent) {
    m_volumePercent = std::clamp(percent, 0.0, 100.0);
    m_controls->setVolumePercent(m_volumePercent);
    if (m_session->started()) {
        m_session->setVolume(m_volumePercent);
    }
}

void MediaPlayer::setFullScreen(bool on) {
    if (on != isFullScreen()) {
        Q_EMIT fullScreenRequested(on);
    }
}

void MediaPlayer::setDisplaySize(DisplaySizeMode size) {
    m_settings.DisplaySize = size;
    applyPictureFit();
}

void MediaPlayer::applyPictureFit() {
    if (m_surface != nullptr) {
        const PictureFit fit = pictureFit(m_settings.DisplaySize, isFullScreen());
        m_session->setPictureFit(fit);
        m_surface->setPictureFit(fit);
    }
}

void MediaPlayer::changeEvent(QEvent* event) {
    // The window asked for takes the screen, or gives it back, in its own time.
    if (event->type() == QEvent::WindowStateChange) {
        applyPictureFit();
    }
    QWidget::changeEvent(event);
}

void MediaPlayer::keyPressEvent(QKeyEvent* event) {
    const PlayerCommand command = commandForKey(event->key(), isFullScreen());
    if (command == PlayerCommand::None) {
        QWidget::keyPressEvent(event);
        return;
    }
    carryOut(*this, {command});
    event->accept();
}

void MediaPlayer::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_settings.EnableContextMenu || m_engineFailed) {
        QWidget::contextMenuEvent(event);
        return;
    }
    carryOut(*this, choosePlayerCommand(this,
                                        {m_loaded, m_paused, m_muted,
                                         m_settings.DisplaySize == DisplaySizeMode::FitToSize,
                                         m_list.several(), m_speed, m_tracks},
                                        event->globalPos()));
}

void MediaPlayer::showFailure(const QString& reason) {
    m_loaded = false;
    m_controls->setMedia(false);
    m_controls->setPlaying(false);
    m_screen->showFailure(tr("Cannot play %1:\n%2").arg(QFileInfo(m_fileName).fileName(), reason));
    updateState();
    // As at the end of an entry, the list goes on.
    m_list.next(false);
}

} // namespace vyx
