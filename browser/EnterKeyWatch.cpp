#include "EnterKeyWatch.h"

#include "BrowserLogic.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>

namespace vyx {

EnterKeyWatch::EnterKeyWatch(QComboBox* box)
    : QObject(box) {
    box->installEventFilter(this);
}

bool EnterKeyWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !m_pending) {
        const auto* const key = static_cast<QKeyEvent*>(event);
        if (browser::isEnterKey(key->key(), key->text())) {
            Q_EMIT pressed();
            const QScopedValueRollback<bool> pending(m_pending, true);
            QCoreApplication::sendEvent(watched, event);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vyx
