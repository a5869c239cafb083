#pragma once

#include <QObject>
#include <QString>

namespace vyx {

class MpvSession;
class VideoSurface;

// What the timing log records of one player: each file opened, its first frame drawn and, when
// the player goes, how many pictures the engine left out.
class PlaybackTiming final : public QObject {
    Q_OBJECT
public:
    PlaybackTiming(const MpvSession* session, QObject* parent);
    ~PlaybackTiming() override;
    PlaybackTiming(const PlaybackTiming&) = delete;
    PlaybackTiming& operator=(const PlaybackTiming&) = delete;

    void watch(const VideoSurface* surface);
    void opened(const QString& path);

private:
    QString m_fileName;
    bool m_firstFramePending = false;
    qint64 m_droppedByOutput = 0;
    qint64 m_droppedByDecoder = 0;
};

} // namespace vyx
