#include "DropTarget.h"

#include "media/MediaSource.h"
#include "system/LocalPath.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace vyx {

namespace {

QStringList playable(const QMimeData* data) {
    QStringList entries;
    const QList<QUrl> urls = data->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) {
            entries.append(entryForFileAddress(url));
        } else if (isStreamAddress(url.toString())) {
            entries.append(url.toString(QUrl::FullyEncoded));
        }
    }
    return entries;
}

} // namespace

DropTarget::DropTarget(QWidget* widget)
    : QObject(widget) {
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

bool DropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::Drop) {
        auto* const drop = static_cast<QDropEvent*>(event);
        const QStringList entries = playable(drop->mimeData());
        if (entries.isEmpty()) {
            return false;
        }
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop) {
            QMetaObject::invokeMethod(
                this, [this, entries] { Q_EMIT dropped(entries); }, Qt::QueuedConnection);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vyx
