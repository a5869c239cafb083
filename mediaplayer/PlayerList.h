#pragma once

#include "Playlist.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace vyx {

// The entries a player plays in turn and the moving between them: an entry that cannot be
// opened is passed over, and when none can the reason is shown.
class PlayerList final {
public:
    // Opens an entry, playing or paused; throws RuntimeError for one that cannot be played.
    using Opener = std::function<void(const QString& entry, bool paused)>;
    using Refusal = std::function<void(const QString& reason)>;
    PlayerList(Opener open, Refusal refused);

    // Opens the first entry, throwing as the opener does; only then are the entries taken, so
    // that a refused list leaves the one before in place.
    void replace(const QStringList& entries, bool paused);
    // Moves to the nearest entry in that direction that opens. False when there is none that
    // way; the reason the last one tried was refused is shown.
    bool next(bool paused);
    bool previous(bool paused);

    [[nodiscard]] const Playlist& entries() const { return m_entries; }
    [[nodiscard]] bool several() const { return m_entries.count() > 1; }

private:
    bool step(int step, bool paused);

    Opener m_open;
    Refusal m_refused;
    Playlist m_entries;
};

} // namespace vyx
