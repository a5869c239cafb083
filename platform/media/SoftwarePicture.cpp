#include "SoftwarePicture.h"

#include "media/MpvCore.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <utility>

namespace vyx {

namespace {

QString filterName(Filter filter) {
    switch (filter) {
    case Filter::Bilinear:
        return QStringLiteral("bilinear");
    case Filter::Area:
        return QStringLiteral("area");
    case Filter::Bicubic:
        break;
    }
    return QStringLiteral("bicubic");
}

// The engine's 10-bit pixels, for pictures whose colours are converted here: eight bits of PQ
// would band the shadows.
constexpr const char* kStoredPixelFormat = "x2rgb10";

} // namespace

SoftwarePicture::SoftwarePicture(std::shared_ptr<MpvCore> core, PictureEvents events,
                                 QWidget* parent)
    : QWidget(parent)
    , m_core(std::move(core))
    , m_render(*m_core, RenderUse::EveryFrame, &SoftwarePicture::onUpdate, this)
    , m_events(std::move(events)) {
    setMinimumSize(1, 1);
    // Every pixel is painted each time: nothing need be cleared underneath first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The engine's own lead (50 ms) would hold the GUI thread for a whole frame and more.
    chooseDrawing();
    // The engine's software renderer takes a turned picture for one that is not, and stops the
    // program (libmpv 0.35 tells the core it can turn pictures, whatever renders them). Its
    // pictures reach it unturned, always; a filter of ours turns their pixels where needed.
    m_core->command({QStringLiteral("vf"), QStringLiteral("add"),
                     QStringLiteral("@vyxunturned:format=rotate=0")});
}

void SoftwarePicture::onUpdate(void* context) {
    // libmpv's thread: only ask the GUI thread to look.
    auto* const self = static_cast<SoftwarePicture*>(context);
    QMetaObject::invokeMethod(
        self,
        [self] {
            if (self->m_render.frameWaiting()) {
                self->update();
            }
        },
        Qt::QueuedConnection);
}

bool SoftwarePicture::draw(const FrameTarget& target, RenderWait wait) {
    if (!m_conversion) {
        return m_render.render(target, kEnginePixelFormat, wait);
    }
    m_stored.resize(target.size);
    // The conversion after the engine's drawing takes as long again (19 ms for a 1600 x 900
    // screen here): waiting for the frame's time first would show every frame that much late.
    // Drawn at once instead, the frame is handed over early enough to be shown near its time.
    if (!m_render.render(m_stored.target(), kStoredPixelFormat, RenderWait::No)) {
        return false;
    }
    m_conversion->convert(m_stored.target(), target);
    return true;
}

void SoftwarePicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!m_render.valid()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    const bool newFrame = m_render.nextFrameIsNew();
    const QRect shown = pictureRect();
    // Straight into the window's own picture where it can be, which saves copying every frame
    // once more; otherwise into a buffer of our own that is painted like any image.
    std::optional<FrameTarget> direct = windowTarget(painter, event->region());
    if (direct) {
        m_frame.resize({});
        direct = partOf(*direct, shown);
    } else {
        m_frame.resize(shown.size());
    }
    const FrameTarget target = direct.value_or(m_frame.target());
    if (target.size.isEmpty() || !draw(target, RenderWait::ForTime)) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (!direct) {
        QImage picture = m_frame.image();
        picture.setDevicePixelRatio(ratio);
        painter.drawImage(QPointF(shown.topLeft()) / ratio, picture);
    }
    // The bars, after the picture: the engine may have written past the ends of its lines. At a
    // device pixel ratio the picture may begin halfway through a pixel of ours; the bars end
    // there too, or a line of the last picture (full screen's, say) would stay beside it.
    const QRectF all(rect());
    const QRectF inside =
        QRectF(QPointF(shown.topLeft()) / ratio, QSizeF(shown.size()) / ratio).intersected(all);
    for (const QRectF& bar : {QRectF(all.topLeft(), QPointF(all.right(), inside.top())),
                              QRectF(QPointF(all.left(), inside.bottom()), all.bottomRight()),
                              QRectF(QPointF(all.left(), inside.top()), inside.bottomLeft()),
                              QRectF(inside.topRight(), QPointF(all.right(), inside.bottom()))}) {
        if (!bar.isEmpty()) {
            painter.fillRect(bar, Qt::black);
        }
    }
    m_events.drawn(newFrame);
}

QImage SoftwarePicture::screenshot() {
    if (!m_conversion || m_format.size.isEmpty()) {
        return {};
    }
    FrameBuffer stored;
    FrameBuffer shot;
    stored.resize(m_format.size);
    shot.resize(m_format.size);
    if (!m_render.render(stored.target(), kStoredPixelFormat, RenderWait::No)) {
        return {};
    }
    // A conversion of its own, so that the screenshot does not move the screen's.
    ColourConversion conversion = *m_conversion;
    conversion.convert(stored.target(), shot.target());
    // The screen's own size is drawn again at the next paint.
    update();
    return shot.image().copy();
}

std::optional<FrameTarget> SoftwarePicture::windowTarget(const QPainter& painter,
                                                         const QRegion& painted) const {
    // Only the window's own picture on screen (a copy of the widget made with render() or
    // grab() shows every byte it is given), and only when the whole widget is painted: the
    // engine writes all of it, which must not reach what Qt does not paint over afterwards.
    QPaintDevice* const device = painter.paintEngine()->paintDevice();
    QBackingStore* const store = backingStore();
    const QTransform place = painter.deviceTransform();
    if (!QRegion(rect()).subtracted(painted).isEmpty() || device == nullptr || store == nullptr ||
        device != store->paintDevice() || device->devType() != QInternal::Image ||
        place.type() > QTransform::TxTranslate) {
        return std::nullopt;
    }
    // X shows a window without alpha from the 24 bits of colour alone, whatever Qt keeps in
    // the fourth byte of its picture.
    const QWindow* const shown = window()->windowHandle();
    const bool alphaShown = QGuiApplication::platformName() != QLatin1String("xcb") ||
                            shown == nullptr || shown->format().hasAlpha();
    return vyx::windowTarget(*static_cast<QImage*>(device),
                             rect().translated(place.map(QPoint(0, 0))), alphaShown);
}

QRect SoftwarePicture::pictureRect() const {
    return pictureTarget(m_format.size, (QSizeF(size()) * devicePixelRatioF()).toSize(),
                         m_zoomed ? PictureFit::Stretch : m_fit);
}

void SoftwarePicture::setPicture(const PictureFormat& format) {
    if (format.needsColourConversion() != m_format.needsColourConversion() ||
        format.transfer != m_format.transfer || format.primaries != m_format.primaries) {
        m_conversion.reset();
        if (format.needsColourConversion()) {
            m_conversion.emplace(format);
        }
    }
    m_format = format;
    turn(format.rotation);
    chooseDrawing();
    update();
}

void SoftwarePicture::turn(int degrees) {
    const int rotation = (degrees % 360 + 360) % 360;
    if (rotation == m_rotation) {
        return;
    }
    m_rotation = rotation;
    m_core->command({QStringLiteral("vf"), QStringLiteral("remove"), QStringLiteral("@vyxturn")});
    const QString turning = rotation == 90    ? QStringLiteral("transpose=clock")
                            : rotation == 180 ? QStringLiteral("hflip,vflip")
                            : rotation == 270 ? QStringLiteral("transpose=cclock")
                                              : QString();
    if (!turning.isEmpty()) {
        // Ahead of the filter that tells the renderer the picture is upright.
        m_core->command({QStringLiteral("vf"), QStringLiteral("pre"),
                         QStringLiteral("@vyxturn:lavfi=[%1]").arg(turning)});
    }
}

void SoftwarePicture::setPictureFit(PictureFit fit) {
    m_fit = fit;
    chooseDrawing();
    update();
}

void SoftwarePicture::setZoomed(bool zoomed) {
    m_zoomed = zoomed;
    chooseDrawing();
    update();
}

void SoftwarePicture::chooseDrawing() {
    const QSize shown = pictureRect().size();
    const Scaler scaler =
        chooseScaler(m_format.size, shown, m_format.pixelFormat, m_conversion.has_value());
    if (scaler != m_scaler) {
        m_scaler = scaler;
        m_core->setFlag("sws-allow-zimg", scaler.converter == Converter::Zimg);
        m_core->setString(scaler.converter == Converter::Zimg ? "zimg-scaler" : "sws-scaler",
                          filterName(scaler.filter));
    }
    using namespace std::chrono_literals;
    const std::chrono::milliseconds lead = m_conversion ? 20ms : drawLead(m_format.size, shown);
    if (lead != m_lead) {
        m_lead = lead;
        m_core->setDouble("video-timing-offset", std::chrono::duration<double>(lead).count());
    }
}

void SoftwarePicture::resizeEvent(QResizeEvent* event) {
    chooseDrawing();
    QWidget::resizeEvent(event);
}

} // namespace vyx
