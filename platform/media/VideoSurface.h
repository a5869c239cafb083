#pragma once

#include "media/FrameBuffer.h"
#include "media/PictureFit.h"
#include "media/ScalerChoice.h"
#include "media/SoftwareRender.h"

#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

class QPainter;
class QRegion;

namespace vyx {

class MpvCore;

// Draws the core's picture into the widget through libmpv's software render API. The core
// scales and converts each frame straight into a buffer of the widget's size, which is painted
// like any other widget: no GL context, no composition of the window, no GL driver loaded.
class VideoSurface final : public QWidget {
    Q_OBJECT
public:
    VideoSurface(std::shared_ptr<MpvCore> core, QWidget* parent);
    VideoSurface(const VideoSurface&) = delete;
    VideoSurface& operator=(const VideoSurface&) = delete;

    // False when the core could not give a renderer; the player then says so instead.
    [[nodiscard]] bool hasRenderer() const { return m_render.valid(); }
    // The size the playing picture is shown at and its pixel format, which decide how it is
    // scaled and converted.
    void setPicture(QSize size, const QString& pixelFormat);
    // How the picture is put into the surface; the core is told the same by its session.
    void setPictureFit(PictureFit fit);

Q_SIGNALS:
    void pressed();
    // A single click, once it is clear that it does not begin a double click; the release that
    // ends a double click is not one.
    void clicked();
    void doubleClicked();
    // A frame of the file was drawn; the first after each load is what the user waits for.
    void framePainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    static void onUpdate(void* context);
    // The window's own picture under this surface, when the engine may write into it.
    [[nodiscard]] std::optional<FrameTarget> windowTarget(const QPainter& painter,
                                                          const QRegion& painted) const;
    // The part of the surface the engine draws, in the screen's own pixels.
    [[nodiscard]] QRect pictureRect() const;
    // Tells the core which scaler suits the picture in this surface's size, and how long before
    // its time each frame is drawn.
    void chooseDrawing();

    std::shared_ptr<MpvCore> m_core;
    // Declared after its core, so that it ends first.
    SoftwareRender m_render;
    FrameBuffer m_frame;
    QSize m_picture;
    QString m_pixelFormat;
    PictureFit m_fit = PictureFit::OwnSize;
    Scaler m_scaler;
    std::chrono::milliseconds m_lead{0};
    bool m_inDoubleClick = false;
    quint64 m_doubleClickTime = 0;
    QTimer m_clickTimer;
};

} // namespace vyx
