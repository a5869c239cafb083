#pragma once

#include "system/ReadPosition.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace vyx {

// Tells a file that ends in something that is not media (a tail of zeros, say) from one that
// plays: the engine's reader goes on reading the tail, inside one call of libavformat, without
// finding a packet, and its parser keeps every byte of it in memory (some 100 MB a second).
// Only reading on without packets counts; an offset that goes back is a seek.
class TailJudge {
public:
    enum class Verdict { Fine, UnplayableTail };

    // The file's header has been read: from here on packets are expected.
    void opened(qint64 offset);
    // One look: how far into the file the reader is, and whether packets came since the last.
    [[nodiscard]] Verdict look(qint64 offset, bool packets);

private:
    qint64 m_mark = 0;
    qint64 m_last = -1;
    int m_readingLooks = 0;
    bool m_opened = false;
};

// Watches the engine read one file and says when nothing more of it can be played.
class ReaderWatch final : public QObject {
    Q_OBJECT
public:
    explicit ReaderWatch(QObject* parent);

    void start(const QString& path);
    void stop() { m_timer.stop(); }
    void opened();
    void packetsRead() { m_packets = true; }

Q_SIGNALS:
    // What the reader meets after this cannot be played.
    void unplayableTail(bool whileOpening);

private:
    QTimer m_timer;
    ReadPosition m_position;
    TailJudge m_judge;
    bool m_packets = false;
    bool m_opened = false;
};

} // namespace vyx
