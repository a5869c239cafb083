#include "PlayerSound.h"

#include "ControlBar.h"
#include "media/MpvSession.h"

#include <algorithm>
#include <cmath>

namespace vyx {

PlayerSound::PlayerSound(MpvSession& session, ControlBar& controls, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_controls(controls) {
    connect(&m_session, &MpvSession::muteChanged, this, [this](bool muted) {
        m_muted = muted;
        m_controls.setMuted(muted);
    });
    connect(&m_session, &MpvSession::volumeChanged, this, [this](double percent) {
        m_volumePercent = percent;
        m_controls.setVolumePercent(percent);
        Q_EMIT changed();
    });
    connect(&m_session, &MpvSession::speedChanged, this, [this](double speed) {
        m_speed = speed;
        Q_EMIT changed();
    });
}

void PlayerSound::setMute(bool muted) {
    m_muted = muted;
    m_controls.setMuted(muted);
    if (m_session.started()) {
        m_session.setMute(muted);
    }
}

void PlayerSound::setVolumePercent(double percent) {
    m_volumePercent = std::clamp(percent, 0.0, 100.0);
    m_controls.setVolumePercent(m_volumePercent);
    if (m_session.started()) {
        m_session.setVolume(m_volumePercent);
    }
}

void PlayerSound::setSpeed(double speed) {
    constexpr double kSlowest = 0.5;
    constexpr double kFastest = 2.0;
    // In hundredths, so that steps up and down come back to exactly 1.
    m_speed = std::round(std::clamp(speed, kSlowest, kFastest) * 100.0) / 100.0;
    if (m_session.started()) {
        m_session.setSpeed(m_speed);
    }
    Q_EMIT changed();
}

void PlayerSound::applyToEngine() {
    setVolumePercent(m_volumePercent);
    setMute(m_muted);
    setSpeed(m_speed);
}

} // namespace vyx
