#pragma once

#include <QObject>

namespace vyx {

class ControlBar;
class MpvSession;

// The volume, mute and speed a player keeps from file to file: set before the engine exists,
// they wait for it; the engine's own changes come back to the control bar.
class PlayerSound final : public QObject {
    Q_OBJECT
public:
    PlayerSound(MpvSession& session, ControlBar& controls, QObject* parent);

    [[nodiscard]] bool muted() const { return m_muted; }
    // The engine's scale, 0 to 100.
    [[nodiscard]] double volumePercent() const { return m_volumePercent; }
    [[nodiscard]] double speed() const { return m_speed; }

    void setMute(bool muted);
    void setVolumePercent(double percent);
    // From half to twice, in hundredths.
    void setSpeed(double speed);
    // Hands everything to an engine that has just started.
    void applyToEngine();

Q_SIGNALS:
    void changed();

private:
    MpvSession& m_session;
    ControlBar& m_controls;
    double m_volumePercent = 100.0;
    double m_speed = 1.0;
    bool m_muted = false;
};

} // namespace vyx
