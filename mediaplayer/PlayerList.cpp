#include "PlayerList.h"

#include <utility>

namespace vyx {

PlayerList::PlayerList(Opener open, Refusal refused)
    : m_open(std::move(open))
    , m_refused(std::move(refused)) {}

void PlayerList::replace(const QStringList& entries, bool paused) {
    m_open(entries.value(0), paused);
    m_entries.replace(entries);
}

bool PlayerList::next(bool paused) {
    return m_entries.hasNext() && step(1, paused);
}

bool PlayerList::previous(bool paused) {
    return m_entries.hasPrevious() && step(-1, paused);
}

bool PlayerList::step(int step, bool paused) {
    const QString refused =
        m_entries.step(step, [this, paused](const QString& entry) { m_open(entry, paused); });
    if (!refused.isEmpty()) {
        m_refused(refused);
    }
    return refused.isEmpty();
}

} // namespace vyx
