#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

namespace vyx {

// Shows one part of a window across its screen: the window itself goes full screen and that
// part covers it, with what else the window has (its menu bar, its fixed size) set aside and
// put back afterwards. Nothing changes its parent on the way, so a picture drawn with GL keeps
// its context, and keys and focus stay where they were.
class FullScreen final : public QObject {
    Q_OBJECT
public:
    // The helper belongs to the widget.
    explicit FullScreen(QWidget* widget);
    FullScreen(const FullScreen&) = delete;
    FullScreen& operator=(const FullScreen&) = delete;

    void set(bool on);
    [[nodiscard]] bool isOn() const { return m_on; }

Q_SIGNALS:
    // The widget has taken the screen, or given it back.
    void changed(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A widget's limits on its size, which a full screen must not be held by.
    struct Limits {
        QPointer<QWidget> widget;
        QSize minimum;
        QSize maximum;
    };
    void take();
    void giveBack();

    QWidget* m_widget;
    QList<Limits> m_limits;
    QPointer<QWidget> m_menuBar;
    QRect m_widgetGeometry;
    QRect m_windowGeometry;
    Qt::WindowStates m_windowState;
    bool m_on = false;
};

} // namespace vyx
