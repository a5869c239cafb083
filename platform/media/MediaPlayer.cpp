#include "MediaPlayer.h"

#include "errors/RuntimeError.h"
#include "media/ControlBar.h"
#include "media/MediaProbe.h"
#include "media/MpvCore.h"
#include "media/VideoSurface.h"
#include "media/VolumeScale.h"
#include "system/Timing.h"

#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <mpv/client.h>

namespace vyx {

MediaPlayer::MediaPlayer(const MediaPlayerSettings& settings, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_screen(new QStackedWidget(this))
    , m_message(new QLabel(m_screen))
    , m_controls(new ControlBar({settings.ShowControls, settings.ShowPositionControls,
                                 settings.ShowTracker, settings.ShowAudioControls},
                                this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    auto* const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_screen, 1);
    layout->addWidget(m_controls);
    m_controls->setVisible(settings.ShowControls || settings.ShowPositionControls ||
                           settings.ShowTracker || settings.ShowAudioControls);

    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setAutoFillBackground(true);
    QPalette dark = m_message->palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::white);
    m_message->setPalette(dark);
    m_screen->addWidget(m_message);

    m_clickTimer.setSingleShot(true);
    m_clickTimer.setInterval(QApplication::doubleClickInterval());
    connect(&m_clickTimer, &QTimer::timeout, this, [this] {
        if (m_settings.ClickToPlay && m_loaded) {
            togglePlay();
        }
    });
    connect(m_controls, &ControlBar::playPauseRequested, this, &MediaPlayer::togglePlay);
    connect(m_controls, &ControlBar::stopRequested, this, &MediaPlayer::stop);
    connect(m_controls, &ControlBar::skipRequested, this,
            [this](double seconds) { seek(m_position + seconds); });
    connect(m_controls, &ControlBar::seekRequested, this, &MediaPlayer::seek);
    connect(m_controls, &ControlBar::muteRequested, this, &MediaPlayer::setMute);
    connect(m_controls, &ControlBar::volumeRequested, this, [this](double percent) {
        setVolumePercent(percent);
        if (m_muted && percent > 0) {
            setMute(false);
        }
    });
    // Until the first file the engine is not needed; the settings wait for it.
    setVolume(m_settings.Volume);
    setMute(m_settings.Mute);
}

bool MediaPlayer::startEngine() {
    if (m_core || m_engineFailed) {
        return !m_engineFailed;
    }
    try {
        m_core = std::make_shared<MpvCore>();
    } catch (const RuntimeError& error) {
        m_engineFailed = true;
        showMessage(error.description());
        m_controls->setEnabled(false);
        return false;
    }

    m_surface = new VideoSurface(m_core, m_screen);
    m_screen->addWidget(m_surface);
    if (!m_surface->hasRenderer()) {
        m_noPictureReason = tr("No picture: the media engine cannot draw here.");
    }
    connect(m_surface, &VideoSurface::framePainted, this, [this] {
        if (m_firstFramePending) {
            m_firstFramePending = false;
            logTiming("first-frame", m_fileName);
        }
    });
    connect(m_surface, &VideoSurface::pressed, this, [this] { setFocus(Qt::MouseFocusReason); });
    connect(m_surface, &VideoSurface::clicked, &m_clickTimer, qOverload<>(&QTimer::start));
    connect(m_surface, &VideoSurface::doubleClicked, this, [this] {
        m_clickTimer.stop();
        setFullScreen(!m_fullScreen);
    });

    m_core->setOption("loop-file", m_settings.PlayCount <= 0
                                       ? QStringLiteral("inf")
                                       : QString::number(m_settings.PlayCount - 1));
    setDisplaySize(m_settings.DisplaySize);
    setVolumePercent(m_volumePercent);
    setMute(m_muted);

    m_core->observe("pause", MPV_FORMAT_FLAG);
    m_core->observe("mute", MPV_FORMAT_FLAG);
    m_core->observe("volume", MPV_FORMAT_DOUBLE);
    m_core->observe("time-pos", MPV_FORMAT_DOUBLE);
    m_core->observe("duration", MPV_FORMAT_DOUBLE);
    m_core->observe("eof-reached", MPV_FORMAT_FLAG);
    if (timingLog().isInfoEnabled()) {
        m_core->observe("frame-drop-count", MPV_FORMAT_INT64);
        m_core->observe("decoder-frame-drop-count", MPV_FORMAT_INT64);
    }
    m_core->setWakeup(&MediaPlayer::wakeup, this);
    return true;
}

MediaPlayer::~MediaPlayer() {
    // The surface keeps the core alive until its render context is gone; from here on no
    // event may be queued for this half-destroyed player.
    if (m_core) {
        m_core->setWakeup(nullptr, nullptr);
    }
    if (!m_fileName.isEmpty()) {
        logTiming("dropped-frames", QStringLiteral("output=%1 decoder=%2 %3")
                                        .arg(m_droppedByOutput)
                                        .arg(m_droppedByDecoder)
                                        .arg(m_fileName));
    }
}

void MediaPlayer::Open(const QString& path) {
    // The engine starts only for a file that it will play.
    checkFile(path);
    checkMediaFormat(path);
    if (!startEngine()) {
        throw RuntimeError(ErrorCode::MediaEngineUnavailable, path);
    }
    m_fileName = path;
    logTiming("open", path);
    m_firstFramePending = true;
    m_loaded = true;
    ++m_expectedEntry;
    m_atEnd = false;
    m_audioOnly = false;
    m_title.clear();
    m_position = 0.0;
    m_duration = 0.0;
    showPicture();
    m_controls->setMedia(true);
    m_controls->setTimes(0.0, 0.0);
    m_paused = !m_settings.AutoStart;
    m_controls->setPlaying(isPlaying());
    m_core->setFlag("pause", m_paused);
    m_core->command({QStringLiteral("loadfile"), path, QStringLiteral("replace")});
}

int MediaPlayer::Volume() const {
    return volume::fromMpvPercent(m_volumePercent);
}

QString MediaPlayer::message() const {
    return m_screen->currentWidget() == m_message ? m_message->text() : QString();
}

void MediaPlayer::play() {
    if (!m_core || !m_loaded) {
        return;
    }
    if (m_atEnd) {
        m_core->command({QStringLiteral("seek"), QStringLiteral("0"), QStringLiteral("absolute")});
    }
    m_core->setFlag("pause", false);
}

void MediaPlayer::pause() {
    if (m_core) {
        m_core->setFlag("pause", true);
    }
}

void MediaPlayer::togglePlay() {
    if (m_paused) {
        play();
    } else {
        pause();
    }
}

void MediaPlayer::stop() {
    if (!m_core || !m_loaded) {
        return;
    }
    m_core->setFlag("pause", true);
    m_core->command({QStringLiteral("seek"), QStringLiteral("0"), QStringLiteral("absolute")});
}

void MediaPlayer::seek(double seconds) {
    if (!m_core || !m_loaded) {
        return;
    }
    const double target = std::max(0.0, m_duration > 0 ? std::min(seconds, m_duration) : seconds);
    m_core->command({QStringLiteral("seek"), QString::number(target, 'f', 3),
                     QStringLiteral("absolute+exact")});
}

void MediaPlayer::setMute(bool muted) {
    m_muted = muted;
    m_controls->setMuted(muted);
    if (m_core) {
        m_core->setFlag("mute", muted);
    }
}

void MediaPlayer::setVolume(int hundredthsOfDecibel) {
    setVolumePercent(volume::toMpvPercent(hundredthsOfDecibel));
}

void MediaPlayer::setVolumePercent(double percent) {
    m_volumePercent = std::clamp(percent, 0.0, 100.0);
    m_controls->setVolumePercent(m_volumePercent);
    if (m_core) {
        m_core->setDouble("volume", m_volumePercent);
    }
}

void MediaPlayer::setDisplaySize(DisplaySizeMode size) {
    m_settings.DisplaySize = size;
    if (!m_core) {
        return;
    }
    const bool fit = size == DisplaySizeMode::FitToSize;
    m_core->setString("keepaspect", fit ? QStringLiteral("no") : QStringLiteral("yes"));
    m_core->setString("video-unscaled",
                      fit ? QStringLiteral("no") : QStringLiteral("downscale-big"));
}

void MediaPlayer::keyPressEvent(QKeyEvent* event) {
    constexpr double kSeekSeconds = 5.0;
    constexpr double kVolumeStep = 5.0;
    switch (event->key()) {
    case Qt::Key_Space:
        togglePlay();
        break;
    case Qt::Key_Left:
        seek(m_position - kSeekSeconds);
        break;
    case Qt::Key_Right:
        seek(m_position + kSeekSeconds);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        setVolumePercent(m_volumePercent +
                         (event->key() == Qt::Key_Up ? kVolumeStep : -kVolumeStep));
        break;
    case Qt::Key_M:
        setMute(!m_muted);
        break;
    case Qt::Key_F:
        setFullScreen(!m_fullScreen);
        break;
    case Qt::Key_Escape:
        if (!m_fullScreen) {
            QWidget::keyPressEvent(event);
            return;
        }
        setFullScreen(false);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MediaPlayer::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); })) {
        event->acceptProposedAction();
    }
}

void MediaPlayer::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    const auto first =
        std::find_if(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
    if (first == urls.end()) {
        return;
    }
    event->acceptProposedAction();
    // The window's handling may open a modal box: not inside the drop itself.
    QMetaObject::invokeMethod(
        this, [this, path = first->toLocalFile()] { Q_EMIT fileDropped(path); },
        Qt::QueuedConnection);
}

void MediaPlayer::setFullScreen(bool on) {
    QWidget* const top = window();
    if (on == m_fullScreen || top == this || parentWidget() == nullptr) {
        return;
    }
    auto* const main = qobject_cast<QMainWindow*>(top);
    QWidget* const parent = parentWidget();
    if (on) {
        m_restore = {top->geometry(),
                     top->minimumSize(),
                     top->maximumSize(),
                     parent->minimumSize(),
                     parent->maximumSize(),
                     geometry(),
                     main != nullptr && main->menuBar()->isVisible()};
        m_fullScreen = true;
        // Windows of a fixed size must be free to take the screen's size, larger or smaller;
        // a minimum of zero would fall back to the picture's size hint.
        for (QWidget* const widget : {top, parent}) {
            widget->setMinimumSize(1, 1);
            widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        if (main != nullptr) {
            main->menuBar()->hide();
        }
        parent->installEventFilter(this);
        raise();
        top->showFullScreen();
        // Without a window manager nobody else would make the window cover the screen.
        top->setGeometry(top->screen()->geometry());
        setGeometry(parent->rect());
    } else {
        m_fullScreen = false;
        parent->removeEventFilter(this);
        top->showNormal();
        if (main != nullptr && m_restore.menuBar) {
            main->menuBar()->show();
        }
        parent->setMinimumSize(m_restore.parentMinimum);
        parent->setMaximumSize(m_restore.parentMaximum);
        top->setMinimumSize(m_restore.windowMinimum);
        top->setMaximumSize(m_restore.windowMaximum);
        top->setGeometry(m_restore.window);
        setGeometry(m_restore.geometry);
    }
    setFocus();
}

bool MediaPlayer::eventFilter(QObject* watched, QEvent* event) {
    if (m_fullScreen && watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

void MediaPlayer::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_settings.EnableContextMenu || m_engineFailed) {
        QWidget::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    QAction* const playPause = menu.addAction(m_paused ? tr("&Play") : tr("P&ause"));
    playPause->setEnabled(m_loaded);
    QAction* const stopAction = menu.addAction(tr("&Stop"));
    stopAction->setEnabled(m_loaded);
    QAction* const mute = menu.addAction(tr("&Mute"));
    mute->setCheckable(true);
    mute->setChecked(m_muted);
    menu.addSeparator();
    QMenu* const sizes = menu.addMenu(tr("&Display Size"));
    QActionGroup group(sizes);
    QAction* const original = sizes->addAction(tr("&Original Size"));
    QAction* const fit = sizes->addAction(tr("&Fit to Player"));
    for (QAction* const action : {original, fit}) {
        action->setCheckable(true);
        group.addAction(action);
    }
    (m_settings.DisplaySize == DisplaySizeMode::FitToSize ? fit : original)->setChecked(true);

    QAction* const chosen = menu.exec(event->globalPos());
    if (chosen == playPause) {
        togglePlay();
    } else if (chosen == stopAction) {
        stop();
    } else if (chosen == mute) {
        setMute(!m_muted);
    } else if (chosen == original) {
        setDisplaySize(DisplaySizeMode::Default);
    } else if (chosen == fit) {
        setDisplaySize(DisplaySizeMode::FitToSize);
    }
}

void MediaPlayer::wakeup(void* context) {
    // libmpv's thread. One queued drain at a time is enough: it empties the whole queue.
    auto* const self = static_cast<MediaPlayer*>(context);
    if (!self->m_drainQueued.exchange(true)) {
        QMetaObject::invokeMethod(self, &MediaPlayer::drainEvents, Qt::QueuedConnection);
    }
}

void MediaPlayer::drainEvents() {
    m_drainQueued = false;
    while (const mpv_event* event = m_core->nextEvent()) {
        switch (event->event_id) {
        case MPV_EVENT_PROPERTY_CHANGE:
            handlePropertyChange(*static_cast<const mpv_event_property*>(event->data));
            break;
        case MPV_EVENT_GET_PROPERTY_REPLY:
            if (static_cast<std::int64_t>(event->reply_userdata) == m_currentEntry) {
                handlePropertyChange(*static_cast<const mpv_event_property*>(event->data));
            }
            break;
        case MPV_EVENT_START_FILE: {
            const auto id =
                static_cast<const mpv_event_start_file*>(event->data)->playlist_entry_id;
            if (id >= m_expectedEntry) {
                m_currentEntry = id;
            }
            break;
        }
        case MPV_EVENT_FILE_LOADED:
            m_core->request("media-title", MPV_FORMAT_STRING,
                            static_cast<std::uint64_t>(m_currentEntry));
            m_core->request("vid", MPV_FORMAT_STRING, static_cast<std::uint64_t>(m_currentEntry));
            break;
        case MPV_EVENT_END_FILE: {
            const auto* const end = static_cast<const mpv_event_end_file*>(event->data);
            if (end->reason == MPV_END_FILE_REASON_ERROR &&
                end->playlist_entry_id == m_currentEntry && m_currentEntry >= m_expectedEntry) {
                m_loaded = false;
                m_controls->setMedia(false);
                m_controls->setPlaying(false);
                showMessage(
                    tr("Cannot play %1:\n%2")
                        .arg(QFileInfo(m_fileName).fileName(), m_core->errorText(end->error)));
            }
            break;
        }
        default:
            break;
        }
    }
}

void MediaPlayer::handlePropertyChange(const mpv_event_property& property) {
    const auto is = [&](const char* name) {
        return std::strcmp(property.name, name) == 0;
    };
    if (property.format == MPV_FORMAT_FLAG) {
        const bool value = *static_cast<const int*>(property.data) != 0;
        if (is("pause")) {
            m_paused = value;
            m_controls->setPlaying(isPlaying());
            Q_EMIT playingChanged(isPlaying());
        } else if (is("mute")) {
            m_muted = value;
            m_controls->setMuted(value);
        } else if (is("eof-reached")) {
            m_atEnd = value;
            if (value) {
                handleEndOfFile();
            }
        }
    } else if (property.format == MPV_FORMAT_DOUBLE) {
        const double value = *static_cast<const double*>(property.data);
        if (is("time-pos")) {
            m_position = value;
            m_controls->setTimes(m_position, m_duration);
            Q_EMIT positionChanged(value);
        } else if (is("duration")) {
            m_duration = value;
            m_controls->setTimes(m_position, m_duration);
        } else if (is("volume")) {
            m_volumePercent = value;
            m_controls->setVolumePercent(value);
        }
    } else if (property.format == MPV_FORMAT_STRING) {
        const QString value = QString::fromUtf8(*static_cast<const char* const*>(property.data));
        if (is("vid")) {
            // "no" once the file is loaded and has no picture; a track number otherwise.
            m_audioOnly = value == QLatin1String("no");
            m_audioOnly ? showTitle() : showPicture();
        } else if (is("media-title")) {
            m_title = value;
            if (m_audioOnly) {
                showTitle();
            }
        }
    } else if (property.format == MPV_FORMAT_INT64) {
        const auto value = *static_cast<const std::int64_t*>(property.data);
        (is("frame-drop-count") ? m_droppedByOutput : m_droppedByDecoder) = value;
    } else if (is("time-pos")) {
        m_position = 0.0;
        m_controls->setTimes(0.0, m_duration);
    }
}

void MediaPlayer::handleEndOfFile() {
    m_core->setFlag("pause", true);
    if (m_settings.AutoRewind) {
        m_core->command({QStringLiteral("seek"), QStringLiteral("0"), QStringLiteral("absolute")});
    }
    Q_EMIT finished();
}

void MediaPlayer::showMessage(const QString& text) {
    m_message->setText(text);
    m_screen->setCurrentWidget(m_message);
}

void MediaPlayer::showTitle() {
    showMessage(m_title.isEmpty() ? QFileInfo(m_fileName).fileName() : m_title);
}

void MediaPlayer::showPicture() {
    if (!m_noPictureReason.isEmpty()) {
        showMessage(m_noPictureReason);
    } else if (m_surface != nullptr) {
        m_screen->setCurrentWidget(m_surface);
    }
}

} // namespace vyx
