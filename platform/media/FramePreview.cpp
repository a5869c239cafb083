#include "FramePreview.h"

#include "errors/RuntimeError.h"
#include "media/MediaSource.h"
#include "media/MpvCore.h"
#include "media/SoftwareRender.h"

#include <malloc.h>
#include <utility>

namespace vyx {

namespace {

constexpr int kPaceMs = 100;
constexpr int kIdleMs = 3000;

} // namespace

FramePreview::FramePreview(QObject* parent)
    : QObject(parent) {
    m_pace.setSingleShot(true);
    m_pace.setInterval(kPaceMs);
    connect(&m_pace, &QTimer::timeout, this, [this] {
        if (m_wanted >= 0 && m_wanted != m_asked) {
            ask();
        }
    });
    m_idle.setSingleShot(true);
    m_idle.setInterval(kIdleMs);
    connect(&m_idle, &QTimer::timeout, this, &FramePreview::endEngine);
}

FramePreview::~FramePreview() {
    endEngine();
}

void FramePreview::setFile(const QString& path) {
    const QString local = isStreamAddress(path) ? QString() : path;
    if (local != m_path) {
        endEngine();
        m_path = local;
    }
}

void FramePreview::show(double seconds) {
    m_idle.stop();
    m_wanted = seconds;
    if (!m_pace.isActive() && !m_path.isEmpty()) {
        ask();
    }
}

void FramePreview::rest() {
    m_wanted = -1.0;
    m_idle.start();
}

bool FramePreview::startEngine() {
    if (m_core) {
        return true;
    }
    try {
        m_core = std::make_unique<MpvCore>();
    } catch (const RuntimeError&) {
        return false;
    }
    // Pictures only, from key frames, on one thread: a picture under the pointer need not be
    // the exact frame, and must not take the cores the film plays on.
    for (const auto& [name, value] :
         {std::pair{"aid", "no"}, std::pair{"sid", "no"}, std::pair{"pause", "yes"},
          std::pair{"hr-seek", "no"}, std::pair{"vd-lavc-threads", "1"},
          std::pair{"osd-level", "0"}, std::pair{"keep-open", "yes"}}) {
        m_core->setOption(name, QLatin1String(value));
    }
    m_core->setWakeup(&FramePreview::wakeup, this);
    m_render =
        std::make_unique<SoftwareRender>(*m_core, RenderUse::Stills, &FramePreview::onUpdate, this);
    if (!m_render->valid()) {
        m_render.reset();
        m_core.reset();
        return false;
    }
    m_frame.resize(kSize);
    return true;
}

void FramePreview::endEngine() {
    m_idle.stop();
    m_pace.stop();
    m_render.reset();
    if (m_core) {
        m_core.reset();
        // The engine's threads are gone, and glibc keeps what they freed unless told.
        malloc_trim(0);
    }
    m_frame.resize({});
    m_loaded = false;
    m_asked = -1.0;
}

void FramePreview::ask() {
    if (!startEngine()) {
        return;
    }
    m_asked = m_wanted;
    const QString at = QString::number(m_wanted, 'f', 3);
    if (!m_loaded) {
        m_core->command({QStringLiteral("loadfile"), m_path, QStringLiteral("replace"),
                         QStringLiteral("start=") + at});
        m_loaded = true;
    } else {
        m_core->command({QStringLiteral("seek"), at, QStringLiteral("absolute+keyframes")});
    }
    m_pace.start();
}

void FramePreview::onUpdate(void* context) {
    // libmpv's thread: only ask the GUI thread to look.
    auto* const self = static_cast<FramePreview*>(context);
    QMetaObject::invokeMethod(self, &FramePreview::drawn, Qt::QueuedConnection);
}

void FramePreview::wakeup(void* context) {
    // Nothing the preview's engine says is wanted; its queue is only emptied.
    auto* const self = static_cast<FramePreview*>(context);
    QMetaObject::invokeMethod(
        self,
        [self] {
            while (self->m_core && self->m_core->nextEvent() != nullptr) {
            }
        },
        Qt::QueuedConnection);
}

void FramePreview::drawn() {
    if (m_render && m_render->frameWaiting() && m_render->render(m_frame.target())) {
        Q_EMIT picture(m_frame.image().copy());
    }
}

} // namespace vyx
