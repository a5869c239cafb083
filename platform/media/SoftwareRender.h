#pragma once

#include "media/FrameBuffer.h"

struct mpv_render_context;

namespace vyx {

class MpvCore;

// What the pictures are for. A player draws every frame: the engine waits for the render
// thread (ours, the GUI thread) where it needs to, and a frame handed over before its time is
// drawn at once and then held until its time. Stills are drawn and shown as they come.
enum class RenderUse { EveryFrame, Stills };

// A core's software render context: the engine draws its pictures into memory of ours. It
// belongs to its core and must end before the core does.
class SoftwareRender {
public:
    // The callback comes on libmpv's thread whenever there may be something new to draw; it
    // must only schedule work.
    SoftwareRender(MpvCore& core, RenderUse use, void (*onUpdate)(void*), void* context);
    ~SoftwareRender();
    SoftwareRender(const SoftwareRender&) = delete;
    SoftwareRender& operator=(const SoftwareRender&) = delete;

    // False when the core could not give one.
    [[nodiscard]] bool valid() const { return m_render != nullptr; }
    // After the callback, on the render thread: whether a new picture waits.
    [[nodiscard]] bool frameWaiting() const;
    // Whether the next draw shows a picture not drawn before.
    [[nodiscard]] bool nextFrameIsNew() const;
    // Draws the picture into the target, in Qt's RGB32 byte order; for every frame, returns
    // once a new picture is due to be seen.
    bool render(const FrameTarget& target) const;

private:
    MpvCore& m_core;
    const RenderUse m_use;
    mpv_render_context* m_render = nullptr;
};

} // namespace vyx
