#include "ReaderWatch.h"

#include "system/ReadPosition.h"

#include <algorithm>
#include <utility>

namespace vyx {

namespace {

// How often the reader is looked at, and at how many looks it must have read on since the last
// packet (a look at which it paused does not count, nor break the run: a parser growing its
// buffer pauses the reading).
constexpr int kLookMilliseconds = 100;
constexpr int kReadingLooks = 3;
// Far more than any media puts between two of its packets.
constexpr qint64 kTailBytes = 16LL << 20;
// While a file opens its reader may take in an index or attachments first: fonts, covers.
constexpr qint64 kOpeningBytes = 64LL << 20;

} // namespace

void TailJudge::opened(qint64 offset) {
    m_opened = true;
    m_mark = offset;
    m_last = offset;
    m_readingLooks = 0;
}

TailJudge::Verdict TailJudge::look(qint64 offset, bool packets) {
    if (packets || offset < m_last) {
        m_mark = offset;
        m_readingLooks = 0;
    } else if (offset > m_last && ++m_readingLooks >= kReadingLooks &&
               offset - m_mark > (m_opened ? kTailBytes : kOpeningBytes)) {
        return Verdict::UnplayableTail;
    }
    m_last = offset;
    return Verdict::Fine;
}

ReaderWatch::ReaderWatch(QObject* parent)
    : QObject(parent) {
    m_timer.setInterval(kLookMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        const qint64 offset = m_position.offset();
        if (offset < 0) {
            return;
        }
        const bool packets = std::exchange(m_packets, false);
        if (m_judge.look(offset, packets) == TailJudge::Verdict::UnplayableTail) {
            m_timer.stop();
            Q_EMIT unplayableTail(!m_opened);
        }
    });
}

void ReaderWatch::start(const QString& path) {
    m_position = ReadPosition(path);
    m_judge = {};
    m_packets = false;
    m_opened = false;
    m_timer.start();
}

void ReaderWatch::opened() {
    m_opened = true;
    m_judge.opened(std::max<qint64>(m_position.offset(), 0));
}

} // namespace vyx
