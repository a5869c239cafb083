#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace vyx {

// The entries a player plays in turn, in the order the user sees them, and which of them
// plays. Shuffled, they play in an order of their own, each once a round; repeated, the
// round starts again after its last.
class Playlist {
public:
    // What opens an entry; it throws RuntimeError for one that cannot be played.
    using Opener = std::function<void(const QString& entry)>;

    void replace(const QStringList& entries);
    // Adds at the end, to play after the others.
    void append(const QStringList& entries);
    // What plays goes on playing when its entry is removed; the entry after it comes next.
    void remove(qsizetype index);
    void move(qsizetype from, qsizetype to);
    // A new order, what plays first in it; or the list's own order again.
    void setShuffle(bool on);
    void setRepeat(bool on) { m_repeat = on; }

    [[nodiscard]] const QStringList& entries() const { return m_entries; }
    [[nodiscard]] qsizetype count() const { return m_entries.size(); }
    // The entry that plays; -1 when it was removed.
    [[nodiscard]] qsizetype index() const;
    [[nodiscard]] bool shuffled() const { return m_shuffled; }
    [[nodiscard]] bool repeats() const { return m_repeat; }
    [[nodiscard]] bool hasNext() const;
    [[nodiscard]] bool hasPrevious() const;

    // Opens the nearest entry after (step 1) or before (step -1) this one that can be opened,
    // passing over the others. Returns the reason the last one passed over was refused when
    // none could be opened; an empty text when one was, or when there was none to try.
    QString step(int step, const Opener& open);
    // Opens the entry at that place; the reason it was refused, or an empty text.
    QString openAt(qsizetype index, const Opener& open);

private:
    void resetOrder();

    QStringList m_entries;
    // The entries' places in the order they play in, and how far along it the player is.
    QList<qsizetype> m_order;
    qsizetype m_at = 0;
    bool m_currentRemoved = false;
    bool m_shuffled = false;
    bool m_repeat = false;
};

} // namespace vyx
