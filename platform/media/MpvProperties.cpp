#include "MpvProperties.h"

#include "media/MpvCore.h"
#include "media/MpvSession.h"
#include "system/Timing.h"

#include <array>
#include <cstring>
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

double numberOf(const mpv_node& value) {
    if (value.format == MPV_FORMAT_DOUBLE) {
        return value.u.double_;
    }
    return value.format == MPV_FORMAT_INT64 ? static_cast<double>(value.u.int64) : 0.0;
}

// The picture as it is shown (its pixels' shape and its rotation applied), how its pixels are
// stored and what its colours are, from the engine's video parameters; empty when they do not
// say.
PictureFormat shownPicture(const mpv_node* params) {
    PictureFormat picture;
    if (params == nullptr || params->format != MPV_FORMAT_NODE_MAP) {
        return picture;
    }
    const mpv_node_list& map = *params->u.list;
    bool turned = false;
    for (int i = 0; i < map.num; ++i) {
        const char* const key = map.keys[i];
        const mpv_node& value = map.values[i];
        if (value.format == MPV_FORMAT_STRING) {
            const QString text = QString::fromUtf8(value.u.string);
            if (std::strcmp(key, "pixelformat") == 0) {
                picture.pixelFormat = text;
            } else if (std::strcmp(key, "gamma") == 0) {
                picture.transfer = transferFromName(text);
            } else if (std::strcmp(key, "primaries") == 0) {
                picture.primaries = primariesFromName(text);
            }
        } else if (std::strcmp(key, "sig-peak") == 0) {
            // In the engine's units of ordinary white.
            picture.peak = numberOf(value) * 203.0;
        } else if (value.format == MPV_FORMAT_INT64) {
            const auto number = static_cast<int>(value.u.int64);
            if (std::strcmp(key, "dw") == 0) {
                picture.size.setWidth(number);
            } else if (std::strcmp(key, "dh") == 0) {
                picture.size.setHeight(number);
            } else if (std::strcmp(key, "rotate") == 0) {
                picture.rotation = number;
                turned = number % 180 != 0;
            }
        }
    }
    // A phone's upright film is stored lying down, and turned when shown.
    if (turned) {
        picture.size.transpose();
    }
    return picture;
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
    PropertyRow{"chapter-list", MPV_FORMAT_STRING, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.chaptersChanged(chaptersFromJson(valueOr<const char*>(v, "[]")));
                }},
    // -1 before the first chapter, and with none.
    PropertyRow{"chapter", MPV_FORMAT_INT64, Read::Observed, Unset::ReportZero,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.chapterChanged(static_cast<int>(valueOr<std::int64_t>(v, -1)));
                }},
    PropertyRow{"sub-delay", MPV_FORMAT_DOUBLE, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.delayChanged(MediaTrack::Kind::Subtitle, valueOr(v, 0.0));
                }},
    PropertyRow{"audio-delay", MPV_FORMAT_DOUBLE, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.delayChanged(MediaTrack::Kind::Audio, valueOr(v, 0.0));
                }},
    PropertyRow{"demuxer-cache-time", MPV_FORMAT_DOUBLE, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.demuxedUntil(valueOr(v, 0.0));
                }},
    PropertyRow{"media-title", MPV_FORMAT_STRING, Read::OnLoad, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.titleChanged(QString::fromUtf8(valueOr<const char*>(v, "")));
                }},
    // A station's title changes while it plays.
    PropertyRow{"metadata/by-key/icy-title", MPV_FORMAT_STRING, Read::Observed, Unset::ReportZero,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.streamTitleChanged(QString::fromUtf8(valueOr<const char*>(v, "")));
                }},
    PropertyRow{"seekable", MPV_FORMAT_FLAG, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.seekableChanged(valueOr(v, 0) != 0);
                }},
    // "no" when the loaded file has no picture; a track number otherwise.
    PropertyRow{"vid", MPV_FORMAT_STRING, Read::OnLoad, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.hasVideoChanged(std::strcmp(valueOr<const char*>(v, ""), "no") != 0);
                }},
    PropertyRow{"video-params", MPV_FORMAT_NODE, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.pictureChanged(shownPicture(static_cast<const mpv_node*>(v)));
                }},
    // The hardware decoder in use, "no" for software decoding; the engine's info log names it
    // for each file.
    PropertyRow{"hwdec-current", MPV_FORMAT_STRING, Read::Observed, Unset::Ignore,
                [](MpvSession& /*s*/, const void* v) {
                    const char* const name = valueOr<const char*>(v, "");
                    qCInfo(engineLog, "decoder: %s",
                           std::strcmp(name, "no") == 0 || *name == '\0' ? "software" : name);
                }},
    PropertyRow{"frame-drop-count", MPV_FORMAT_INT64, Read::Observed, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.outputDropsChanged(valueOr<std::int64_t>(v, 0));
                }},
    PropertyRow{"decoder-frame-drop-count", MPV_FORMAT_INT64, Read::WhenTiming, Unset::Ignore,
                [](MpvSession& s, const void* v) {
                    Q_EMIT s.decoderDropsChanged(valueOr<std::int64_t>(v, 0));
                }},
};

} // namespace

void dispatchProperty(MpvSession& session, const mpv_event_property& property) {
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

void observeProperties(MpvCore& core) {
    for (const PropertyRow& row : kProperties) {
        if (row.read == Read::Observed ||
            (row.read == Read::WhenTiming && timingLog().isInfoEnabled())) {
            core.observe(row.name, row.format);
        }
    }
}

void requestFileProperties(MpvCore& core, std::uint64_t tag) {
    for (const PropertyRow& row : kProperties) {
        if (row.read == Read::OnLoad) {
            core.request(row.name, row.format, tag);
        }
    }
}

} // namespace vyx
