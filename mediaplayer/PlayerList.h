#pragma once

#include "Playlist.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace vyx {

// What follows the end of an entry besides the next one: the same entry again, or after the
// last the first.
enum class Repeat { Off, Entry, List };

// The entries a player plays in turn and the moving between them: list files among them are
// read for their entries and titles, an entry that cannot be opened is passed over, and when
// none can the reason is shown.
class PlayerList final : public QObject {
    Q_OBJECT
public:
    // Opens an entry, playing or paused; throws RuntimeError for one that cannot be played.
    using Opener = std::function<void(const QString& entry, bool paused)>;
    using Refusal = std::function<void(const QString& reason)>;
    PlayerList(Opener open, Refusal refused, QObject* parent);

    // Opens the first entry, throwing as the opener does; only then are the entries taken, so
    // that a refused list leaves the one before in place.
    void replace(const QStringList& entries, bool paused);
    // Adds at the end, to play after the others; throws for a list file that cannot be read.
    void append(const QStringList& entries);
    void remove(qsizetype index);
    void move(qsizetype from, qsizetype to);
    void setShuffle(bool on);
    void setRepeat(bool on);
    // Moves to the nearest entry in that direction that opens. False when there is none that
    // way; the reason the last one tried was refused is shown.
    bool next(bool paused);
    bool previous(bool paused);
    // Plays the entry at that place, or shows why it cannot.
    void playAt(qsizetype index, bool paused);

    [[nodiscard]] const Playlist& entries() const { return m_entries; }
    [[nodiscard]] bool several() const { return m_entries.count() > 1; }
    // The title a list file gave an entry; empty when none did.
    [[nodiscard]] QString listTitle(const QString& entry) const { return m_titles.value(entry); }
    // What a list of the entries shows for each: its list's title, else its name.
    [[nodiscard]] QStringList shownEntries() const;

Q_SIGNALS:
    // The entries, their order, or which of them plays.
    void changed();

private:
    bool step(int step, bool paused);

    Opener m_open;
    Refusal m_refused;
    Playlist m_entries;
    QHash<QString, QString> m_titles;
};

} // namespace vyx
