#include "PlayerList.h"

#include "ListFile.h"
#include "system/LocalPath.h"

#include <utility>

namespace vyx {

PlayerList::PlayerList(Opener open, Refusal refused, QObject* parent)
    : QObject(parent)
    , m_open(std::move(open))
    , m_refused(std::move(refused)) {}

void PlayerList::replace(const QStringList& entries, bool paused) {
    const QList<ListEntry> expanded = expandLists(entries);
    const QStringList playable = entriesOf(expanded);
    QHash<QString, QString> titles = titlesOf(expanded);
    std::swap(titles, m_titles);
    try {
        m_open(playable.value(0), paused);
    } catch (...) {
        m_titles = std::move(titles);
        throw;
    }
    m_entries.replace(playable);
    Q_EMIT changed();
}

void PlayerList::append(const QStringList& entries) {
    const QList<ListEntry> expanded = expandLists(entries);
    m_entries.append(entriesOf(expanded));
    m_titles.insert(titlesOf(expanded));
    Q_EMIT changed();
}

void PlayerList::remove(qsizetype index) {
    m_entries.remove(index);
    Q_EMIT changed();
}

void PlayerList::move(qsizetype from, qsizetype to) {
    m_entries.move(from, to);
    Q_EMIT changed();
}

void PlayerList::setShuffle(bool on) {
    m_entries.setShuffle(on);
    Q_EMIT changed();
}

void PlayerList::setRepeat(bool on) {
    m_entries.setRepeat(on);
    Q_EMIT changed();
}

QStringList PlayerList::shownEntries() const {
    QStringList shown;
    for (const QString& entry : m_entries.entries()) {
        const QString title = m_titles.value(entry);
        shown.append(title.trimmed().isEmpty() ? shownName(entry) : title);
    }
    return shown;
}

bool PlayerList::next(bool paused) {
    return m_entries.hasNext() && step(1, paused);
}

bool PlayerList::previous(bool paused) {
    return m_entries.hasPrevious() && step(-1, paused);
}

void PlayerList::playAt(qsizetype index, bool paused) {
    const QString refused =
        m_entries.openAt(index, [this, paused](const QString& entry) { m_open(entry, paused); });
    if (!refused.isEmpty()) {
        m_refused(refused);
    }
    Q_EMIT changed();
}

bool PlayerList::step(int step, bool paused) {
    const QString refused =
        m_entries.step(step, [this, paused](const QString& entry) { m_open(entry, paused); });
    if (!refused.isEmpty()) {
        m_refused(refused);
    }
    Q_EMIT changed();
    return refused.isEmpty();
}

} // namespace vyx
