#include "MediaPlayer.h"

#include "ControlBar.h"
#include "DropTarget.h"
#include "PlayerMenu.h"
#include "PlayerScreen.h"
#include "media/VideoSurface.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace vyx {

MediaPlayer::MediaPlayer(const MediaPlayerSettings& settings, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_screen(new PlayerScreen(this))
    , m_controls(new ControlBar({settings.ShowControls, settings.ShowPositionControls,
                                 settings.ShowTracker, settings.ShowAudioControls},
                                this))
    , m_playback(new Playback(settings, *m_screen, *m_controls, this)) {
    setFocusPolicy(Qt::StrongFocus);
    auto* const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_screen, 1);
    layout->addWidget(m_controls);
    m_controls->setVisible(settings.ShowControls || settings.ShowPositionControls ||
                           settings.ShowTracker || settings.ShowAudioControls);

    connect(new DropTarget(this), &DropTarget::dropped, this, &MediaPlayer::filesDropped);
    connect(m_controls, &ControlBar::playPauseRequested, m_playback, &Playback::togglePlay);
    connect(m_controls, &ControlBar::stopRequested, m_playback, &Playback::stop);
    // With a list the skip buttons go from entry to entry.
    connect(m_controls, &ControlBar::skipRequested, this, [this](double seconds) {
        if (!m_playback->list().several()) {
            seek(position() + seconds);
        } else {
            seconds < 0 ? previous() : next();
        }
    });
    connect(m_controls, &ControlBar::seekRequested, m_playback, &Playback::seek);
    connect(m_controls, &ControlBar::muteRequested, m_playback, &Playback::setMute);
    connect(m_controls, &ControlBar::volumeRequested, this, [this](double percent) {
        setVolumePercent(percent);
        if (Mute() && percent > 0) {
            setMute(false);
        }
    });
    connect(m_playback, &Playback::finished, this, &MediaPlayer::finished);
    connect(m_playback, &Playback::changed, this, &MediaPlayer::changed);
    connect(m_playback, &Playback::seeked, this, &MediaPlayer::seeked);
    connect(m_playback, &Playback::screenAwakeChanged, this, &MediaPlayer::screenAwakeChanged);
    connect(m_playback, &Playback::pictureAdded, this, &MediaPlayer::pictureAdded);
}

void MediaPlayer::pictureAdded(VideoSurface* surface) {
    connect(surface, &VideoSurface::pressed, this, [this] { setFocus(Qt::MouseFocusReason); });
    connect(surface, &VideoSurface::clicked, this, [this] {
        if (m_settings.ClickToPlay && isLoaded()) {
            togglePlay();
        }
    });
    connect(surface, &VideoSurface::doubleClicked, this,
            [this] { setFullScreen(!isFullScreen()); });
    applyPictureFit();
}

QString MediaPlayer::message() const {
    return m_screen->message();
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
    m_playback->setPictureFit(pictureFit(m_settings.DisplaySize, isFullScreen()));
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
    if (!m_settings.EnableContextMenu || m_playback->engineFailed()) {
        QWidget::contextMenuEvent(event);
        return;
    }
    carryOut(*this, choosePlayerCommand(this,
                                        {isLoaded(), m_playback->isPaused(), Mute(),
                                         m_settings.DisplaySize == DisplaySizeMode::FitToSize,
                                         m_playback->list().several(), speed(), tracks()},
                                        event->globalPos()));
}

} // namespace vyx
