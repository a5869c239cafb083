#include "GlPicture.h"

#include <QGuiApplication>
#include <QOpenGLFunctions>
#include <QWidget>
#include <qpa/qplatformnativeinterface.h>
#include <utility>

namespace vyx {

namespace {

WindowSystemDisplays displaysOfThisSession() {
    WindowSystemDisplays displays;
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        displays.x11 = x11->display();
    }
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        displays.wayland = QGuiApplication::platformNativeInterface()->nativeResourceForIntegration(
            QByteArrayLiteral("wl_display"));
    }
    return displays;
}

} // namespace

GlPicture::GlPicture(std::shared_ptr<MpvCore> core, PictureEvents events)
    : m_core(std::move(core))
    , m_events(std::move(events)) {
    setSurfaceType(QSurface::OpenGLSurface);
    setFlags(flags() | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
}

std::variant<GlPicture*, QString> GlPicture::make(std::shared_ptr<MpvCore> core,
                                                  VideoOutputMode mode, PictureEvents events,
                                                  QWidget* parent) {
    auto picture = std::unique_ptr<GlPicture>(new GlPicture(std::move(core), std::move(events)));
    if (const std::optional<QString> reason = picture->start(mode)) {
        return *reason;
    }
    GlPicture* const made = picture.release();
    // The container owns the window from here on.
    made->m_container = QWidget::createWindowContainer(made, parent);
    made->m_container->setMinimumSize(1, 1);
    // On X a native container holds the picture's window inside the player's own native
    // windows, rather than straight in the top-level one above all of them, so that the
    // player's widgets (its full-screen control bar) can be stacked over the picture. A Wayland
    // compositor stacks a later surface over the picture's by itself, and would show a nested
    // one's picture nowhere.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        made->m_container->winId();
    }
    return made;
}

std::optional<QString> GlPicture::start(VideoOutputMode mode) {
    m_context.setFormat(requestedFormat());
    if (!m_context.create()) {
        return QStringLiteral("no GL context can be made");
    }
    m_offscreen.setFormat(m_context.format());
    m_offscreen.create();
    if (!m_context.makeCurrent(&m_offscreen)) {
        return QStringLiteral("the GL context cannot be used");
    }
    const auto* const name = m_context.functions()->glGetString(GL_RENDERER);
    m_renderer = QString::fromUtf8(reinterpret_cast<const char*>(name));
    const QSurfaceFormat format = m_context.format();
    if (std::optional<QString> reason =
            softwareAfterGl(mode, m_renderer, format.majorVersion(), format.minorVersion(),
                            m_context.isOpenGLES())) {
        m_context.doneCurrent();
        return reason;
    }
    m_render =
        std::make_unique<GlRender>(*m_core, displaysOfThisSession(), &GlPicture::onUpdate, this);
    if (!m_render->valid()) {
        m_render.reset();
        m_context.doneCurrent();
        return QStringLiteral("the media engine cannot draw with GL \"%1\"").arg(m_renderer);
    }
    m_context.doneCurrent();
    return std::nullopt;
}

GlPicture::~GlPicture() {
    // The engine's GL objects go with the context they were made in.
    if (m_render && m_context.makeCurrent(&m_offscreen)) {
        m_render.reset();
        m_context.doneCurrent();
    }
}

void GlPicture::onUpdate(void* context) {
    // libmpv's thread: only ask the GUI thread to look.
    auto* const self = static_cast<GlPicture*>(context);
    QMetaObject::invokeMethod(
        self,
        [self] {
            // The engine's work for this thread needs the context, shown or not.
            if (!self->m_context.makeCurrent(&self->m_offscreen)) {
                return;
            }
            const bool waiting = self->m_render->frameWaiting();
            self->m_context.doneCurrent();
            if (waiting) {
                self->draw();
            }
        },
        Qt::QueuedConnection);
}

void GlPicture::exposeEvent(QExposeEvent* /*event*/) {
    draw();
}

bool GlPicture::event(QEvent* event) {
    if (event->type() == QEvent::UpdateRequest) {
        draw();
        return true;
    }
    return QWindow::event(event);
}

void GlPicture::draw() {
    if (!m_render || !isExposed() || !m_context.makeCurrent(this)) {
        return;
    }
    const bool newFrame = m_render->nextFrameIsNew();
    m_render->render(m_context.defaultFramebufferObject(), size() * devicePixelRatio());
    m_context.swapBuffers(this);
    m_context.doneCurrent();
    m_events.drawn(newFrame);
}

} // namespace vyx
