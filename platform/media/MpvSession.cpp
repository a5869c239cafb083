#include "MpvSession.h"

#include "media/MediaSource.h"
#include "media/MpvCore.h"
#include "media/ReaderWatch.h"
#include "system/Timing.h"

#include <array>
#include <cstring>
#include <malloc.h>
#include <mpv/client.h>

namespace vyx {

namespace {

// When the engine reads a property.
enum class Read {
    Observed,  // whenever it changes
    OnLoad,    // once per file, when it is loaded
    WhenTiming // observed, but only while the timing log is on
};

// What to do when the engine says a property has no value (no file, not yet known).
enum class Unset { Ignore, ReportZero };

using Handler = void (*)(MpvSession& session, const void* value);

template <typename T> T valueOr(const void* value, T zero) {
    return value != nullptr ? *static_cast<const T*>(value) : zero;
}

// The size a picture is shown at (its pixels' shape applied), from the engine's video
// parameters; empty when they do not say.
QSize shownSize(const mpv_node* params) {
    QSize size;
    if (params == nullptr || params->format != MPV_FORMAT_NODE_MAP) {
        return size;
    }
    const mpv_node_list& map = *params->u.list;
    for (int i = 0; i < map.num; ++i) {
        if (map.values[i].format != MPV_FORMAT_INT64) {
            continue;
        }
        const auto value = static_cast<int>(map.values[i].u.int64);
        if (std::strcmp(map.keys[i], "dw") == 0) {
            size.setWidth(value);
        } else if (std::strcmp(map.keys[i], "dh") == 0) {
            size.setHeight(value);
        }
    }
    return size;
}

// One row per property: what is observed and how its change is reported, kept in one place.
struct PropertyRow {
    const char* name;
    mpv_format format;
    Read read;
    Unset unset;
    Handler handle;
};

const std::array kProperties{
    PropertyRow{"pause", MPV_FORMAT_FLAG, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.pausedChanged(valueOr(v, 0) != 0);
                }},
    PropertyRow{"mute", MPV_FORMAT_FLAG, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.muteChanged(valueOr(v, 0) != 0);
                }},
    PropertyRow{"volume", MPV_FORMAT_DOUBLE, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.volumeChanged(valueOr(v, 0.0));
                }},
    PropertyRow{"time-pos", MPV_FORMAT_DOUBLE, Read::Observed, Unset::ReportZero,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.positionChanged(valueOr(v, 0.0));
                }},
    PropertyRow{"duration", MPV_FORMAT_DOUBLE, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.durationChanged(valueOr(v, 0.0));
                }},
    PropertyRow{"eof-reached", MPV_FORMAT_FLAG, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.atEndChanged(valueOr(v, 0) != 0);
                }},
    PropertyRow{"speed", MPV_FORMAT_DOUBLE, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.speedChanged(valueOr(v, 1.0));
                }},
    // Read as text, the list is JSON.
    PropertyRow{"track-list", MPV_FORMAT_STRING, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.tracksChanged(tracksFromJson(valueOr<const char*>(v, "[]")));
                }},
    PropertyRow{"demuxer-cache-time", MPV_FORMAT_DOUBLE, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.demuxedUntil(valueOr(v, 0.0));
                }},
    PropertyRow{"media-title", MPV_FORMAT_STRING, Read::OnLoad, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.titleChanged(QString::fromUtf8(valueOr<const char*>(v, "")));
                }},
    // "no" when the loaded file has no picture; a track number otherwise.
    PropertyRow{"vid", MPV_FORMAT_STRING, Read::OnLoad, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.hasVideoChanged(std::strcmp(valueOr<const char*>(v, ""), "no") != 0);
                }},
    PropertyRow{"video-params", MPV_FORMAT_NODE, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.pictureSizeChanged(shownSize(static_cast<const mpv_node*>(v)));
                }},
    PropertyRow{"frame-drop-count", MPV_FORMAT_INT64, Read::WhenTiming, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.outputDropsChanged(valueOr<std::int64_t>(v, 0));
                }},
    PropertyRow{"decoder-frame-drop-count", MPV_FORMAT_INT64, Read::WhenTiming, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.decoderDropsChanged(valueOr<std::int64_t>(v, 0));
                }},
};

void dispatch(MpvSession& session, const mpv_event_property& property) {
    for (const PropertyRow& row : kProperties) {
        if (std::strcmp(row.name, property.name) != 0) {
            continue;
        }
        if (property.format == row.format) {
            row.handle(session, property.data);
        } else if (property.format == MPV_FORMAT_NONE && row.unset == Unset::ReportZero) {
            row.handle(session, nullptr);
        }
        return;
    }
}

} // namespace

MpvSession::MpvSession(QObject* parent)
    : QObject(parent)
    , m_reader(new ReaderWatch(this)) {
    connect(this, &MpvSession::demuxedUntil, m_reader, &ReaderWatch::packetsRead);
    connect(m_reader, &ReaderWatch::unplayableTail, this, [this](bool whileOpening) {
        if (whileOpening) {
            // Nothing of it can be played, and the reader would not stop by itself.
            m_core->command({QStringLiteral("stop")});
            Q_EMIT failed(tr("nothing after its start can be played"));
        } else {
            // The file ends here. Only a new load stops the reader, so the file is loaded
            // afresh, paused at its start.
            load(m_path, true);
            Q_EMIT atEndChanged(true);
        }
    });
}

MpvSession::~MpvSession() {
    // The surface may keep the core a little longer; no event may reach this session after it.
    if (m_core) {
        m_core->setWakeup(nullptr, nullptr);
    }
}

void MpvSession::start(int playCount) {
    m_core = std::make_shared<MpvCore>();
    m_core->setOption("loop-file",
                      playCount <= 0 ? QStringLiteral("inf") : QString::number(playCount - 1));
    for (const PropertyRow& row : kProperties) {
        if (row.read == Read::Observed ||
            (row.read == Read::WhenTiming && timingLog().isInfoEnabled())) {
            m_core->observe(row.name, row.format);
        }
    }
    m_core->setWakeup(&MpvSession::wakeup, this);
}

void MpvSession::load(const QString& path, bool paused) {
    ++m_expectedEntry;
    m_path = path;
    // A stream has no file of ours to watch, and no tail that is read into memory.
    if (isStreamAddress(path)) {
        m_reader->stop();
    } else {
        m_reader->start(path);
    }
    m_core->setFlag("pause", paused);
    // The reply carries the entry, so that a refusal is reported only for the latest file.
    m_core->command({QStringLiteral("loadfile"), path, QStringLiteral("replace")},
                    static_cast<std::uint64_t>(m_expectedEntry));
}

void MpvSession::setPaused(bool paused) {
    m_core->setFlag("pause", paused);
}

void MpvSession::rewind() {
    m_core->command({QStringLiteral("seek"), QStringLiteral("0"), QStringLiteral("absolute")});
}

void MpvSession::seek(double seconds) {
    m_core->command({QStringLiteral("seek"), QString::number(seconds, 'f', 3),
                     QStringLiteral("absolute+exact")});
}

void MpvSession::setMute(bool muted) {
    m_core->setFlag("mute", muted);
}

void MpvSession::setVolume(double percent) {
    m_core->setDouble("volume", percent);
}

void MpvSession::setSpeed(double speed) {
    m_core->setDouble("speed", speed);
}

void MpvSession::selectTrack(MediaTrack::Kind kind, int id) {
    m_core->setString(kind == MediaTrack::Kind::Audio ? "aid" : "sid",
                      id > 0 ? QString::number(id) : QStringLiteral("no"));
}

void MpvSession::addSubtitles(const QString& path) {
    m_core->command({QStringLiteral("sub-add"), path, QStringLiteral("select")});
}

void MpvSession::setFitToSize(bool fit) {
    m_core->setString("keepaspect", fit ? QStringLiteral("no") : QStringLiteral("yes"));
    m_core->setString("video-unscaled",
                      fit ? QStringLiteral("no") : QStringLiteral("downscale-big"));
}

void MpvSession::wakeup(void* context) {
    // libmpv's thread. One queued drain at a time is enough: it empties the whole queue.
    auto* const self = static_cast<MpvSession*>(context);
    if (!self->m_drainQueued.exchange(true)) {
        QMetaObject::invokeMethod(self, &MpvSession::drainEvents, Qt::QueuedConnection);
    }
}

void MpvSession::drainEvents() {
    m_drainQueued = false;
    while (const mpv_event* event = m_core->nextEvent()) {
        handleEvent(*event);
    }
}

QString MpvSession::errorText(int error) const {
    return m_core->errorText(error);
}

void MpvSession::handleEvent(const mpv_event& event) {
    const auto tag = static_cast<std::int64_t>(event.reply_userdata);
    switch (event.event_id) {
    case MPV_EVENT_PROPERTY_CHANGE:
        dispatch(*this, *static_cast<const mpv_event_property*>(event.data));
        break;
    case MPV_EVENT_GET_PROPERTY_REPLY:
        if (tag == m_currentEntry) {
            dispatch(*this, *static_cast<const mpv_event_property*>(event.data));
        }
        break;
    case MPV_EVENT_START_FILE: {
        const auto id = static_cast<const mpv_event_start_file*>(event.data)->playlist_entry_id;
        if (id >= m_expectedEntry) {
            m_currentEntry = id;
        }
        // The last file's decoders are gone by now, and their threads' memory with them; glibc
        // keeps what they freed in one pool per thread unless told to give it back.
        malloc_trim(0);
        break;
    }
    case MPV_EVENT_FILE_LOADED:
        m_reader->opened();
        for (const PropertyRow& row : kProperties) {
            if (row.read == Read::OnLoad) {
                m_core->request(row.name, row.format, static_cast<std::uint64_t>(m_currentEntry));
            }
        }
        break;
    case MPV_EVENT_END_FILE: {
        const auto* const end = static_cast<const mpv_event_end_file*>(event.data);
        if (end->reason == MPV_END_FILE_REASON_ERROR && end->playlist_entry_id == m_currentEntry &&
            m_currentEntry >= m_expectedEntry) {
            Q_EMIT failed(errorText(end->error));
        }
        break;
    }
    case MPV_EVENT_COMMAND_REPLY:
    case MPV_EVENT_SET_PROPERTY_REPLY:
        if (event.error < 0 && tag != 0 && tag == m_expectedEntry) {
            Q_EMIT failed(errorText(event.error));
        } else if (event.error < 0) {
            qCWarning(engineLog, "media engine could not carry out a request: %s",
                      qUtf8Printable(errorText(event.error)));
        }
        break;
    default:
        break;
    }
}

} // namespace vyx
