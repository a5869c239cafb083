#pragma once

#include <QImage>
#include <QList>
#include <QSlider>

class QLabel;

namespace vyx {

// The seek bar: a click goes to that point, as in every player, rather than a page nearer; it
// shows the chapter starts and the A-B loop as marks along its groove, and above the pointer
// the time under it, with a picture of that moment once one is given.
class SeekSlider final : public QSlider {
    Q_OBJECT
public:
    explicit SeekSlider(QWidget* parent);

    // Where along the bar, from 0 to 1; negative for a loop point not set.
    void setMarks(const QList<double>& chapters, double loopStart, double loopEnd);
    // The length the bar stands for; nothing is shown over a bar of no length.
    void setLength(double seconds) { m_length = seconds; }
    void showPicture(const QImage& picture);
    // The share of the bar under a point of the widget, from 0 to 1.
    [[nodiscard]] double shareAt(int x) const;

Q_SIGNALS:
    // The pointer is over the bar at that time; a picture of it would be welcome.
    void pictureWanted(double seconds);
    void pointerLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    [[nodiscard]] int xOf(double share) const;
    void placeTip();

    QList<double> m_chapters;
    double m_loopStart = -1.0;
    double m_loopEnd = -1.0;
    double m_length = 0.0;
    int m_tipX = 0;
    QWidget* m_tip;
    QLabel* m_tipPicture;
    QLabel* m_tipTime;
};

} // namespace vyx
