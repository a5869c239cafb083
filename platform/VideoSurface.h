#pragma once

#include <QOpenGLWidget>
#include <memory>

struct mpv_render_context;

namespace vyx {

class MpvCore;

// Draws the core's picture into the widget through libmpv's OpenGL render API.
class VideoSurface final : public QOpenGLWidget {
    Q_OBJECT
public:
    VideoSurface(std::shared_ptr<MpvCore> core, QWidget* parent);
    ~VideoSurface() override;
    VideoSurface(const VideoSurface&) = delete;
    VideoSurface& operator=(const VideoSurface&) = delete;

Q_SIGNALS:
    void rendererFailed(const QString& reason);
    void pressed();
    // A single click; the release that ends a double click is not one.
    void clicked();
    void doubleClicked();

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    static void onUpdate(void* context);
    void releaseRenderer();

    std::shared_ptr<MpvCore> m_core;
    mpv_render_context* m_render = nullptr;
    QMetaObject::Connection m_contextGone;
    bool m_inDoubleClick = false;
};

} // namespace vyx
