#include "GlRender.h"

#include <QOpenGLContext>
#include <array>
#include <mpv/render_gl.h>

namespace vyx {

namespace {

void* procAddress(void* /*context*/, const char* name) {
    const QOpenGLContext* const current = QOpenGLContext::currentContext();
    return current != nullptr ? reinterpret_cast<void*>(current->getProcAddress(name)) : nullptr;
}

RenderContext makeContext(MpvCore& core, WindowSystemDisplays displays, void (*onUpdate)(void*),
                          void* context) {
    mpv_opengl_init_params gl{&procAddress, nullptr};
    // The render thread never waits for the core; in return the engine decodes straight into
    // textures and takes its screenshots with GL, as the screen shows the picture.
    int advanced = 1;
    std::array<mpv_render_param, 6> params{};
    std::size_t count = 0;
    params.at(count++) = {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)};
    params.at(count++) = {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl};
    params.at(count++) = {MPV_RENDER_PARAM_ADVANCED_CONTROL, &advanced};
    if (displays.x11 != nullptr) {
        params.at(count++) = {MPV_RENDER_PARAM_X11_DISPLAY, displays.x11};
    }
    if (displays.wayland != nullptr) {
        params.at(count++) = {MPV_RENDER_PARAM_WL_DISPLAY, displays.wayland};
    }
    params.at(count) = {MPV_RENDER_PARAM_INVALID, nullptr};
    return {core, params.data(), onUpdate, context};
}

} // namespace

GlRender::GlRender(MpvCore& core, WindowSystemDisplays displays, void (*onUpdate)(void*),
                   void* context)
    : m_render(makeContext(core, displays, onUpdate, context)) {}

bool GlRender::render(unsigned framebuffer, QSize size) const {
    mpv_opengl_fbo fbo{static_cast<int>(framebuffer), size.width(), size.height(), 0};
    // GL's rows run from the bottom.
    int flip = 1;
    int block = 0;
    std::array params{
        mpv_render_param{MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        mpv_render_param{MPV_RENDER_PARAM_FLIP_Y, &flip},
        mpv_render_param{MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
        mpv_render_param{MPV_RENDER_PARAM_INVALID, nullptr},
    };
    return m_render.render(params.data());
}

} // namespace vyx
