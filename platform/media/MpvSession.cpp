#include "MpvSession.h"

#include "media/DecoderThreads.h"
#include "media/EngineAdjustments.h"
#include "media/EngineFailure.h"
#include "media/MediaSource.h"
#include "media/MpvCore.h"
#include "media/MpvProperties.h"
#include "media/ReaderWatch.h"

#include <cstring>
#include <limits>
#include <malloc.h>
#include <mpv/client.h>

namespace vyx {

namespace {

// Frames dropped in one file that say its decoder cannot keep up; a seek or a busy moment can
// drop one or two.
constexpr qint64 kDropsBehind = 5;
// The tag of the request for the video track, when its decoder is started again.
constexpr std::uint64_t kVideoTrackTag = std::numeric_limits<std::uint64_t>::max();
// The tag of the screenshot's reply.
constexpr std::uint64_t kScreenshotTag = kVideoTrackTag - 1;
// The engine's latest warnings, enough to find the one that says why a load failed.
constexpr qsizetype kKeptMessages = 16;
// Long enough to be read while the picture jumps over the gap.
constexpr int kSkippedPieceMilliseconds = 5000;

// Chooses the video track that the engine named again, which starts its decoder afresh.
void reselectVideo(MpvCore& core, const mpv_event_property& track) {
    if (track.format != MPV_FORMAT_STRING) {
        return;
    }
    const QString id = QString::fromUtf8(*static_cast<const char* const*>(track.data));
    if (id != QLatin1String("no")) {
        core.setString("vid", QStringLiteral("no"));
        core.setString("vid", id);
    }
}

} // namespace

MpvSession::MpvSession(QObject* parent)
    : QObject(parent)
    , m_reader(new ReaderWatch(this))
    , m_adjustments(new EngineAdjustments(this)) {
    connect(this, &MpvSession::demuxedUntil, m_reader, &ReaderWatch::packetsRead);
    connect(this, &MpvSession::outputDropsChanged, this, &MpvSession::keepUp);
    connect(m_reader, &ReaderWatch::unplayableTail, this, [this](bool whileOpening) {
        if (whileOpening) {
            // Nothing of it can be played, and the reader would not stop by itself.
            m_core->command({QStringLiteral("stop")});
            Q_EMIT failed(tr("nothing after its start can be played"));
        } else {
            // The file ends here. Only a new load stops the reader, so the file is loaded
            // afresh, paused at its start.
            startLoad(true, m_throughLibavformat);
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
    m_playCountLoop = playCount <= 0 ? QStringLiteral("inf") : QString::number(playCount - 1);
    m_core->setOption("loop-file", m_playCountLoop);
    observeProperties(*m_core);
    m_adjustments->attach(m_core);
    m_core->setWakeup(&MpvSession::wakeup, this);
}

void MpvSession::load(const QString& path, bool paused, int decoderThreads) {
    m_path = path;
    m_decoderThreads = decoderThreads;
    startLoad(paused, false);
}

void MpvSession::startLoad(bool paused, bool throughLibavformat) {
    m_expectedEntry = ++m_loadedEntries;
    m_paused = paused;
    m_throughLibavformat = throughLibavformat;
    m_fileLoaded = false;
    m_engineMessages.clear();
    m_adjustments->fileStarted();
    // Both read when the file opens, which comes after this; an empty demuxer is the engine's
    // own choice.
    m_core->setString("demuxer", throughLibavformat ? QStringLiteral("lavf") : QString());
    m_core->setString("vd-lavc-threads", QString::number(m_decoderThreads));
    // A stream has no file of ours to watch, and no tail that is read into memory.
    if (isStreamAddress(m_path)) {
        m_reader->stop();
    } else {
        m_reader->start(m_path);
    }
    m_core->setFlag("pause", paused);
    // The reply carries the entry, so that a refusal is reported only for the latest file.
    m_core->command({QStringLiteral("loadfile"), m_path, QStringLiteral("replace")},
                    static_cast<std::uint64_t>(m_expectedEntry));
}

void MpvSession::unload() {
    m_expectedEntry = m_loadedEntries + 1;
    m_reader->stop();
    m_core->command({QStringLiteral("stop")});
}

void MpvSession::endFile(const mpv_event_end_file& end) {
    if (end.reason != MPV_END_FILE_REASON_ERROR || end.playlist_entry_id != m_currentEntry ||
        m_currentEntry < m_expectedEntry) {
        return;
    }
    reportFailure(end.error);
}

void MpvSession::reportFailure(int error) {
    // The engine hands out its log after its other events, so what it said about this failure
    // is read once the events waiting now are drained.
    QMetaObject::invokeMethod(
        this,
        [this, error, entry = m_expectedEntry] {
            if (entry != m_expectedEntry) {
                return;
            }
            // libavformat read the file when it was checked, so its demuxer may well open what
            // the engine's own could not, or read a codec the engine's own did not know.
            if (!isStreamAddress(m_path) && !m_throughLibavformat &&
                (!m_fileLoaded || decoderFailed(m_engineMessages))) {
                qCInfo(engineLog, "the engine's own demuxer failed; trying libavformat's");
                startLoad(m_paused, true);
                return;
            }
            Q_EMIT failed(failureReason(error, m_engineMessages, isStreamAddress(m_path)));
        },
        Qt::QueuedConnection);
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

void MpvSession::setPictureFit(PictureFit fit) {
    m_core->setString("keepaspect",
                      fit == PictureFit::Stretch ? QStringLiteral("no") : QStringLiteral("yes"));
    m_core->setString("video-unscaled", fit == PictureFit::OwnSize ? QStringLiteral("downscale-big")
                                                                   : QStringLiteral("no"));
}

void MpvSession::stepFrame(bool back) {
    m_core->command({back ? QStringLiteral("frame-back-step") : QStringLiteral("frame-step")});
}

void MpvSession::setChapter(int chapter) {
    m_core->setString("chapter", QString::number(chapter));
}

void MpvSession::setLoop(double start, double end) {
    const auto point = [](double seconds) {
        return seconds < 0 ? QStringLiteral("no") : QString::number(seconds, 'f', 3);
    };
    m_core->setString("ab-loop-a", point(start));
    m_core->setString("ab-loop-b", point(end));
}

void MpvSession::setDelay(MediaTrack::Kind kind, double seconds) {
    m_core->setDouble(kind == MediaTrack::Kind::Audio ? "audio-delay" : "sub-delay", seconds);
}

void MpvSession::setRepeatEntry(bool on) {
    m_core->setString("loop-file", on ? QStringLiteral("inf") : m_playCountLoop);
}

void MpvSession::saveScreenshot(const QString& path) {
    m_screenshotPath = path;
    m_core->command({QStringLiteral("screenshot-to-file"), path, QStringLiteral("subtitles")},
                    kScreenshotTag);
}

void MpvSession::showText(const QString& text, int milliseconds) {
    m_core->command({QStringLiteral("show-text"), text, QString::number(milliseconds)});
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

void MpvSession::keepUp(qint64 droppedFrames) {
    const int cores = decoderCores();
    // A count still queued from the file before is not this file's.
    if (droppedFrames < kDropsBehind || m_decoderThreads >= cores ||
        m_currentEntry < m_expectedEntry) {
        return;
    }
    // The decoder takes its threads when it starts: the video track is chosen again, and the
    // engine carries on from the picture shown.
    qCInfo(engineLog, "decoding fell behind with %d thread(s); %d from here", m_decoderThreads,
           cores);
    m_decoderThreads = cores;
    m_core->setString("vd-lavc-threads", QString::number(cores));
    m_core->request("vid", MPV_FORMAT_STRING, kVideoTrackTag);
}

QString MpvSession::errorText(int error) const {
    return m_core->errorText(error);
}

void MpvSession::handleEvent(const mpv_event& event) {
    const auto tag = static_cast<std::int64_t>(event.reply_userdata);
    switch (event.event_id) {
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto& property = *static_cast<const mpv_event_property*>(event.data);
        // The end of a file that a later load replaces, read only after that load (the GUI
        // thread was busy meanwhile), would end the new file as soon as it opened.
        if (m_currentEntry < m_expectedEntry && std::strcmp(property.name, "eof-reached") == 0) {
            break;
        }
        dispatchProperty(*this, property);
        break;
    }
    case MPV_EVENT_GET_PROPERTY_REPLY:
        if (m_adjustments->handleReply(event.reply_userdata,
                                       *static_cast<const mpv_event_property*>(event.data))) {
            break;
        }
        if (event.reply_userdata == kVideoTrackTag) {
            reselectVideo(*m_core, *static_cast<const mpv_event_property*>(event.data));
        } else if (tag == m_currentEntry) {
            dispatchProperty(*this, *static_cast<const mpv_event_property*>(event.data));
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
        // Not a file that a later load has replaced: that one's opening says nothing of how
        // far the reader of the file now opening may go.
        m_fileLoaded = m_currentEntry >= m_expectedEntry;
        if (m_fileLoaded) {
            m_reader->opened();
            requestFileProperties(*m_core, static_cast<std::uint64_t>(m_currentEntry));
        }
        break;
    case MPV_EVENT_END_FILE:
        endFile(*static_cast<const mpv_event_end_file*>(event.data));
        break;
    case MPV_EVENT_LOG_MESSAGE: {
        const QString message =
            QString::fromUtf8(static_cast<const mpv_event_log_message*>(event.data)->text)
                .trimmed();
        m_engineMessages.append(message);
        if (m_engineMessages.size() > kKeptMessages) {
            m_engineMessages.removeFirst();
        }
        // The engine plays on over a piece of a stream that is missing; what was left out is
        // said where the user looks.
        if (const QString skipped = skippedPiece(message); !skipped.isEmpty() && m_fileLoaded) {
            showText(skipped, kSkippedPieceMilliseconds);
        }
        break;
    }
    case MPV_EVENT_COMMAND_REPLY:
    case MPV_EVENT_SET_PROPERTY_REPLY:
        if (event.reply_userdata == kScreenshotTag) {
            Q_EMIT screenshotSaved(m_screenshotPath,
                                   event.error < 0 ? errorText(event.error) : QString());
        } else if (event.error < 0 && tag != 0 && tag == m_expectedEntry) {
            reportFailure(event.error);
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
