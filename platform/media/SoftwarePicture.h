#pragma once

#include "media/ColourConversion.h"
#include "media/FrameBuffer.h"
#include "media/PictureView.h"
#include "media/ScalerChoice.h"
#include "media/SoftwareRender.h"

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
class SoftwarePicture final : public QWidget, public PictureView {
    Q_OBJECT
public:
    SoftwarePicture(std::shared_ptr<MpvCore> core, PictureEvents events, QWidget* parent);

    // False when the core could not give a renderer.
    [[nodiscard]] bool valid() const { return m_render.valid(); }

    [[nodiscard]] QWidget* widget() override { return this; }
    void setPicture(const PictureFormat& format) override;
    void setPictureFit(PictureFit fit) override;
    void setZoomed(bool zoomed) override;
    // The engine's own screenshot of a picture whose colours are converted here would show
    // them unconverted.
    [[nodiscard]] bool drawsScreenshots() const override { return m_conversion.has_value(); }
    [[nodiscard]] QImage screenshot() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static void onUpdate(void* context);
    // The window's own picture under this widget, when the engine may write into it.
    [[nodiscard]] std::optional<FrameTarget> windowTarget(const QPainter& painter,
                                                          const QRegion& painted) const;
    // The part of the widget the engine draws, in the screen's own pixels.
    [[nodiscard]] QRect pictureRect() const;
    // Tells the core which scaler suits the picture in this widget's size, and how long before
    // its time each frame is drawn.
    void chooseDrawing();
    // Has the engine's pictures turned by a filter, for a picture shown turned that far.
    void turn(int degrees);
    // The engine's picture in the target; through the colour conversion where there is one.
    bool draw(const FrameTarget& target, RenderWait wait);

    std::shared_ptr<MpvCore> m_core;
    // Declared after its core, so that it ends first.
    SoftwareRender m_render;
    PictureEvents m_events;
    FrameBuffer m_frame;
    // The engine's picture as it is stored, before its colours are converted.
    FrameBuffer m_stored;
    PictureFormat m_format;
    std::optional<ColourConversion> m_conversion;
    PictureFit m_fit = PictureFit::OwnSize;
    bool m_zoomed = false;
    Scaler m_scaler;
    std::chrono::milliseconds m_lead{0};
    int m_rotation = 0;
};

} // namespace vyx
