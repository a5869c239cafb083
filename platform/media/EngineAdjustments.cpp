#include "EngineAdjustments.h"

#include "media/MpvCore.h"
#include "media/VideoSurface.h"

#include <cmath>
#include <cstring>
#include <mpv/client.h>
#include <utility>

namespace vyx {

namespace {

QString stringIn(const mpv_node_list& map, const char* key) {
    for (int i = 0; i < map.num; ++i) {
        if (std::strcmp(map.keys[i], key) == 0 && map.values[i].format == MPV_FORMAT_STRING) {
            return QString::fromUtf8(map.values[i].u.string);
        }
    }
    return {};
}

} // namespace

QList<AudioDevice> devicesFromNode(const void* value) {
    QList<AudioDevice> devices;
    const auto* const node = static_cast<const mpv_node*>(value);
    if (node == nullptr || node->format != MPV_FORMAT_NODE_ARRAY) {
        return devices;
    }
    for (int i = 0; i < node->u.list->num; ++i) {
        const mpv_node& entry = node->u.list->values[i];
        if (entry.format != MPV_FORMAT_NODE_MAP) {
            continue;
        }
        const AudioDevice device{stringIn(*entry.u.list, "name"),
                                 stringIn(*entry.u.list, "description")};
        // Only the sound systems the core is given: SDL's output, for one, can wait for ever
        // on a machine without sound.
        const QString system = device.name.section(QLatin1Char('/'), 0, 0);
        static const QStringList kSystems{QStringLiteral("auto"), QStringLiteral("pipewire"),
                                          QStringLiteral("pulse"), QStringLiteral("alsa"),
                                          QStringLiteral("jack")};
        if (!kSystems.contains(system)) {
            continue;
        }
        device.name == QLatin1String("auto") ? devices.prepend(device) : devices.append(device);
    }
    return devices;
}

EngineAdjustments::EngineAdjustments(QObject* parent)
    : QObject(parent) {}

void EngineAdjustments::attach(std::shared_ptr<MpvCore> core) {
    m_core = std::move(core);
    applyPicture(PictureAdjustments{});
    applySound(SoundAdjustments{});
}

void EngineAdjustments::setPicture(const PictureAdjustments& picture) {
    const PictureAdjustments before = m_told;
    m_picture = picture;
    applyPicture(before);
}

void EngineAdjustments::setSound(const SoundAdjustments& sound) {
    const SoundAdjustments before = m_toldSound;
    m_sound = sound;
    applySound(before);
}

void EngineAdjustments::applyPicture(const PictureAdjustments& before) {
    if (!m_core) {
        return;
    }
    const PictureAdjustments& now = m_picture;
    if (now.rotation != before.rotation) {
        m_core->setString("video-rotate", QString::number((now.rotation % 360 + 360) % 360));
    }
    if (now.aspect != before.aspect) {
        m_core->setDouble("video-aspect-override", aspectRatio(now.aspect));
    }
    if (now.zoomSteps != before.zoomSteps) {
        m_core->setDouble("video-zoom", now.zoomSteps / 10.0);
        if (m_surface != nullptr) {
            m_surface->setZoomed(now.zoomSteps != 0);
        }
    }
    const bool deinterlaced = now.deinterlace == Deinterlace::On ||
                              (now.deinterlace == Deinterlace::Automatic && m_interlaced);
    const bool wasDeinterlaced = before.deinterlace == Deinterlace::On ||
                                 (before.deinterlace == Deinterlace::Automatic && m_interlaced);
    if (deinterlaced != wasDeinterlaced || now.deinterlace != before.deinterlace) {
        m_core->setFlag("deinterlace", deinterlaced);
    }
    if (m_surface != nullptr && m_surface->output() == VideoOutput::Software) {
        // The software renderer has no equalizer of its own: libavfilter's, where asked for.
        const QString colours = colourFilters(now);
        if (colours != colourFilters(before)) {
            m_core->command(
                {QStringLiteral("vf"), QStringLiteral("remove"), QStringLiteral("@vyxcolours")});
            if (!colours.isEmpty()) {
                m_core->command({QStringLiteral("vf"), QStringLiteral("add"),
                                 QStringLiteral("@vyxcolours:%1").arg(colours)});
            }
        }
    } else {
        for (const auto& [name, value, was] :
             {std::tuple{"brightness", now.brightness, before.brightness},
              {"contrast", now.contrast, before.contrast},
              {"saturation", now.saturation, before.saturation},
              {"gamma", now.gamma, before.gamma},
              {"hue", now.hue, before.hue}}) {
            if (value != was) {
                m_core->setString(name, QString::number(value));
            }
        }
    }
    m_told = now;
}

void EngineAdjustments::applySound(const SoundAdjustments& before) {
    if (!m_core) {
        return;
    }
    const QString filters = audioFilters(m_sound);
    if (filters != audioFilters(before)) {
        m_core->setString("af", filters);
    }
    if (m_sound.device != before.device) {
        // Changed while the film plays; the engine moves the sound without stopping it.
        m_core->setString("audio-device",
                          m_sound.device.isEmpty() ? QStringLiteral("auto") : m_sound.device);
    }
    m_toldSound = m_sound;
}

void EngineAdjustments::watch(VideoSurface* surface) {
    m_surface = surface;
    connect(surface, &VideoSurface::framePainted, this, [this] {
        if (m_firstPicture) {
            m_firstPicture = false;
            pictureShown();
        }
    });
}

void EngineAdjustments::fileStarted() {
    m_firstPicture = true;
    if (m_interlaced && m_picture.deinterlace == Deinterlace::Automatic && m_core) {
        m_core->setFlag("deinterlace", false);
    }
    m_interlaced = false;
}

void EngineAdjustments::pictureShown() {
    // Asked once a file, of its first picture: following every frame's flags would cost an
    // event a frame.
    if (m_core && m_picture.deinterlace == Deinterlace::Automatic && !m_interlaced) {
        m_core->request("video-frame-info/interlaced", MPV_FORMAT_FLAG, kInterlacedTag);
    }
}

void EngineAdjustments::requestDevices() {
    if (m_core) {
        m_core->request("audio-device-list", MPV_FORMAT_NODE, kDevicesTag);
    }
}

bool EngineAdjustments::handleReply(std::uint64_t tag, const mpv_event_property& property) {
    if (tag == kDevicesTag) {
        Q_EMIT devicesListed(
            devicesFromNode(property.format == MPV_FORMAT_NODE ? property.data : nullptr));
        return true;
    }
    if (tag != kInterlacedTag) {
        return false;
    }
    const bool interlaced =
        property.format == MPV_FORMAT_FLAG && *static_cast<const int*>(property.data) != 0;
    if (interlaced && !m_interlaced && m_picture.deinterlace == Deinterlace::Automatic) {
        m_interlaced = true;
        m_core->setFlag("deinterlace", true);
    }
    return true;
}

} // namespace vyx
