#pragma once

#include <QObject>

class QWidget;

namespace vyx {

// Lets local files be dropped on a widget and reports the first one, after the drop is over:
// what is done with it may open a modal box, which must not run inside the drop itself.
class DropTarget final : public QObject {
    Q_OBJECT
public:
    explicit DropTarget(QWidget* widget);

Q_SIGNALS:
    void fileDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vyx
