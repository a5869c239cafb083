#include "SoftwareRender.h"

#include <array>
#include <mpv/render.h>

namespace vyx {

namespace {

RenderContext makeContext(MpvCore& core, RenderUse use, void (*onUpdate)(void*), void* context) {
    int advanced = use == RenderUse::EveryFrame ? 1 : 0;
    std::array params{
        mpv_render_param{MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
        mpv_render_param{MPV_RENDER_PARAM_ADVANCED_CONTROL, &advanced},
        mpv_render_param{MPV_RENDER_PARAM_INVALID, nullptr},
    };
    return {core, params.data(), onUpdate, context};
}

} // namespace

SoftwareRender::SoftwareRender(MpvCore& core, RenderUse use, void (*onUpdate)(void*), void* context)
    : m_use(use)
    , m_render(makeContext(core, use, onUpdate, context)) {}

bool SoftwareRender::render(const FrameTarget& target, const char* pixelFormat,
                            RenderWait wait) const {
    std::array<int, 2> pixels{target.size.width(), target.size.height()};
    std::size_t stride = target.stride;
    int block = m_use == RenderUse::EveryFrame && wait == RenderWait::ForTime ? 1 : 0;
    std::array params{
        mpv_render_param{MPV_RENDER_PARAM_SW_SIZE, pixels.data()},
        mpv_render_param{MPV_RENDER_PARAM_SW_FORMAT, const_cast<char*>(pixelFormat)},
        mpv_render_param{MPV_RENDER_PARAM_SW_STRIDE, &stride},
        mpv_render_param{MPV_RENDER_PARAM_SW_POINTER, target.pixels},
        mpv_render_param{MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
        mpv_render_param{MPV_RENDER_PARAM_INVALID, nullptr},
    };
    return m_render.render(params.data());
}

} // namespace vyx
