#include "PlaybackTiming.h"

#include "media/MpvSession.h"
#include "media/VideoSurface.h"
#include "system/Timing.h"

namespace vyx {

PlaybackTiming::PlaybackTiming(const MpvSession* session, QObject* parent)
    : QObject(parent) {
    connect(session, &MpvSession::outputDropsChanged, this,
            [this](qint64 frames) { m_droppedByOutput = frames; });
    connect(session, &MpvSession::decoderDropsChanged, this,
            [this](qint64 frames) { m_droppedByDecoder = frames; });
}

PlaybackTiming::~PlaybackTiming() {
    if (!m_fileName.isEmpty()) {
        logTiming("dropped-frames", QStringLiteral("output=%1 decoder=%2 %3")
                                        .arg(m_droppedByOutput)
                                        .arg(m_droppedByDecoder)
                                        .arg(m_fileName));
    }
}

void PlaybackTiming::watch(const VideoSurface* surface) {
    connect(surface, &VideoSurface::framePainted, this, [this] {
        if (m_firstFramePending) {
            m_firstFramePending = false;
            logTiming("first-frame", m_fileName);
        }
    });
}

void PlaybackTiming::opened(const QString& path) {
    m_fileName = path;
    m_firstFramePending = true;
    logTiming("open", path);
}

} // namespace vyx
