#include "OnScreen.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vyx {

QRect keptOnScreen(const QRect& frame, const QRect& available) {
    if (available.isEmpty()) {
        return frame;
    }
    QRect kept(frame.topLeft(), frame.size().boundedTo(available.size()));
    kept.moveLeft(std::clamp(kept.left(), available.left(),
                             available.left() + available.width() - kept.width()));
    kept.moveTop(std::clamp(kept.top(), available.top(),
                            available.top() + available.height() - kept.height()));
    return kept;
}

void keepOnScreen(QWidget& window) {
    const QScreen* const screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect frame = window.frameGeometry();
    const QRect kept = keptOnScreen(frame, screen->availableGeometry());
    if (kept == frame) {
        return;
    }
    // move() places the frame, resize() sizes what lies inside it.
    window.move(kept.topLeft());
    window.resize(kept.size() - (frame.size() - window.geometry().size()));
}

} // namespace vyx
