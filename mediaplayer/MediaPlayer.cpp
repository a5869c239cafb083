#include "MediaPlayer.h"

#include "ControlBar.h"
#include "DropTarget.h"
#include "EqualizerDialog.h"
#include "FullScreenControls.h"
#include "PictureCommands.h"
#include "PlayerListView.h"
#include "PlayerScreen.h"
#include "errors/RuntimeError.h"
#include "media/EngineAdjustments.h"
#include "media/FramePreview.h"
#include "media/MediaSource.h"
#include "media/VideoSurface.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace vyx {

MediaPlayer::MediaPlayer(const MediaPlayerSettings& settings, VideoOutputChoice& outputs,
                         QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_screen(new PlayerScreen(this))
    , m_controls(new ControlBar({settings.ShowControls, settings.ShowPositionControls,
                                 settings.ShowTracker, settings.ShowAudioControls},
                                this))
    , m_playback(new Playback(settings, outputs, *m_screen, *m_controls, this))
    , m_listView(new PlayerListView(this))
    , m_fullScreenControls(nullptr) {
    setFocusPolicy(Qt::StrongFocus);
    // Where the player's own keys are taken, for a screen reader to name when it has the focus.
    setAccessibleName(tr("Player"));
    auto* const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* const beside = new QHBoxLayout;
    beside->setSpacing(0);
    // The list takes a third, as wide as a long title needs.
    beside->addWidget(m_screen, 2);
    beside->addWidget(m_listView, 1);
    m_listView->setMaximumWidth(320);
    m_listView->hide();
    layout->addLayout(beside, 1);
    layout->addWidget(m_controls);
    m_fullScreenControls = new FullScreenControls(*this, *m_controls, *layout);
    connect(&adjustments(), &EngineAdjustments::devicesListed, this,
            [this](const QList<AudioDevice>& devices) { m_devices = devices; });
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
    connectList();
    connectPreview();
}

void MediaPlayer::connectPreview() {
    auto* const preview = new FramePreview(this);
    connect(m_controls, &ControlBar::previewWanted, preview, [this, preview](double seconds) {
        // Sound alone has no picture to show, and a stream is not asked twice.
        preview->setFile(m_playback->hasVideo() ? FileName() : QString());
        preview->show(seconds);
    });
    connect(m_controls, &ControlBar::previewLeft, preview, &FramePreview::rest);
    connect(preview, &FramePreview::picture, m_controls, &ControlBar::showPreview);
}

void MediaPlayer::connectList() {
    PlayerList& entries = m_playback->list();
    // Only a list in sight is kept up to date: a long one takes a while to fill.
    connect(&entries, &PlayerList::changed, this, [this] {
        if (isListShown()) {
            setListShown(m_playback->list().several());
        }
    });
    connect(m_listView, &PlayerListView::playRequested, this,
            [this](qsizetype index) { m_playback->list().playAt(index, false); });
    connect(m_listView, &PlayerListView::removeRequested, &entries, &PlayerList::remove);
    connect(m_listView, &PlayerListView::moveRequested, &entries, &PlayerList::move);
    // What is dropped on the list is added to it; on the picture it replaces it.
    connect(new DropTarget(m_listView->viewport()), &DropTarget::dropped, this,
            [this](const QStringList& entries) {
                try {
                    m_playback->list().append(entries);
                } catch (const RuntimeError& error) {
                    say(error.description());
                }
            });
}

bool MediaPlayer::isListShown() const {
    return !m_listView->isHidden();
}

void MediaPlayer::setListShown(bool shown) {
    const bool allowed = m_settings.ListBeside && m_playback->list().several();
    if (shown && allowed) {
        m_listView->setEntries(m_playback->list().shownEntries(), list().index());
    }
    m_listView->setVisible(shown && allowed);
}

void MediaPlayer::pictureAdded(VideoSurface* surface) {
    connect(surface, &VideoSurface::pressed, this, [this] { setFocus(Qt::MouseFocusReason); });
    connect(surface, &VideoSurface::clicked, this, [this] {
        if (m_settings.ClickToPlay && isLoaded()) {
            togglePlay();
        }
    });
    connect(surface, &VideoSurface::doubleClicked, this, [this] { setFullScreen(!m_fullScreen); });
    applyPictureFit();
}

void MediaPlayer::openDropped(const QStringList& entries) {
    if (isLoaded() && std::all_of(entries.begin(), entries.end(), isSubtitleFile)) {
        for (const QString& entry : entries) {
            addSubtitles(entry);
        }
    } else {
        OpenList(entries);
    }
}

QString MediaPlayer::message() const {
    return m_screen->message();
}

void MediaPlayer::setFullScreen(bool on) {
    if (on != m_fullScreen) {
        Q_EMIT fullScreenRequested(on);
    }
}

void MediaPlayer::fullScreenChanged(bool on) {
    m_fullScreen = on;
    m_fullScreenControls->setOn(on);
    applyPictureFit();
    Q_EMIT changed();
}

void MediaPlayer::setDisplaySize(DisplaySizeMode size) {
    m_settings.DisplaySize = size;
    applyPictureFit();
}

void MediaPlayer::applyPictureFit() {
    m_playback->setPictureFit(pictureFit(m_settings.DisplaySize, m_fullScreen));
}

void MediaPlayer::keyPressEvent(QKeyEvent* event) {
    const PlayerRequest request =
        adjustmentForKey(event->key(), event->modifiers())
            .value_or(PlayerRequest{commandForKey(event->key(), event->modifiers(), m_fullScreen)});
    if (request.command == PlayerCommand::None) {
        QWidget::keyPressEvent(event);
        return;
    }
    carryOut(*this, request);
    event->accept();
}

void MediaPlayer::showEqualizer() {
    if (m_equalizer == nullptr) {
        m_equalizer = new EqualizerDialog(adjustments().sound().gains, this);
        connect(m_equalizer, &EqualizerDialog::gainsChanged, this,
                [this](const EqualizerGains& gains) {
                    SoundAdjustments sound = adjustments().sound();
                    sound.gains = gains;
                    adjustments().setSound(sound);
                    say(tr("Equalizer: %1").arg(m_equalizer->presetName()));
                });
    }
    m_equalizer->show();
    m_equalizer->raise();
    m_equalizer->activateWindow();
}

void MediaPlayer::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_settings.EnableContextMenu || m_playback->engineFailed()) {
        QWidget::contextMenuEvent(event);
        return;
    }
    // Listed afresh for the menu: a headset plugged in since is there.
    adjustments().requestDevices();
    carryOut(*this, choosePlayerCommand(this, menuState(), event->globalPos()));
}

PlayerMenuState MediaPlayer::menuState() const {
    PlayerMenuState state;
    state.loaded = isLoaded();
    state.paused = m_playback->isPaused();
    state.muted = Mute();
    state.fitToSize = m_settings.DisplaySize == DisplaySizeMode::FitToSize;
    state.severalEntries = m_playback->list().several();
    state.listAllowed = m_settings.ListBeside && state.severalEntries;
    state.listShown = isListShown();
    state.speed = speed();
    state.tracks = tracks();
    for (const MediaChapter& chapter : marks().chapters()) {
        state.chapters.append(chapter.title);
    }
    state.chapter = marks().chapter();
    state.repeat = repeat();
    state.shuffled = shuffled();
    state.picture = adjustments().picture();
    state.sound = adjustments().sound();
    state.devices = [this] {
        return m_devices;
    };
    return state;
}

} // namespace vyx
