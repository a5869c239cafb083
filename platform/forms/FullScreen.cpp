#include "FullScreen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>

namespace vyx {

FullScreen::FullScreen(QWidget* widget)
    : QObject(widget)
    , m_widget(widget) {}

void FullScreen::set(bool on) {
    if (on == m_on) {
        return;
    }
    m_on = on;
    // Told first when it takes the screen, so that the window's own rule for the widget's size
    // already knows to stand aside while the window grows.
    if (on) {
        Q_EMIT changed(true);
        take();
    } else {
        giveBack();
        Q_EMIT changed(false);
    }
    m_widget->setFocus();
}

void FullScreen::take() {
    QWidget* const window = m_widget->window();
    m_windowGeometry = window->geometry();
    m_windowState = window->windowState();
    m_widgetGeometry = m_widget->geometry();
    // The window and everything between it and the widget must be free to grow to the screen.
    m_limits.clear();
    for (QWidget* holder = m_widget->parentWidget(); holder != nullptr;
         holder = holder->parentWidget()) {
        m_limits.append({holder, holder->minimumSize(), holder->maximumSize()});
        holder->setMinimumSize(0, 0);
        holder->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (holder == window) {
            break;
        }
    }
    const auto* const main = qobject_cast<QMainWindow*>(window);
    m_menuBar = main != nullptr && main->menuWidget() != nullptr && main->menuWidget()->isVisible()
                    ? main->menuWidget()
                    : nullptr;
    if (m_menuBar != nullptr) {
        m_menuBar->hide();
    }
    m_widget->parentWidget()->installEventFilter(this);
    window->installEventFilter(this);
    m_widget->raise();
    m_widget->setGeometry(m_widget->parentWidget()->rect());
    // Without a window manager nobody else would make the window cover the screen. A Wayland
    // compositor sizes a full-screen window itself, and would keep this size afterwards.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        window->setGeometry(window->screen()->geometry());
    }
    window->setWindowState((m_windowState & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
    window->activateWindow();
}

void FullScreen::giveBack() {
    QWidget* const window = m_widget->window();
    window->removeEventFilter(this);
    m_widget->parentWidget()->removeEventFilter(this);
    window->setWindowState(m_windowState & ~Qt::WindowFullScreen);
    if (m_menuBar != nullptr) {
        m_menuBar->show();
    }
    for (const Limits& limits : std::as_const(m_limits)) {
        if (limits.widget != nullptr) {
            limits.widget->setMinimumSize(limits.minimum);
            limits.widget->setMaximumSize(limits.maximum);
        }
    }
    m_widget->setGeometry(m_widgetGeometry);
    if ((m_windowState & (Qt::WindowMaximized | Qt::WindowFullScreen)) == 0) {
        window->setGeometry(m_windowGeometry);
    }
}

bool FullScreen::eventFilter(QObject* watched, QEvent* event) {
    if (m_on && watched == m_widget->parentWidget() && event->type() == QEvent::Resize) {
        // The window's own rule for its parts would put the widget back in its place.
        m_widget->setGeometry(m_widget->parentWidget()->rect());
    } else if (m_on && watched == m_widget->window() &&
               event->type() == QEvent::WindowStateChange &&
               !m_widget->window()->windowState().testFlag(Qt::WindowFullScreen)) {
        // The window manager, or the user through it, took the full screen away.
        set(false);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vyx
