#pragma once

struct mpv_render_context;
struct mpv_render_param;

namespace vyx {

class MpvCore;

// A core's render context, of whichever kind its parameters ask for: the engine draws its
// pictures where the render thread (ours, the GUI thread) tells it. It belongs to its core and
// must end before the core does.
class RenderContext {
public:
    // The callback comes on libmpv's thread whenever there may be something to do; it must only
    // schedule work. The parameters end with MPV_RENDER_PARAM_INVALID.
    RenderContext(MpvCore& core, mpv_render_param* params, void (*onUpdate)(void*), void* context);
    ~RenderContext();
    RenderContext(const RenderContext&) = delete;
    RenderContext& operator=(const RenderContext&) = delete;

    // False when the core could not give one.
    [[nodiscard]] bool valid() const { return m_render != nullptr; }
    // After the callback, on the render thread: does the engine's work for that thread and
    // says whether a new picture waits.
    [[nodiscard]] bool frameWaiting() const;
    // Whether the next draw shows a picture not drawn before.
    [[nodiscard]] bool nextFrameIsNew() const;
    // Draws with the parameters given, ended with MPV_RENDER_PARAM_INVALID.
    bool render(mpv_render_param* params) const;

private:
    MpvCore& m_core;
    mpv_render_context* m_render = nullptr;
};

} // namespace vyx
