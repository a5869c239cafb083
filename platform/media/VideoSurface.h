#pragma once

#include "media/PictureFit.h"
#include "media/PictureFormat.h"
#include "media/PictureView.h"
#include "media/VideoOutputChoice.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace vyx {

class MpvCore;

// The player's picture: the engine's frames drawn by the output the program chose (GL where
// there is a GPU, software elsewhere), and the clicks on it. Whoever uses it does not care
// which output draws.
class VideoSurface final : public QWidget {
    Q_OBJECT
public:
    VideoSurface(const std::shared_ptr<MpvCore>& core, VideoOutputChoice& outputs, QWidget* parent);
    VideoSurface(const VideoSurface&) = delete;
    VideoSurface& operator=(const VideoSurface&) = delete;

    // False when the core could not give a renderer; the player then says so instead.
    [[nodiscard]] bool hasRenderer() const { return m_picture != nullptr; }
    [[nodiscard]] VideoOutput output() const { return m_output; }
    // What plays, which decides how it is scaled and converted.
    void setPicture(const PictureFormat& format);
    // How the picture is put into the surface; the core is told the same by its session.
    void setPictureFit(PictureFit fit);
    void setZoomed(bool zoomed);
    // Whether screenshots are drawn here, where the engine's own would not show what the
    // screen shows; then screenshot() draws one at the video's own size.
    [[nodiscard]] bool drawsScreenshots() const;
    [[nodiscard]] QImage screenshot();

Q_SIGNALS:
    void pressed();
    // A single click, once it is clear that it does not begin a double click; the release that
    // ends a double click is not one.
    void clicked();
    void doubleClicked();
    // A frame of the file was drawn; the first after each load is what the user waits for.
    void framePainted();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // What the pictures tell this surface.
    [[nodiscard]] PictureEvents pictureEvents();
    // The GL picture, when the choice and the machine allow it; null otherwise.
    PictureView* makeGlPicture(const std::shared_ptr<MpvCore>& core, VideoOutputChoice& outputs);

    // Owned by its widget, a child of this surface.
    PictureView* m_picture = nullptr;
    VideoOutput m_output = VideoOutput::Software;
    bool m_inDoubleClick = false;
    quint64 m_doubleClickTime = 0;
    QTimer m_clickTimer;
};

} // namespace vyx
