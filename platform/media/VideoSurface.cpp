#include "VideoSurface.h"

#include "media/GlPicture.h"
#include "media/MpvCore.h"
#include "media/SoftwarePicture.h"
#include "system/Timing.h"

#include <QApplication>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace vyx {

VideoSurface::VideoSurface(const std::shared_ptr<MpvCore>& core, VideoOutputChoice& outputs,
                           QWidget* parent)
    : QWidget(parent) {
    setMinimumSize(1, 1);
    m_clickTimer.setSingleShot(true);
    m_clickTimer.setInterval(QApplication::doubleClickInterval());
    connect(&m_clickTimer, &QTimer::timeout, this, &VideoSurface::clicked);
    m_picture = outputs.next() == VideoOutput::OpenGL ? makeGlPicture(core, outputs) : nullptr;
    if (m_picture == nullptr) {
        auto* const software = new SoftwarePicture(core, pictureEvents(), this);
        if (software->valid()) {
            m_picture = software;
        }
    }
    auto* const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (m_picture != nullptr) {
        layout->addWidget(m_picture->widget());
    }
}

PictureEvents VideoSurface::pictureEvents() {
    return {[this](bool newFrame) {
        if (newFrame) {
            Q_EMIT framePainted();
        }
    }};
}

PictureView* VideoSurface::makeGlPicture(const std::shared_ptr<MpvCore>& core,
                                         VideoOutputChoice& outputs) {
    // Read when the renderer is made. Set and waited for here, before any file: the core is
    // idle, and cannot be waiting for this thread.
    const VideoOutputChoice::HardwareDecoding hardware = outputs.hardwareDecoding();
    core->setOption("gpu-hwdec-interop", hardware.interop);
    auto made = GlPicture::make(core, outputs.mode(), pictureEvents(), this);
    if (const auto* const reason = std::get_if<QString>(&made)) {
        outputs.glFails(*reason);
        return nullptr;
    }
    GlPicture* const picture = std::get<GlPicture*>(made);
    outputs.glWorks(picture->renderer());
    m_output = VideoOutput::OpenGL;
    // Decoded on the GPU where the driver answers, and in software where it does not or where
    // the decoder fails in the middle of a file; the engine goes on from the same picture. The
    // GL renderer never waits for a frame's time, so nothing is drawn ahead of it.
    core->setString("hwdec", hardware.decoder);
    core->setDouble("video-timing-offset", 0.0);
    return picture;
}

void VideoSurface::setPicture(const PictureFormat& format) {
    if (m_picture != nullptr) {
        m_picture->setPicture(format);
    }
}

void VideoSurface::setPictureFit(PictureFit fit) {
    if (m_picture != nullptr) {
        m_picture->setPictureFit(fit);
    }
}

void VideoSurface::setZoomed(bool zoomed) {
    if (m_picture != nullptr) {
        m_picture->setZoomed(zoomed);
    }
}

bool VideoSurface::drawsScreenshots() const {
    return m_picture != nullptr && m_picture->drawsScreenshots();
}

QImage VideoSurface::screenshot() {
    return m_picture != nullptr ? m_picture->screenshot() : QImage();
}

void VideoSurface::resizeEvent(QResizeEvent* event) {
    logTiming("video-area", QStringLiteral("%1x%2").arg(width()).arg(height()));
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
