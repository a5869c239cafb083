#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

class QWidget;

namespace vyx {

// Shows a part of a window across its screen, as a window of its own, and puts it back where
// it was. The window it belongs to (its geometry, its menu bar) is left untouched throughout,
// so there is nothing of it to restore.
class FullScreen final : public QObject {
    Q_OBJECT
public:
    // The helper belongs to the widget's parent, which takes the widget back.
    explicit FullScreen(QWidget* widget);
    ~FullScreen() override;
    FullScreen(const FullScreen&) = delete;
    FullScreen& operator=(const FullScreen&) = delete;

    void set(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_widget;
    QWidget* m_parent;
    QRect m_geometry;
    bool m_on = false;
};

} // namespace vyx
