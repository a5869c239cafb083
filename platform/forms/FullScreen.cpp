#include "FullScreen.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace vyx {

FullScreen::FullScreen(QWidget* widget)
    : QObject(widget->parentWidget())
    , m_widget(widget)
    , m_parent(widget->parentWidget()) {
    widget->installEventFilter(this);
}

FullScreen::~FullScreen() {
    // The parent is going while the widget is out on the screen: it goes with its parent.
    if (m_on && m_widget != nullptr) {
        delete m_widget.data();
    }
}

void FullScreen::set(bool on) {
    if (on == m_on || m_widget == nullptr) {
        return;
    }
    m_on = on;
    QWidget* const window = m_parent->window();
    if (on) {
        m_geometry = m_widget->geometry();
        QScreen* const screen = window->screen();
        // A window of its own, not one that belongs to the other: window managers keep a
        // window that belongs to another (a dialog) from taking the whole screen.
        m_widget->setParent(nullptr, Qt::Window);
        m_widget->setWindowTitle(window->windowTitle());
        m_widget->setWindowIcon(window->windowIcon());
        // Without a window manager nobody else would make the window cover the screen. Set
        // after showing, it would take the full-screen state back.
        m_widget->setGeometry(screen->geometry());
        m_widget->showFullScreen();
        m_widget->activateWindow();
    } else {
        m_widget->setWindowState(m_widget->windowState() & ~Qt::WindowFullScreen);
        m_widget->setParent(m_parent);
        m_widget->setGeometry(m_geometry);
        m_widget->show();
        window->activateWindow();
    }
    m_widget->setFocus();
}

bool FullScreen::eventFilter(QObject* watched, QEvent* event) {
    // Closing the full-screen window (Alt+F4, the window manager) only ends full screen.
    if (m_on && watched == m_widget && event->type() == QEvent::Close) {
        event->ignore();
        set(false);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vyx
