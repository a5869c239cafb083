#include "ListFile.h"

#include "errors/RuntimeError.h"
#include "media/MediaSource.h"
#include "system/FileCheck.h"
#include "system/LocalPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QStringDecoder>
#include <sys/stat.h>

namespace vyx {

namespace {

// Far more than a list of every song of a large collection; anything larger is not a list.
constexpr qint64 kLargestList = 16LL << 20;

QString decodeTitle(const QByteArray& bytes) {
    // Lists written on Windows are in its own 8-bit code page, close to Latin-1.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError()) {
        text = QString::fromLatin1(bytes);
    }
    return text.trimmed();
}

QString entryFromLine(QByteArray line, const QByteArray& folder) {
    QString text = QString::fromUtf8(line);
    if (isStreamAddress(text)) {
        // IPTV lists written for another player add request headers after a bar, which no
        // address holds unencoded ("http://tv/a.m3u8|User-Agent=...").
        return text.left(text.indexOf(u'|')).trimmed();
    }
    if (line.startsWith("file:")) {
        return entryForFileAddress(QUrl(text));
    }
    const qsizetype scheme = line.indexOf("://");
    if (scheme > 0 && !line.left(scheme).contains('/')) {
        return {};
    }
    // A list written on Windows separates its folders the other way.
    if (line.contains('\\') && !line.contains('/')) {
        line.replace('\\', '/');
    }
    // Where a list names files from its own folder upwards ("../Music/a.mp3").
    const QString entry = entryForPath(line.startsWith('/') ? line : folder + '/' + line);
    return entry.startsWith(u'/') ? QDir::cleanPath(entry) : entry;
}

// What an #EXTINF line says: its length, attributes (tvg-name="A, B" group-title="News") and,
// after the comma that follows them, the title. Where quotes do not pair up, the title is what
// follows the last comma.
QByteArray extinfTitle(const QByteArray& line) {
    bool quoted = false;
    for (qsizetype at = 0; at < line.size(); ++at) {
        if (line.at(at) == '"') {
            quoted = !quoted;
        } else if (line.at(at) == ',' && !quoted) {
            return line.mid(at + 1);
        }
    }
    const qsizetype comma = line.lastIndexOf(',');
    return comma < 0 ? QByteArray() : line.mid(comma + 1);
}

// An attribute's quoted value; empty when the line has none such.
QByteArray extinfAttribute(const QByteArray& line, QByteArrayView name) {
    qsizetype at = 0;
    while ((at = line.indexOf(name, at)) >= 0) {
        const qsizetype value = at + name.size();
        const bool wholeName = at == 0 || line.at(at - 1) == ' ' || line.at(at - 1) == '\t';
        if (wholeName && line.mid(value, 2) == "=\"") {
            const qsizetype end = line.indexOf('"', value + 2);
            return end < 0 ? QByteArray() : line.mid(value + 2, end - value - 2);
        }
        at = value;
    }
    return {};
}

QString extinfName(const QByteArray& line) {
    const QString title = decodeTitle(extinfTitle(line));
    return title.isEmpty() ? decodeTitle(extinfAttribute(line, "tvg-name")) : title;
}

QList<ListEntry> parseM3u(const QList<QByteArray>& lines, const QByteArray& folder) {
    QList<ListEntry> entries;
    QString title;
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("#EXTINF:")) {
            title = extinfName(line);
        } else if (!line.isEmpty() && !line.startsWith('#')) {
            const QString entry = entryFromLine(line, folder);
            if (!entry.isEmpty()) {
                entries.append({entry, title});
            }
            title.clear();
        }
    }
    return entries;
}

QList<ListEntry> parsePls(const QList<QByteArray>& lines, const QByteArray& folder) {
    // By number, which need not follow the order of the lines.
    QMap<int, ListEntry> numbered;
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        const qsizetype equals = line.indexOf('=');
        const QByteArray key = line.left(equals).trimmed().toLower();
        const QByteArray value = line.mid(equals + 1).trimmed();
        bool numberOk = false;
        if (equals <= 0 || value.isEmpty()) {
            continue;
        }
        if (key.startsWith("file")) {
            const int number = key.mid(4).toInt(&numberOk);
            if (numberOk) {
                numbered[number].entry = entryFromLine(value, folder);
            }
        } else if (key.startsWith("title")) {
            const int number = key.mid(5).toInt(&numberOk);
            if (numberOk) {
                numbered[number].title = decodeTitle(value);
            }
        }
    }
    QList<ListEntry> entries;
    for (const ListEntry& entry : std::as_const(numbered)) {
        if (!entry.entry.isEmpty()) {
            entries.append(entry);
        }
    }
    return entries;
}

bool exists(const QString& entry) {
    struct stat status {};
    return isStreamAddress(entry) || ::stat(pathOfEntry(entry).constData(), &status) == 0;
}

// A list file's bytes; throws as a file would.
QByteArray readList(const QString& list) {
    checkRegularFile(list);
    QFile file(QFile::decodeName(pathOfEntry(list)));
    if (file.size() > kLargestList || !file.open(QIODevice::ReadOnly)) {
        throw RuntimeError(ErrorCode::InvalidFormat, shownPath(list));
    }
    QByteArray text = file.readAll();
    if (text.contains('\0')) {
        throw RuntimeError(ErrorCode::InvalidFormat, shownPath(list));
    }
    if (text.startsWith("\xEF\xBB\xBF")) {
        text.remove(0, 3);
    }
    return text;
}

// Appends what a list names; nested lists that are already followed are not again. A nested
// HTTP Live Streaming playlist is one entry, as the engine reads it.
void expandInto(const QString& list, const QByteArray& text, ListFormat format,
                QSet<QByteArray>& followed, QList<ListEntry>& out) {
    const QByteArray path = pathOfEntry(list);
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : path.left(slash);
    for (const ListEntry& entry : parseList(text, format, folder)) {
        const ListFormat inner = listFormat(entry.entry);
        if (inner == ListFormat::NotAList) {
            if (exists(entry.entry)) {
                out.append(entry);
            }
            continue;
        }
        const QByteArray key = canonicalPath(entry.entry);
        if (key.isEmpty() || followed.contains(key)) {
            continue;
        }
        followed.insert(key);
        try {
            const QByteArray innerText = readList(entry.entry);
            if (isHlsPlaylist(innerText)) {
                out.append(entry);
            } else {
                expandInto(entry.entry, innerText, inner, followed, out);
            }
        } catch (const RuntimeError&) {
            // As a missing entry would be.
        }
    }
}

} // namespace

ListFormat listFormat(const QString& entry) {
    if (isStreamAddress(entry)) {
        return ListFormat::NotAList;
    }
    const QString suffix = QFileInfo(shownPath(entry)).suffix().toLower();
    if (suffix == QLatin1String("m3u") || suffix == QLatin1String("m3u8")) {
        return ListFormat::M3u;
    }
    return suffix == QLatin1String("pls") ? ListFormat::Pls : ListFormat::NotAList;
}

QList<ListEntry> parseList(const QByteArray& text, ListFormat format, const QByteArray& folder) {
    QByteArray unified = text;
    unified.replace('\r', '\n');
    const QList<QByteArray> lines = unified.split('\n');
    switch (format) {
    case ListFormat::M3u:
        return parseM3u(lines, folder);
    case ListFormat::Pls:
        return parsePls(lines, folder);
    case ListFormat::NotAList:
        break;
    }
    return {};
}

QList<ListEntry> expandLists(const QStringList& entries) {
    QList<ListEntry> out;
    QSet<QByteArray> followed;
    for (const QString& entry : entries) {
        const ListFormat format = listFormat(entry);
        if (format == ListFormat::NotAList) {
            out.append({entry, {}});
            continue;
        }
        const QByteArray text = readList(entry);
        if (isHlsPlaylist(text)) {
            out.append({entry, {}});
            continue;
        }
        const qsizetype before = out.size();
        followed.insert(canonicalPath(entry));
        expandInto(entry, text, format, followed, out);
        if (out.size() == before) {
            throw RuntimeError(ErrorCode::EmptyList, shownPath(entry));
        }
    }
    return out;
}

QStringList entriesOf(const QList<ListEntry>& list) {
    QStringList entries;
    entries.reserve(list.size());
    for (const ListEntry& entry : list) {
        entries.append(entry.entry);
    }
    return entries;
}

QHash<QString, QString> titlesOf(const QList<ListEntry>& list) {
    QHash<QString, QString> titles;
    for (const ListEntry& entry : list) {
        if (!entry.title.isEmpty()) {
            titles.insert(entry.entry, entry.title);
        }
    }
    return titles;
}

} // namespace vyx
