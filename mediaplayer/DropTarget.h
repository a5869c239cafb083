#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace vyx {

// Lets local files and http:// or https:// addresses be dropped on a widget and reports them in
// their order, after the drop is over: what is done with them may open a modal box, which must
// not run inside the drop itself.
class DropTarget final : public QObject {
    Q_OBJECT
public:
    explicit DropTarget(QWidget* widget);

Q_SIGNALS:
    void dropped(const QStringList& entries);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vyx
