#include "MediaSource.h"

#include <QFileInfo>
#include <QStringList>

namespace vyx {

bool isStreamAddress(const QString& entry) {
    return entry.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           entry.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

bool isSubtitleFile(const QString& entry) {
    static const QStringList kExtensions{QStringLiteral("srt"), QStringLiteral("ass"),
                                         QStringLiteral("ssa"), QStringLiteral("vtt"),
                                         QStringLiteral("sub")};
    return !isStreamAddress(entry) &&
           kExtensions.contains(QFileInfo(entry).suffix(), Qt::CaseInsensitive);
}

} // namespace vyx
