#include "DropTarget.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>
#include <algorithm>

namespace vyx {

namespace {

QString firstLocalFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    const auto first =
        std::find_if(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
    return first == urls.end() ? QString() : first->toLocalFile();
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
        const QString path = firstLocalFile(drop->mimeData());
        if (path.isEmpty()) {
            return false;
        }
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop) {
            QMetaObject::invokeMethod(
                this, [this, path] { Q_EMIT fileDropped(path); }, Qt::QueuedConnection);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vyx
