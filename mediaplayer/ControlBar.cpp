#include "ControlBar.h"

#include "SeekSlider.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <cmath>

namespace vyx {

namespace {

constexpr int kTrackerSteps = 1000;
constexpr double kSkipSeconds = 10.0;

// What a control does, for the pointer's tooltip and a screen reader alike.
void describe(QWidget* control, const QString& what) {
    control->setToolTip(what);
    control->setAccessibleName(what);
}

QToolButton* makeButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                        const QString& tip) {
    auto* const button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(parent->style()->standardIcon(icon));
    describe(button, tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

ControlBar::ControlBar(const Parts& parts, QWidget* parent)
    : QWidget(parent)
    , m_playPause(makeButton(this, "playPause", QStyle::SP_MediaPlay, tr("Play")))
    , m_stop(makeButton(this, "stop", QStyle::SP_MediaStop, tr("Stop")))
    , m_back(makeButton(this, "back", QStyle::SP_MediaSeekBackward, tr("Back 10 seconds")))
    , m_forward(makeButton(this, "forward", QStyle::SP_MediaSeekForward, tr("Forward 10 seconds")))
    , m_tracker(new SeekSlider(this))
    , m_time(new QLabel(this))
    , m_mute(makeButton(this, "mute", QStyle::SP_MediaVolume, tr("Mute")))
    , m_volume(new QSlider(Qt::Horizontal, this)) {
    // Drawn over whatever lies behind the player (the main window's picture, a full screen).
    setAutoFillBackground(true);
    auto* const layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(1);
    layout->addWidget(m_playPause);
    layout->addWidget(m_stop);
    layout->addWidget(m_back);
    layout->addWidget(m_forward);
    layout->addWidget(m_tracker, 1);
    layout->addWidget(m_time);
    layout->addWidget(m_mute);
    layout->addWidget(m_volume);

    m_tracker->setObjectName(QStringLiteral("tracker"));
    m_time->setObjectName(QStringLiteral("time"));
    m_volume->setObjectName(QStringLiteral("volume"));
    m_tracker->setRange(0, kTrackerSteps);
    describe(m_tracker, tr("Position"));
    m_tracker->setFocusPolicy(Qt::TabFocus);
    m_volume->setRange(0, 100);
    m_volume->setMaximumWidth(70);
    describe(m_volume, tr("Volume"));
    m_volume->setFocusPolicy(Qt::TabFocus);
    m_mute->setCheckable(true);
    setScale(1.0);
    setTimes(0.0, 0.0);
    setMedia(false);

    m_playPause->setVisible(parts.transport);
    m_stop->setVisible(parts.transport);
    m_back->setVisible(parts.position);
    m_forward->setVisible(parts.position);
    m_tracker->setVisible(parts.tracker);
    m_time->setVisible(parts.tracker);
    m_mute->setVisible(parts.audio);
    m_volume->setVisible(parts.audio);

    connect(m_playPause, &QToolButton::clicked, this, &ControlBar::playPauseRequested);
    connect(m_stop, &QToolButton::clicked, this, &ControlBar::stopRequested);
    connect(m_back, &QToolButton::clicked, this, [this] { Q_EMIT skipRequested(-kSkipSeconds); });
    connect(m_forward, &QToolButton::clicked, this, [this] { Q_EMIT skipRequested(kSkipSeconds); });
    connect(m_tracker, &QSlider::sliderMoved, this,
            [this](int step) { Q_EMIT seekRequested(m_duration * step / kTrackerSteps); });
    connect(m_tracker, &QSlider::actionTriggered, this, [this](int action) {
        // A drag reports each move itself; a click sets the position with a move of its own.
        if (action != QAbstractSlider::SliderMove || !m_tracker->isSliderDown()) {
            Q_EMIT seekRequested(m_duration * m_tracker->sliderPosition() / kTrackerSteps);
        }
    });
    connect(m_tracker, &SeekSlider::pictureWanted, this, &ControlBar::previewWanted);
    connect(m_tracker, &SeekSlider::pointerLeft, this, &ControlBar::previewLeft);
    connect(m_mute, &QToolButton::toggled, this, &ControlBar::muteRequested);
    connect(m_volume, &QSlider::valueChanged, this,
            [this](int percent) { Q_EMIT volumeRequested(percent); });
}

void ControlBar::setSkipsEntries(bool entries) {
    describe(m_back, entries ? tr("Previous") : tr("Back 10 seconds"));
    describe(m_forward, entries ? tr("Next") : tr("Forward 10 seconds"));
    m_back->setIcon(style()->standardIcon(entries ? QStyle::SP_MediaSkipBackward
                                                  : QStyle::SP_MediaSeekBackward));
    m_forward->setIcon(
        style()->standardIcon(entries ? QStyle::SP_MediaSkipForward : QStyle::SP_MediaSeekForward));
}

void ControlBar::setScale(double scale) {
    constexpr int kIcon = 16;
    constexpr int kVolumeWidth = 70;
    const int icon = static_cast<int>(kIcon * scale);
    for (QToolButton* const button : findChildren<QToolButton*>()) {
        button->setIconSize(QSize(icon, icon));
    }
    QFont font = QApplication::font(this);
    font.setPointSizeF(font.pointSizeF() * scale);
    setFont(font);
    m_volume->setMaximumWidth(static_cast<int>(kVolumeWidth * scale));
}

QString ControlBar::formatTime(double seconds) {
    const long long total =
        std::isfinite(seconds) && seconds > 0 ? std::llround(std::floor(seconds)) : 0;
    const long long hours = total / 3600;
    const long long minutes = (total / 60) % 60;
    const long long secs = total % 60;
    if (hours > 0) {
        return QStringLiteral("%1:%2:%3")
            .arg(hours)
            .arg(minutes, 2, 10, QLatin1Char('0'))
            .arg(secs, 2, 10, QLatin1Char('0'));
    }
    return QStringLiteral("%1:%2").arg(minutes).arg(secs, 2, 10, QLatin1Char('0'));
}

void ControlBar::setPlaying(bool playing) {
    m_playPause->setIcon(
        style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    describe(m_playPause, playing ? tr("Pause") : tr("Play"));
}

void ControlBar::setMedia(bool loaded) {
    for (QWidget* const control :
         {static_cast<QWidget*>(m_playPause), static_cast<QWidget*>(m_stop),
          static_cast<QWidget*>(m_back), static_cast<QWidget*>(m_forward),
          static_cast<QWidget*>(m_tracker)}) {
        control->setEnabled(loaded);
    }
}

void ControlBar::showPreview(const QImage& picture) {
    m_tracker->showPicture(picture);
}

void ControlBar::setMarks(const QList<double>& chapters, double loopStart, double loopEnd) {
    m_chapterMarks = chapters;
    m_loopStart = loopStart;
    m_loopEnd = loopEnd;
    showMarks();
}

void ControlBar::showMarks() {
    QList<double> shares;
    const auto share = [this](double seconds) {
        return m_duration > 0 && seconds >= 0 ? seconds / m_duration : -1.0;
    };
    if (m_duration > 0) {
        for (const double start : std::as_const(m_chapterMarks)) {
            shares.append(share(start));
        }
    }
    m_tracker->setMarks(shares, share(m_loopStart), share(m_loopEnd));
}

void ControlBar::setTimes(double position, double duration) {
    const double before = m_duration;
    m_duration = std::isfinite(duration) && duration > 0 ? duration : 0.0;
    if (m_duration != before) {
        m_tracker->setLength(m_live ? 0.0 : m_duration);
        showMarks();
    }
    if (!m_tracker->isSliderDown()) {
        const QSignalBlocker blocker(m_tracker);
        m_tracker->setValue(m_duration > 0 && !m_live
                                ? static_cast<int>(kTrackerSteps * position / m_duration)
                                : 0);
    }
    const QString at = formatTime(position);
    const QString length = m_live ? tr("live") : formatTime(m_duration);
    m_time->setText(at + QStringLiteral(" / ") + length);
    // A screen reader reads the slider's value in words rather than in steps.
    m_tracker->setAccessibleDescription(m_live ? tr("%1, live").arg(at)
                                               : tr("%1 of %2").arg(at, length));
}

void ControlBar::setLive(bool live) {
    m_live = live;
    m_tracker->setEnabled(!live && m_playPause->isEnabled());
    if (live) {
        m_tracker->setValue(0);
    }
}

void ControlBar::setMuted(bool muted) {
    const QSignalBlocker blocker(m_mute);
    m_mute->setChecked(muted);
    m_mute->setIcon(
        style()->standardIcon(muted ? QStyle::SP_MediaVolumeMuted : QStyle::SP_MediaVolume));
    describe(m_mute, muted ? tr("Unmute") : tr("Mute"));
}

void ControlBar::setVolumePercent(double percent) {
    const QSignalBlocker blocker(m_volume);
    m_volume->setValue(static_cast<int>(std::lround(percent)));
    m_volume->setAccessibleDescription(tr("volume %1 percent").arg(std::lround(percent)));
}

} // namespace vyx
