#include "Playlist.h"

#include "errors/RuntimeError.h"

namespace vyx {

void Playlist::replace(const QStringList& entries) {
    m_entries = entries;
    m_index = 0;
}

QString Playlist::step(int step, const Opener& open) {
    QString reason;
    for (qsizetype at = m_index + step; at >= 0 && at < m_entries.size(); at += step) {
        try {
            open(m_entries.at(at));
            m_index = at;
            return {};
        } catch (const RuntimeError& error) {
            reason = error.description();
        }
    }
    return reason;
}

} // namespace vyx
