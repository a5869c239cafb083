#pragma once

#include "media/FrameBuffer.h"
#include "media/RenderContext.h"

namespace vyx {

class MpvCore;

// What the pictures are for. A player draws every frame: the engine waits for the render
// thread (ours, the GUI thread) where it needs to, and a frame handed over before its time is
// drawn at once and then held until its time. Stills are drawn and shown as they come.
enum class RenderUse { EveryFrame, Stills };

// Whether a draw of a new frame waits until the frame is due to be seen.
enum class RenderWait { ForTime, No };

// A core's software render context: the engine draws its pictures into memory of ours. It
// belongs to its core and must end before the core does.
class SoftwareRender {
public:
    // The callback comes on libmpv's thread whenever there may be something new to draw; it
    // must only schedule work.
    SoftwareRender(MpvCore& core, RenderUse use, void (*onUpdate)(void*), void* context);

    // False when the core could not give one.
    [[nodiscard]] bool valid() const { return m_render.valid(); }
    // After the callback, on the render thread: whether a new picture waits.
    [[nodiscard]] bool frameWaiting() const { return m_render.frameWaiting(); }
    // Whether the next draw shows a picture not drawn before.
    [[nodiscard]] bool nextFrameIsNew() const { return m_render.nextFrameIsNew(); }
    // Draws the picture into the target, in the engine's pixel format given (Qt's RGB32 byte
    // order by default); for every frame, returns once a new picture is due to be seen unless
    // told not to wait.
    bool render(const FrameTarget& target, const char* pixelFormat = kEnginePixelFormat,
                RenderWait wait = RenderWait::ForTime) const;

private:
    const RenderUse m_use;
    RenderContext m_render;
};

} // namespace vyx
