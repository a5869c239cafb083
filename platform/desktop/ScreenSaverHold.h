#pragma once

#include <QObject>
#include <QTimer>
#include <optional>

namespace vyx {

// Keeps the screen from blanking while held: through the desktop's screen-saver service on the
// session bus where there is one, and otherwise by telling the X server every little while
// that the user is there, as if a key had been pressed.
class ScreenSaverHold final : public QObject {
    Q_OBJECT
public:
    explicit ScreenSaverHold(QObject* parent);
    ~ScreenSaverHold() override;
    ScreenSaverHold(const ScreenSaverHold&) = delete;
    ScreenSaverHold& operator=(const ScreenSaverHold&) = delete;

    void setHeld(bool held);

private:
    void askService();
    // The service's answer: the inhibition's cookie, or none when it refused.
    void answered(std::optional<quint32> cookie);
    void releaseService();
    static void release(quint32 cookie);
    static void resetX11();

    QTimer m_x11Reset;
    std::optional<quint32> m_cookie;
    bool m_held = false;
    bool m_asking = false;
};

} // namespace vyx
