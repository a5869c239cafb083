#pragma once

#include <QString>

namespace vyx {

// The name a player shows for what it plays: what a station says it plays now, else the list's
// own name for the entry, else the title the file carries, else the file's name.
class EntryTitle {
public:
    // With the title its list gave it, if any.
    void opened(const QString& entry, const QString& listTitle);
    void setFileTitle(const QString& title) { m_fileTitle = title; }
    void setStreamTitle(const QString& title) { m_streamTitle = title; }

    [[nodiscard]] QString text() const;

private:
    QString m_entry;
    QString m_listTitle;
    QString m_fileTitle;
    QString m_streamTitle;
};

// A station's "Artist - Title" as its two parts; the artist is empty when the title does not
// read so.
struct ArtistTitle {
    QString artist;
    QString title;
};
[[nodiscard]] ArtistTitle splitArtist(const QString& streamTitle);

} // namespace vyx
