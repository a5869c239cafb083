#include "ReadPosition.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace vyx {

qint64 readPosition(const QString& path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    qint64 furthest = -1;
    if (target.isEmpty()) {
        return furthest;
    }
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : descriptors.entryList(QDir::Files | QDir::System)) {
        if (QFile::symLinkTarget(descriptors.filePath(fd)) != target) {
            continue;
        }
        QFile info(QStringLiteral("/proc/self/fdinfo/") + fd);
        if (!info.open(QIODevice::ReadOnly)) {
            continue;
        }
        // The first line reads "pos:\t<offset>".
        const QByteArray first = info.readLine();
        if (first.startsWith("pos:")) {
            furthest = std::max(furthest, first.mid(4).trimmed().toLongLong());
        }
    }
    return furthest;
}

} // namespace vyx
