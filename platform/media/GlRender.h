#pragma once

#include "media/RenderContext.h"

#include <QSize>

namespace vyx {

class MpvCore;

// The connections to the window system that the engine's hardware decoders hand their
// pictures to GL through (VA-API needs one); null where the session has none of that kind.
struct WindowSystemDisplays {
    void* x11 = nullptr;     // Display*
    void* wayland = nullptr; // wl_display*
};

// A core's OpenGL render context: the engine draws, scales, converts and tone-maps on the GPU
// with the GL context that is current. Made, used and ended with that context current; it
// belongs to its core and must end before the core does.
class GlRender {
public:
    // The callback comes on libmpv's thread whenever there may be something to do; it must only
    // schedule a call of frameWaiting(), which does the engine's work for the render thread
    // (its video set-up, its screenshots).
    GlRender(MpvCore& core, WindowSystemDisplays displays, void (*onUpdate)(void*), void* context);

    [[nodiscard]] bool valid() const { return m_render.valid(); }
    [[nodiscard]] bool frameWaiting() const { return m_render.frameWaiting(); }
    [[nodiscard]] bool nextFrameIsNew() const { return m_render.nextFrameIsNew(); }
    // Draws into the framebuffer of that size at once, whatever the frame's time: the GUI
    // thread never waits for it.
    bool render(unsigned framebuffer, QSize size) const;

private:
    RenderContext m_render;
};

} // namespace vyx
