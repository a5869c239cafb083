#include "VideoSurface.h"

#include "MpvCore.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <array>
#include <mpv/render_gl.h>
#include <utility>

namespace vyx {

namespace {

void* procAddress(void* /*context*/, const char* name) {
    QOpenGLContext* const gl = QOpenGLContext::currentContext();
    return gl == nullptr ? nullptr : reinterpret_cast<void*>(gl->getProcAddress(name));
}

} // namespace

VideoSurface::VideoSurface(std::shared_ptr<MpvCore> core, QWidget* parent)
    : QOpenGLWidget(parent)
    , m_core(std::move(core)) {
    setMinimumSize(1, 1);
}

VideoSurface::~VideoSurface() {
    // QOpenGLWidget's own destructor destroys the context, when this object is no longer one.
    disconnect(m_contextGone);
    releaseRenderer();
}

void VideoSurface::releaseRenderer() {
    if (m_render == nullptr) {
        return;
    }
    // The render context holds GL objects of this widget's context: free them while current.
    makeCurrent();
    mpv_render_context_set_update_callback(m_render, nullptr, nullptr);
    mpv_render_context_free(m_render);
    m_render = nullptr;
    doneCurrent();
}

void VideoSurface::initializeGL() {
    mpv_opengl_init_params glInit{&procAddress, nullptr};
    int advanced = 1;
    std::array params{
        mpv_render_param{MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        mpv_render_param{MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
        mpv_render_param{MPV_RENDER_PARAM_ADVANCED_CONTROL, &advanced},
        mpv_render_param{MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (context() == nullptr || !context()->isValid() ||
        mpv_render_context_create(&m_render, m_core->handle(), params.data()) < 0) {
        m_render = nullptr;
        Q_EMIT rendererFailed(tr("No picture: OpenGL is not available on this display."));
        return;
    }
    mpv_render_context_set_update_callback(m_render, &VideoSurface::onUpdate, this);
    // The GL context goes with the top-level window; should it be made again, start afresh.
    m_contextGone = connect(context(), &QOpenGLContext::aboutToBeDestroyed, this,
                            &VideoSurface::releaseRenderer, Qt::DirectConnection);
}

void VideoSurface::onUpdate(void* context) {
    // libmpv's thread: only ask the GUI thread to look.
    auto* const self = static_cast<VideoSurface*>(context);
    QMetaObject::invokeMethod(
        self,
        [self] {
            if (self->m_render != nullptr &&
                (mpv_render_context_update(self->m_render) & MPV_RENDER_UPDATE_FRAME) != 0) {
                self->update();
            }
        },
        Qt::QueuedConnection);
}

void VideoSurface::paintGL() {
    if (m_render == nullptr) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    mpv_opengl_fbo fbo{static_cast<int>(defaultFramebufferObject()),
                       static_cast<int>(width() * ratio), static_cast<int>(height() * ratio), 0};
    int flipY = 1;
    std::array params{
        mpv_render_param{MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        mpv_render_param{MPV_RENDER_PARAM_FLIP_Y, &flipY},
        mpv_render_param{MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(m_render, params.data());
}

void VideoSurface::mousePressEvent(QMouseEvent* event) {
    // Each press starts afresh; a double click is only known once its second press came.
    m_inDoubleClick = false;
    Q_EMIT pressed();
    QOpenGLWidget::mousePressEvent(event);
}

void VideoSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (m_inDoubleClick) {
            m_inDoubleClick = false;
        } else if (rect().contains(event->position().toPoint())) {
            Q_EMIT clicked();
        }
    }
    QOpenGLWidget::mouseReleaseEvent(event);
}

void VideoSurface::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_inDoubleClick = true;
        Q_EMIT doubleClicked();
    }
    QOpenGLWidget::mouseDoubleClickEvent(event);
}

} // namespace vyx
