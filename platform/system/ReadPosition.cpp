#include "ReadPosition.h"

#include "system/LocalPath.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace vyx {

namespace {

const QString kDescriptors = QStringLiteral("/proc/self/fd/");

} // namespace

// The name the system gives the file behind a descriptor, decoded as Qt decodes that link.
ReadPosition::ReadPosition(const QString& entry)
    : m_target(QFile::decodeName(canonicalPath(entry))) {}

qint64 ReadPosition::offset() {
    if (m_target.isEmpty()) {
        return -1;
    }
    qint64 furthest = -1;
    if (m_descriptors.isEmpty() || !readKnown(&furthest)) {
        findDescriptors();
        furthest = -1;
        readKnown(&furthest);
    }
    return furthest;
}

bool ReadPosition::readKnown(qint64* furthest) const {
    for (const QString& fd : m_descriptors) {
        if (QFile::symLinkTarget(kDescriptors + fd) != m_target) {
            return false;
        }
        QFile info(QStringLiteral("/proc/self/fdinfo/") + fd);
        if (!info.open(QIODevice::ReadOnly)) {
            return false;
        }
        // The first line reads "pos:\t<offset>".
        const QByteArray first = info.readLine();
        if (first.startsWith("pos:")) {
            *furthest = std::max(*furthest, first.mid(4).trimmed().toLongLong());
        }
    }
    return true;
}

void ReadPosition::findDescriptors() {
    m_descriptors.clear();
    const QDir descriptors(kDescriptors);
    for (const QString& fd : descriptors.entryList(QDir::Files | QDir::System)) {
        if (QFile::symLinkTarget(descriptors.filePath(fd)) == m_target) {
            m_descriptors.append(fd);
        }
    }
}

} // namespace vyx
