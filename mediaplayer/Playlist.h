#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace vyx {

// The entries a player plays in turn, and which of them plays.
class Playlist {
public:
    // What opens an entry; it throws RuntimeError for one that cannot be played.
    using Opener = std::function<void(const QString& entry)>;

    void replace(const QStringList& entries);
    [[nodiscard]] qsizetype count() const { return m_entries.size(); }
    [[nodiscard]] qsizetype index() const { return m_index; }
    [[nodiscard]] bool hasNext() const { return m_index + 1 < m_entries.size(); }
    [[nodiscard]] bool hasPrevious() const { return m_index > 0; }

    // Opens the nearest entry after (step 1) or before (step -1) this one that can be opened,
    // passing over the others. Returns the reason the last one passed over was refused when
    // none could be opened; an empty text when one was, or when there was none to try.
    QString step(int step, const Opener& open);

private:
    QStringList m_entries;
    qsizetype m_index = 0;
};

} // namespace vyx
