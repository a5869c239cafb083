#pragma once

#include "media/GlRender.h"
#include "media/PictureView.h"
#include "media/VideoOutputChoice.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QWindow>
#include <memory>
#include <optional>
#include <variant>

namespace vyx {

class MpvCore;

// Draws the core's picture with libmpv's OpenGL renderer into a native window of its own,
// embedded in the player. Its GL context is its own, made with the picture and kept until it
// ends, so nothing that happens to the window around it (full screen, a new parent) can take
// it away; and the window around it stays an ordinary one, which Qt would otherwise make
// afresh for GL the first time a picture appears. The window takes no input: clicks, keys and
// drops reach the player's widgets under it.
class GlPicture final : public QWindow, public PictureView {
    Q_OBJECT
public:
    // The picture in a container widget of the parent's, with its context and renderer made;
    // or why GL will not do here, when they cannot be made or, asked for automatically, the
    // context is not a GPU's.
    static std::variant<GlPicture*, QString> make(std::shared_ptr<MpvCore> core,
                                                  VideoOutputMode mode, PictureEvents events,
                                                  QWidget* parent);
    ~GlPicture() override;
    GlPicture(const GlPicture&) = delete;
    GlPicture& operator=(const GlPicture&) = delete;

    // What the GL context says it draws with.
    [[nodiscard]] const QString& renderer() const { return m_renderer; }

    [[nodiscard]] QWidget* widget() override { return m_container; }
    // The engine scales, converts and tone-maps the picture itself.
    void setPicture(const PictureFormat& /*format*/) override {}
    void setPictureFit(PictureFit /*fit*/) override { draw(); }

protected:
    void exposeEvent(QExposeEvent* event) override;
    bool event(QEvent* event) override;

private:
    GlPicture(std::shared_ptr<MpvCore> core, PictureEvents events);
    std::optional<QString> start(VideoOutputMode mode);
    static void onUpdate(void* context);
    void draw();

    std::shared_ptr<MpvCore> m_core;
    PictureEvents m_events;
    QOpenGLContext m_context;
    QOffscreenSurface m_offscreen;
    // Declared after its context and core, so that it ends first.
    std::unique_ptr<GlRender> m_render;
    QWidget* m_container = nullptr;
    QString m_renderer;
};

} // namespace vyx
