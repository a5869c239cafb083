#include "FullScreenControls.h"

#include "ControlBar.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCursor>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace vyx {

namespace {

// Often enough that the bar comes back as the pointer starts to move; a look at the pointer
// costs next to nothing.
constexpr int kLookMs = 100;
// A screen of more pixels than a 1080-line one gets a bar as much larger.
constexpr double kDesignLines = 1080.0;

} // namespace

FullScreenControls::FullScreenControls(QWidget& player, ControlBar& bar, QBoxLayout& layout)
    : QObject(&player)
    , m_player(player)
    , m_bar(bar)
    , m_layout(layout) {
    m_look.setInterval(kLookMs);
    connect(&m_look, &QTimer::timeout, this, &FullScreenControls::pointerLooked);
}

void FullScreenControls::setOn(bool on) {
    if (on == m_on) {
        return;
    }
    m_on = on;
    if (on) {
        // A player without a bar has none in full screen either.
        m_wanted = !m_bar.isHidden();
        m_layout.removeWidget(&m_bar);
        // Over a picture in a native window of its own, the bar needs one too.
        m_bar.setAttribute(Qt::WA_NativeWindow);
        const QScreen* const screen = m_player.screen();
        m_bar.setScale(std::max(1.0, screen->geometry().height() / kDesignLines));
        m_player.installEventFilter(this);
        placeBar();
        raiseBar();
        // The picture's window may be made after the bar's, on top of it.
        QTimer::singleShot(0, this, &FullScreenControls::raiseBar);
        m_pointer = QCursor::pos();
        m_stillFor = 0;
        m_look.start();
    } else {
        m_look.stop();
        m_player.removeEventFilter(this);
        reveal();
        m_bar.setScale(1.0);
        m_layout.addWidget(&m_bar);
    }
}

bool FullScreenControls::barShown() const {
    return !m_hidden;
}

void FullScreenControls::placeBar() {
    const int height = m_bar.sizeHint().height();
    m_bar.setGeometry(0, m_player.height() - height, m_player.width(), height);
}

bool FullScreenControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_player && event->type() == QEvent::Resize) {
        placeBar();
    }
    return QObject::eventFilter(watched, event);
}

void FullScreenControls::pointerLooked() {
    const QPoint pointer = QCursor::pos();
    if (pointer != m_pointer) {
        m_pointer = pointer;
        m_stillFor = 0;
        reveal();
        return;
    }
    m_stillFor += kLookMs;
    // A menu open over the picture, or the pointer resting on the bar, keeps it.
    const bool onBar = m_bar.rect().contains(m_bar.mapFromGlobal(pointer));
    if (m_stillFor >= kIdleMs && !m_hidden && (!onBar || !m_wanted) &&
        QApplication::activePopupWidget() == nullptr) {
        m_hidden = true;
        m_bar.hide();
        m_player.setCursor(Qt::BlankCursor);
    }
}

void FullScreenControls::raiseBar() {
    // The widget's own raise() does nothing for the last of its parent's children, though its
    // native window may lie under the picture's.
    m_bar.raise();
    if (QWindow* const native = m_bar.windowHandle()) {
        native->raise();
    }
}

void FullScreenControls::reveal() {
    if (m_hidden) {
        m_hidden = false;
        m_bar.setVisible(m_wanted);
        raiseBar();
        m_player.unsetCursor();
    }
}

} // namespace vyx
