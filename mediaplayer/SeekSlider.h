#pragma once

#include <QList>
#include <QSlider>

namespace vyx {

// The seek bar: a click goes to that point, as in every player, rather than a page nearer; it
// shows the chapter starts and the A-B loop as marks along its groove.
class SeekSlider final : public QSlider {
    Q_OBJECT
public:
    explicit SeekSlider(QWidget* parent);

    // Where along the bar, from 0 to 1; negative for a loop point not set.
    void setMarks(const QList<double>& chapters, double loopStart, double loopEnd);
    // The share of the bar under a point of the widget, from 0 to 1.
    [[nodiscard]] double shareAt(int x) const;

Q_SIGNALS:
    // The pointer rests over the bar at that share of it; -1 when it has left.
    void hovered(double share, QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    [[nodiscard]] int xOf(double share) const;

    QList<double> m_chapters;
    double m_loopStart = -1.0;
    double m_loopEnd = -1.0;
};

} // namespace vyx
