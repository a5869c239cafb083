#include "MediaSource.h"

#include <QFileInfo>
#include <QStringList>

namespace vyx {

bool isStreamAddress(const QString& entry) {
    return entry.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           entry.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

bool isMediaAddress(const QUrl& address) {
    static const QStringList kExtensions{
        QStringLiteral("mp4"),  QStringLiteral("m4v"),  QStringLiteral("m4a"),
        QStringLiteral("mkv"),  QStringLiteral("mka"),  QStringLiteral("webm"),
        QStringLiteral("ogg"),  QStringLiteral("ogv"),  QStringLiteral("oga"),
        QStringLiteral("opus"), QStringLiteral("flac"), QStringLiteral("aac"),
        QStringLiteral("mov"),  QStringLiteral("avi"),  QStringLiteral("mpeg"),
        QStringLiteral("mpg"),  QStringLiteral("mpe"),  QStringLiteral("mpa"),
        QStringLiteral("m1v"),  QStringLiteral("mpv2"), QStringLiteral("wmv"),
        QStringLiteral("asf"),  QStringLiteral("ivf"),  QStringLiteral("wav"),
        QStringLiteral("mp3")};
    return isStreamAddress(address.toString()) &&
           kExtensions.contains(QFileInfo(address.path()).suffix(), Qt::CaseInsensitive);
}

bool isSubtitleFile(const QString& entry) {
    static const QStringList kExtensions{QStringLiteral("srt"), QStringLiteral("ass"),
                                         QStringLiteral("ssa"), QStringLiteral("vtt"),
                                         QStringLiteral("sub")};
    return !isStreamAddress(entry) &&
           kExtensions.contains(QFileInfo(entry).suffix(), Qt::CaseInsensitive);
}

} // namespace vyx
