#include "EntryTitle.h"

#include "system/LocalPath.h"

namespace vyx {

void EntryTitle::opened(const QString& entry, const QString& listTitle) {
    m_entry = entry;
    m_listTitle = listTitle;
    m_fileTitle.clear();
    m_streamTitle.clear();
}

QString EntryTitle::text() const {
    for (const QString& title : {m_streamTitle, m_listTitle, m_fileTitle}) {
        if (!title.trimmed().isEmpty()) {
            return title;
        }
    }
    return shownName(m_entry);
}

ArtistTitle splitArtist(const QString& streamTitle) {
    const qsizetype dash = streamTitle.indexOf(QLatin1String(" - "));
    if (dash <= 0) {
        return {{}, streamTitle};
    }
    return {streamTitle.left(dash).trimmed(), streamTitle.mid(dash + 3).trimmed()};
}

} // namespace vyx
