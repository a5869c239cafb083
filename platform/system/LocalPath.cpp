#include "LocalPath.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace vyx {

namespace {

const QLatin1String kFileScheme("file://");

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder(bytes);
    return !decoder.hasError();
}

bool isEncodedEntry(const QString& entry) {
    return entry.startsWith(kFileScheme);
}

} // namespace

QString entryForPath(const QByteArray& path) {
    // A relative name that itself begins like an address ("file://x", in the folder "file:")
    // is named from here, so that it is not read as one.
    if (path.startsWith(QByteArrayLiteral("file://"))) {
        return entryForPath("./" + path);
    }
    if (isUtf8(path)) {
        return QFile::decodeName(path);
    }
    // An address names a file from the root.
    QByteArray absolute = path;
    if (!absolute.startsWith('/')) {
        QByteArray folder(4096, '\0');
        if (::getcwd(folder.data(), folder.size()) != nullptr) {
            absolute = folder.left(folder.indexOf('\0')) + '/' + path;
        }
    }
    // Everything but the unreserved characters and the slashes is escaped, so that the address
    // reads back as exactly these bytes.
    return kFileScheme + QString::fromLatin1(absolute.toPercentEncoding("/"));
}

QString entryForFileAddress(const QUrl& address) {
    return entryForPath(
        QByteArray::fromPercentEncoding(address.path(QUrl::FullyEncoded).toLatin1()));
}

QString fileAddress(const QString& entry) {
    return isEncodedEntry(entry) ? entry : QUrl::fromLocalFile(entry).toString(QUrl::FullyEncoded);
}

QByteArray pathOfEntry(const QString& entry) {
    if (isEncodedEntry(entry)) {
        return QByteArray::fromPercentEncoding(entry.mid(kFileScheme.size()).toLatin1());
    }
    return QFile::encodeName(entry);
}

QByteArray canonicalPath(const QString& entry) {
    char resolved[PATH_MAX];
    return !entry.isEmpty() && ::realpath(pathOfEntry(entry).constData(), resolved) != nullptr
               ? QByteArray(resolved)
               : QByteArray();
}

QString shownPath(const QString& entry) {
    return isEncodedEntry(entry) ? QString::fromUtf8(pathOfEntry(entry)) : entry;
}

QString shownName(const QString& entry) {
    return QFileInfo(shownPath(entry)).fileName();
}

} // namespace vyx
