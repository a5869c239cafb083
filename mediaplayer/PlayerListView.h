#pragma once

#include <QListWidget>
#include <QStringList>

namespace vyx {

// The entries of a player's list beside its picture, the one that plays marked. A view only:
// it asks for what the user does (play, remove, reorder) and is shown the list again after.
class PlayerListView final : public QListWidget {
    Q_OBJECT
public:
    explicit PlayerListView(QWidget* parent);

    void setEntries(const QStringList& shown, qsizetype current);

Q_SIGNALS:
    void playRequested(qsizetype index);
    void removeRequested(qsizetype index);
    void moveRequested(qsizetype from, qsizetype to);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vyx
