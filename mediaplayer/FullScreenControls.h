#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

class QBoxLayout;
class QWidget;

namespace vyx {

class ControlBar;

// The control bar in full screen: over the picture rather than beside it, so that the picture
// spans the screen and does not jump; it and the pointer go after a while without the pointer
// moving and come back when it moves, but stay while a menu is open or the pointer rests on
// the bar. Sized for the screen, as the desktop's own panels are.
class FullScreenControls final : public QObject {
    Q_OBJECT
public:
    // The bar sits in the player's layout when not in full screen.
    FullScreenControls(QWidget& player, ControlBar& bar, QBoxLayout& layout);

    void setOn(bool on);
    [[nodiscard]] bool barShown() const;

    static constexpr int kIdleMs = 2000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeBar();
    void pointerLooked();
    void reveal();
    void raiseBar();

    QWidget& m_player;
    ControlBar& m_bar;
    QBoxLayout& m_layout;
    QTimer m_look;
    QPoint m_pointer;
    int m_stillFor = 0;
    bool m_on = false;
    bool m_hidden = false;
    bool m_wanted = true;
};

} // namespace vyx
