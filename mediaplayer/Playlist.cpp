#include "Playlist.h"

#include "errors/RuntimeError.h"

#include <QRandomGenerator>
#include <algorithm>
#include <numeric>

namespace vyx {

void Playlist::replace(const QStringList& entries) {
    m_entries = entries;
    m_at = 0;
    m_currentRemoved = false;
    resetOrder();
}

void Playlist::resetOrder() {
    const qsizetype current = index();
    m_order.resize(m_entries.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    if (m_shuffled) {
        std::shuffle(m_order.begin(), m_order.end(), *QRandomGenerator::global());
        // What plays is where the new round starts.
        const auto at = std::find(m_order.begin(), m_order.end(), current);
        if (at != m_order.end()) {
            std::iter_swap(m_order.begin(), at);
        }
        m_at = current >= 0 ? 0 : -1;
    } else if (current >= 0) {
        m_at = current;
    }
}

void Playlist::setShuffle(bool on) {
    m_shuffled = on;
    resetOrder();
}

void Playlist::append(const QStringList& entries) {
    for (const QString& entry : entries) {
        m_order.append(m_entries.size());
        m_entries.append(entry);
    }
}

void Playlist::remove(qsizetype index) {
    if (index < 0 || index >= m_entries.size()) {
        return;
    }
    m_entries.removeAt(index);
    const qsizetype place = m_order.indexOf(index);
    m_order.removeAt(place);
    for (qsizetype& entry : m_order) {
        entry -= entry > index ? 1 : 0;
    }
    m_currentRemoved = m_currentRemoved || place == m_at;
    if (place <= m_at) {
        --m_at;
    }
}

void Playlist::move(qsizetype from, qsizetype to) {
    if (from < 0 || from >= m_entries.size() || to < 0 || to >= m_entries.size()) {
        return;
    }
    m_entries.move(from, to);
    for (qsizetype& entry : m_order) {
        if (entry == from) {
            entry = to;
        } else if (from < to && entry > from && entry <= to) {
            --entry;
        } else if (from > to && entry >= to && entry < from) {
            ++entry;
        }
    }
    if (!m_shuffled) {
        // Unshuffled, the order is the list's own: the entry that plays is now elsewhere in it.
        const qsizetype current = index();
        std::iota(m_order.begin(), m_order.end(), 0);
        m_at = current >= 0 ? current : m_at;
    }
}

qsizetype Playlist::index() const {
    return !m_currentRemoved && m_at >= 0 && m_at < m_order.size() ? m_order.at(m_at) : -1;
}

bool Playlist::hasNext() const {
    return m_repeat ? !m_order.isEmpty() : m_at + 1 < m_order.size();
}

bool Playlist::hasPrevious() const {
    return m_repeat ? !m_order.isEmpty() : m_at > (m_currentRemoved ? -1 : 0);
}

QString Playlist::step(int step, const Opener& open) {
    const qsizetype count = m_order.size();
    // After a removed entry, the one before it is the one now at its place less one.
    qsizetype at = m_currentRemoved && step < 0 ? m_at + 1 : m_at;
    QString reason;
    for (qsizetype tried = 0; tried < count; ++tried) {
        at += step;
        if (at < 0 || at >= count) {
            if (!m_repeat) {
                break;
            }
            at = (at + count) % count;
        }
        try {
            open(m_entries.at(m_order.at(at)));
            m_at = at;
            m_currentRemoved = false;
            return {};
        } catch (const RuntimeError& error) {
            reason = error.description();
        }
    }
    return reason;
}

QString Playlist::openAt(qsizetype index, const Opener& open) {
    if (index < 0 || index >= m_entries.size()) {
        return {};
    }
    try {
        open(m_entries.at(index));
    } catch (const RuntimeError& error) {
        return error.description();
    }
    m_at = m_order.indexOf(index);
    m_currentRemoved = false;
    return {};
}

} // namespace vyx
