#include "RenderContext.h"

#include "media/MpvCore.h"

#include <array>
#include <mpv/render.h>

namespace vyx {

RenderContext::RenderContext(MpvCore& core, mpv_render_param* params, void (*onUpdate)(void*),
                             void* context)
    : m_core(core) {
    if (m_core.api().renderCreate(&m_render, m_core.handle(), params) < 0) {
        m_render = nullptr;
        return;
    }
    m_core.api().renderSetUpdateCallback(m_render, onUpdate, context);
}

RenderContext::~RenderContext() {
    if (m_render != nullptr) {
        m_core.api().renderSetUpdateCallback(m_render, nullptr, nullptr);
        m_core.api().renderFree(m_render);
    }
}

bool RenderContext::frameWaiting() const {
    return m_render != nullptr &&
           (m_core.api().renderUpdate(m_render) & MPV_RENDER_UPDATE_FRAME) != 0;
}

bool RenderContext::nextFrameIsNew() const {
    mpv_render_frame_info next{};
    std::array query{mpv_render_param{MPV_RENDER_PARAM_NEXT_FRAME_INFO, &next}};
    return m_render != nullptr && m_core.api().renderGetInfo(m_render, query[0]) >= 0 &&
           (next.flags & MPV_RENDER_FRAME_INFO_PRESENT) != 0;
}

bool RenderContext::render(mpv_render_param* params) const {
    return m_render != nullptr && m_core.api().renderRender(m_render, params) >= 0;
}

} // namespace vyx
