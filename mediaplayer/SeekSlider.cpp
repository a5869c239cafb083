#include "SeekSlider.h"

#include "ControlBar.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace vyx {

namespace {

class JumpToClickStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_Slider_AbsoluteSetButtons) {
            return Qt::LeftButton;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

SeekSlider::SeekSlider(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
    , m_tip(new QWidget(this, Qt::ToolTip | Qt::WindowTransparentForInput))
    , m_tipPicture(new QLabel(m_tip))
    , m_tipTime(new QLabel(m_tip)) {
    // The proxy is the slider's own: it wraps the application's style of the moment.
    auto* const jump = new JumpToClickStyle(QApplication::style()->name());
    jump->setParent(this);
    setStyle(jump);
    setMouseTracking(true);
    auto* const layout = new QVBoxLayout(m_tip);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    layout->addWidget(m_tipPicture);
    layout->addWidget(m_tipTime, 0, Qt::AlignHCenter);
    m_tipPicture->hide();
}

void SeekSlider::showPicture(const QImage& picture) {
    if (m_tip->isVisible()) {
        m_tipPicture->setPixmap(QPixmap::fromImage(picture));
        m_tipPicture->show();
        placeTip();
    }
}

void SeekSlider::placeTip() {
    m_tip->adjustSize();
    // Above the bar, centred on the pointer, never over it: the pointer would leave the bar.
    m_tip->move(mapToGlobal(QPoint(m_tipX - m_tip->width() / 2, -m_tip->height() - 4)));
}

void SeekSlider::setMarks(const QList<double>& chapters, double loopStart, double loopEnd) {
    m_chapters = chapters;
    m_loopStart = loopStart;
    m_loopEnd = loopEnd;
    update();
}

int SeekSlider::xOf(double share) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    return groove.left() + handle.width() / 2 +
           static_cast<int>(std::lround(std::clamp(share, 0.0, 1.0) * span));
}

double SeekSlider::shareAt(int x) const {
    const int left = xOf(0.0);
    const int right = xOf(1.0);
    return right > left ? std::clamp(static_cast<double>(x - left) / (right - left), 0.0, 1.0)
                        : 0.0;
}

void SeekSlider::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if (m_chapters.isEmpty() && m_loopStart < 0) {
        return;
    }
    QPainter painter(this);
    const int middle = height() / 2;
    painter.setPen(palette().color(QPalette::WindowText));
    for (const double share : std::as_const(m_chapters)) {
        const int x = xOf(share);
        painter.drawLine(x, middle - 5, x, middle - 3);
        painter.drawLine(x, middle + 3, x, middle + 5);
    }
    const QColor loop = palette().color(QPalette::Highlight);
    for (const double share : {m_loopStart, m_loopEnd}) {
        if (share >= 0) {
            painter.fillRect(xOf(share) - 1, middle - 6, 2, 12, loop);
        }
    }
    if (m_loopStart >= 0 && m_loopEnd >= 0) {
        QColor span = loop;
        span.setAlpha(80);
        painter.fillRect(
            QRect(QPoint(xOf(m_loopStart), middle - 2), QPoint(xOf(m_loopEnd), middle + 2)), span);
    }
}

void SeekSlider::mouseMoveEvent(QMouseEvent* event) {
    QSlider::mouseMoveEvent(event);
    if (!isEnabled() || m_length <= 0) {
        return;
    }
    const int x = event->position().toPoint().x();
    const double seconds = shareAt(x) * m_length;
    m_tipTime->setText(ControlBar::formatTime(seconds));
    m_tipX = x;
    placeTip();
    m_tip->show();
    Q_EMIT pictureWanted(seconds);
}

void SeekSlider::leaveEvent(QEvent* event) {
    QSlider::leaveEvent(event);
    // Showing the tip's window can tell the bar the pointer left when it has not.
    if (rect().contains(mapFromGlobal(QCursor::pos()))) {
        return;
    }
    m_tip->hide();
    m_tipPicture->hide();
    Q_EMIT pointerLeft();
}

} // namespace vyx
