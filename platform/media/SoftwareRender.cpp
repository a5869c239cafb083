#include "SoftwareRender.h"

#include "media/MpvCore.h"

#include <array>
#include <mpv/render.h>

namespace vyx {

SoftwareRender::SoftwareRender(MpvCore& core, RenderUse use, void (*onUpdate)(void*), void* context)
    : m_core(core)
    , m_use(use) {
    int advanced = use == RenderUse::EveryFrame ? 1 : 0;
    std::array params{
        mpv_render_param{MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
        mpv_render_param{MPV_RENDER_PARAM_ADVANCED_CONTROL, &advanced},
        mpv_render_param{MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (m_core.api().renderCreate(&m_render, m_core.handle(), params.data()) < 0) {
        m_render = nullptr;
        return;
    }
    m_core.api().renderSetUpdateCallback(m_render, onUpdate, context);
}

SoftwareRender::~SoftwareRender() {
    if (m_render != nullptr) {
        m_core.api().renderSetUpdateCallback(m_render, nullptr, nullptr);
        m_core.api().renderFree(m_render);
    }
}

bool SoftwareRender::frameWaiting() const {
    return m_render != nullptr &&
           (m_core.api().renderUpdate(m_render) & MPV_RENDER_UPDATE_FRAME) != 0;
}

bool SoftwareRender::nextFrameIsNew() const {
    mpv_render_frame_info next{};
    std::array query{mpv_render_param{MPV_RENDER_PARAM_NEXT_FRAME_INFO, &next}};
    return m_render != nullptr && m_core.api().renderGetInfo(m_render, query[0]) >= 0 &&
           (next.flags & MPV_RENDER_FRAME_INFO_PRESENT) != 0;
}

bool SoftwareRender::render(const FrameTarget& target) const {
    std::array<int, 2> pixels{target.size.width(), target.size.height()};
    std::size_t stride = target.stride;
    int block = m_use == RenderUse::EveryFrame ? 1 : 0;
    std::array params{
        mpv_render_param{MPV_RENDER_PARAM_SW_SIZE, pixels.data()},
        mpv_render_param{MPV_RENDER_PARAM_SW_FORMAT, const_cast<char*>(kEnginePixelFormat)},
        mpv_render_param{MPV_RENDER_PARAM_SW_STRIDE, &stride},
        mpv_render_param{MPV_RENDER_PARAM_SW_POINTER, target.pixels},
        mpv_render_param{MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
        mpv_render_param{MPV_RENDER_PARAM_INVALID, nullptr},
    };
    return m_render != nullptr && m_core.api().renderRender(m_render, params.data()) >= 0;
}

} // namespace vyx
