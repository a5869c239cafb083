#pragma once

#include "media/PictureFit.h"
#include "media/PictureFormat.h"

#include <QImage>
#include <functional>

class QWidget;

namespace vyx {

// What a picture tells the surface it is part of.
struct PictureEvents {
    // A frame was drawn; true when it is one not drawn before.
    std::function<void(bool newFrame)> drawn;
};

// One way of drawing the engine's picture into a widget of its own; the surface around it
// does not care which.
class PictureView {
public:
    PictureView() = default;
    virtual ~PictureView() = default;
    PictureView(const PictureView&) = delete;
    PictureView& operator=(const PictureView&) = delete;

    // The widget that shows the picture; it takes no input of its own.
    [[nodiscard]] virtual QWidget* widget() = 0;
    // What plays, which decides how it is scaled and converted.
    virtual void setPicture(const PictureFormat& format) = 0;
    // How the picture is put into the widget; the core is told the same by its session.
    virtual void setPictureFit(PictureFit fit) = 0;
    // A zoomed picture is given the whole widget, bars and all, to grow into.
    virtual void setZoomed(bool /*zoomed*/) {}
    // Whether a screenshot must be drawn here to show what the screen shows, rather than by
    // the engine from the decoded picture.
    [[nodiscard]] virtual bool drawsScreenshots() const { return false; }
    // The picture at the video's own size as the screen shows it, with its subtitles; null
    // where drawsScreenshots() is false.
    [[nodiscard]] virtual QImage screenshot() { return {}; }
};

} // namespace vyx
