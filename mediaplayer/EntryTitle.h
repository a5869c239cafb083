#pragma once

#include <QHash>
#include <QString>

namespace vyx {

// The name a player shows for what it plays: what a station says it plays now, else the list's
// own name for the entry, else the title the file carries, else the file's name.
class EntryTitle {
public:
    // The titles a list gave its entries, by entry.
    void setListTitles(QHash<QString, QString> titles) { m_listTitles = std::move(titles); }
    void opened(const QString& entry);
    void setFileTitle(const QString& title) { m_fileTitle = title; }
    void setStreamTitle(const QString& title) { m_streamTitle = title; }

    [[nodiscard]] QString text() const;

private:
    QHash<QString, QString> m_listTitles;
    QString m_entry;
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
