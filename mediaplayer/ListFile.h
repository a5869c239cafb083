#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace vyx {

// Playlist files: .m3u and .m3u8 (a line per entry, #EXTINF giving its title) and .pls (FileN and
// TitleN). Internet radio stations and IPTV channels are handed out as these. An HTTP Live
// Streaming playlist has the same form but is one stream, pieces and all: the engine's to read.
struct ListEntry {
    QString entry;
    QString title; // the list's own name for it; empty when it gives none
};

enum class ListFormat { NotAList, M3u, Pls };

// By the name of a file on this machine; an .m3u8 address is a stream, not a list.
[[nodiscard]] ListFormat listFormat(const QString& entry);

// A list's entries, those with a relative name taken from the list's folder (its bytes). Entries
// of a kind that cannot be played (schemes that are neither a stream's nor file) are left out.
[[nodiscard]] QList<ListEntry> parseList(const QByteArray& text, ListFormat format,
                                         const QByteArray& folder);

// What the user opened, each list among it replaced by the entries it names; a list inside a
// list is followed, each list once. A list the user named that cannot be read throws as a file
// would (missing, unreadable, not a list: code 321, or naming nothing playable); a list inside
// it that cannot be read is passed over, as is an entry naming a file that is not there. An HTTP
// Live Streaming playlist, whatever it is named, is an entry of its own.
[[nodiscard]] QList<ListEntry> expandLists(const QStringList& entries);
[[nodiscard]] QStringList entriesOf(const QList<ListEntry>& list);
// The titles a list gives, by entry.
[[nodiscard]] QHash<QString, QString> titlesOf(const QList<ListEntry>& list);

} // namespace vyx
