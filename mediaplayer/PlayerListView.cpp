#include "PlayerListView.h"

#include <QKeyEvent>
#include <QStyle>

namespace vyx {

PlayerListView::PlayerListView(QWidget* parent)
    : QListWidget(parent) {
    setObjectName(QStringLiteral("playlist"));
    setAccessibleName(tr("Playlist"));
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QListWidget::itemActivated, this,
            [this](const QListWidgetItem* item) { Q_EMIT playRequested(row(item)); });
    // The view has moved its own row by then; the list is asked to follow once the drop is
    // over, and shows itself afresh.
    connect(model(), &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int from, int, const QModelIndex&, int before) {
                const qsizetype to = before > from ? before - 1 : before;
                QMetaObject::invokeMethod(
                    this, [this, from, to] { Q_EMIT moveRequested(from, to); },
                    Qt::QueuedConnection);
            });
}

void PlayerListView::setEntries(const QStringList& shown, qsizetype current) {
    const int selected = currentRow();
    clear();
    addItems(shown);
    if (QListWidgetItem* const playing = item(static_cast<int>(current))) {
        QFont bold = playing->font();
        bold.setBold(true);
        playing->setFont(bold);
        playing->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
        playing->setData(Qt::AccessibleDescriptionRole, tr("playing"));
    }
    // The selection follows what plays, unless the user is at work in the list.
    setCurrentRow(
        std::min(hasFocus() && selected >= 0 ? selected : static_cast<int>(current), count() - 1));
}

void PlayerListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && currentRow() >= 0) {
        Q_EMIT removeRequested(currentRow());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace vyx
