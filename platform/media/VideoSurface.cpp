#include "VideoSurface.h"

#include "media/MpvCore.h"
#include "system/Timing.h"

#include <QApplication>
#include <QBackingStore>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QWindow>
#include <utility>

namespace vyx {

namespace {

QString filterName(Filter filter) {
    switch (filter) {
    case Filter::Bilinear:
        return QStringLiteral("bilinear");
    case Filter::Area:
        return QStringLiteral("area");
    case Filter::Bicubic:
        break;
    }
    return QStringLiteral("bicubic");
}

} // namespace

VideoSurface::VideoSurface(std::shared_ptr<MpvCore> core, QWidget* parent)
    : QWidget(parent)
    , m_core(std::move(core))
    , m_render(*m_core, RenderUse::EveryFrame, &VideoSurface::onUpdate, this) {
    setMinimumSize(1, 1);
    // Every pixel is painted each time: nothing need be cleared underneath first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_clickTimer.setSingleShot(true);
    m_clickTimer.setInterval(QApplication::doubleClickInterval());
    connect(&m_clickTimer, &QTimer::timeout, this, &VideoSurface::clicked);
    // The engine's own lead (50 ms) would hold the GUI thread for a whole frame and more.
    chooseDrawing();
}

void VideoSurface::onUpdate(void* context) {
    // libmpv's thread: only ask the GUI thread to look.
    auto* const self = static_cast<VideoSurface*>(context);
    QMetaObject::invokeMethod(
        self,
        [self] {
            if (self->m_render.frameWaiting()) {
                self->update();
            }
        },
        Qt::QueuedConnection);
}

void VideoSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!m_render.valid()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    const bool newFrame = m_render.nextFrameIsNew();
    const QRect shown = pictureRect();
    // Straight into the window's own picture where it can be, which saves copying every frame
    // once more; otherwise into a buffer of our own that is painted like any image.
    std::optional<FrameTarget> direct = windowTarget(painter, event->region());
    if (direct) {
        m_frame.resize({});
        direct = partOf(*direct, shown);
    } else {
        m_frame.resize(shown.size());
    }
    const FrameTarget target = direct.value_or(m_frame.target());
    if (target.size.isEmpty() || !m_render.render(target)) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (!direct) {
        QImage picture = m_frame.image();
        picture.setDevicePixelRatio(ratio);
        painter.drawImage(QPointF(shown.topLeft()) / ratio, picture);
    }
    // The bars, after the picture: the engine may have written past the ends of its lines.
    const QRect inside = QRectF(QPointF(shown.topLeft()) / ratio, QSizeF(shown.size()) / ratio)
                             .toAlignedRect()
                             .intersected(rect());
    for (const QRect& bar : QRegion(rect()).subtracted(inside)) {
        painter.fillRect(bar, Qt::black);
    }
    if (newFrame) {
        Q_EMIT framePainted();
    }
}

std::optional<FrameTarget> VideoSurface::windowTarget(const QPainter& painter,
                                                      const QRegion& painted) const {
    // Only the window's own picture on screen (a copy of the widget made with render() or
    // grab() shows every byte it is given), and only when the whole surface is painted: the
    // engine writes all of it, which must not reach what Qt does not paint over afterwards.
    QPaintDevice* const device = painter.paintEngine()->paintDevice();
    QBackingStore* const store = backingStore();
    const QTransform place = painter.deviceTransform();
    if (!QRegion(rect()).subtracted(painted).isEmpty() || device == nullptr || store == nullptr ||
        device != store->paintDevice() || device->devType() != QInternal::Image ||
        place.type() > QTransform::TxTranslate) {
        return std::nullopt;
    }
    // X shows a window without alpha from the 24 bits of colour alone, whatever Qt keeps in
    // the fourth byte of its picture.
    const QWindow* const shown = window()->windowHandle();
    const bool alphaShown = QGuiApplication::platformName() != QLatin1String("xcb") ||
                            shown == nullptr || shown->format().hasAlpha();
    return vyx::windowTarget(*static_cast<QImage*>(device),
                             rect().translated(place.map(QPoint(0, 0))), alphaShown);
}

QRect VideoSurface::pictureRect() const {
    return pictureTarget(m_picture, (QSizeF(size()) * devicePixelRatioF()).toSize(), m_fit);
}

void VideoSurface::setPicture(QSize size, const QString& pixelFormat) {
    m_picture = size;
    m_pixelFormat = pixelFormat;
    chooseDrawing();
    update();
}

void VideoSurface::setPictureFit(PictureFit fit) {
    m_fit = fit;
    chooseDrawing();
    update();
}

void VideoSurface::chooseDrawing() {
    const QSize shown = pictureRect().size();
    const Scaler scaler = chooseScaler(m_picture, shown, m_pixelFormat);
    if (scaler != m_scaler) {
        m_scaler = scaler;
        m_core->setFlag("sws-allow-zimg", scaler.converter == Converter::Zimg);
        m_core->setString(scaler.converter == Converter::Zimg ? "zimg-scaler" : "sws-scaler",
                          filterName(scaler.filter));
    }
    const std::chrono::milliseconds lead = drawLead(m_picture, shown);
    if (lead != m_lead) {
        m_lead = lead;
        m_core->setDouble("video-timing-offset", std::chrono::duration<double>(lead).count());
    }
}

void VideoSurface::resizeEvent(QResizeEvent* event) {
    logTiming("video-area", QStringLiteral("%1x%2").arg(width()).arg(height()));
    chooseDrawing();
    QWidget::resizeEvent(event);
}

void VideoSurface::mousePressEvent(QMouseEvent* event) {
    // Each press starts afresh, but for the second press of a double click. X delivers the
    // double click before that press (with the same time), QTest after it.
    if (event->timestamp() != m_doubleClickTime) {
        m_inDoubleClick = false;
    }
    Q_EMIT pressed();
    QWidget::mousePressEvent(event);
}

void VideoSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (m_inDoubleClick) {
            m_inDoubleClick = false;
        } else if (rect().contains(event->position().toPoint())) {
            m_clickTimer.start();
        }
    }
    QWidget::mouseReleaseEvent(event);
}

void VideoSurface::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_clickTimer.stop();
        m_inDoubleClick = true;
        m_doubleClickTime = event->timestamp();
        Q_EMIT doubleClicked();
    }
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace vyx
