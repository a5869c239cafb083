#include "HelperWindows.h"

#include <QChildEvent>
#include <QQuickWidget>
#include <QQuickWindow>

namespace vyx {

void keepUnlisted(QQuickWidget& widget) {
    QQuickWindow* const window = widget.quickWindow();
    if (window != nullptr && !window->isVisible()) {
        window->setFlags((window->flags() & ~Qt::WindowType_Mask) | Qt::Popup);
    }
}

HelperWindowWatch::HelperWindowWatch(QWidget* parent)
    : QObject(parent) {
    parent->installEventFilter(this);
}

bool HelperWindowWatch::eventFilter(QObject* watched, QEvent* event) {
    // Polished, the child is whole: when it is added it is not made yet.
    if (event->type() == QEvent::ChildPolished) {
        if (auto* const quick =
                qobject_cast<QQuickWidget*>(static_cast<QChildEvent*>(event)->child())) {
            keepUnlisted(*quick);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vyx
