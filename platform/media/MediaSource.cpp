#include "MediaSource.h"

#include <QFileInfo>
#include <array>

namespace vyx {

namespace {

bool isWebAddress(const QString& entry) {
    return entry.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           entry.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

} // namespace

const QStringList& streamSchemes() {
    static const QStringList kSchemes{
        QStringLiteral("http"),    QStringLiteral("https"),  QStringLiteral("ftp"),
        QStringLiteral("sftp"),    QStringLiteral("smb"),    QStringLiteral("gopher"),
        QStringLiteral("gophers"), QStringLiteral("rtsp"),   QStringLiteral("rtsps"),
        QStringLiteral("rtmp"),    QStringLiteral("rtmps"),  QStringLiteral("rtmpe"),
        QStringLiteral("rtmpt"),   QStringLiteral("rtmpte"), QStringLiteral("rtmpts"),
        QStringLiteral("mms"),     QStringLiteral("mmsh"),   QStringLiteral("mmst"),
        QStringLiteral("mmshttp"), QStringLiteral("srt"),    QStringLiteral("rist"),
        QStringLiteral("rtp"),     QStringLiteral("srtp"),   QStringLiteral("udp"),
        QStringLiteral("tcp"),     QStringLiteral("tls")};
    return kSchemes;
}

bool isStreamAddress(const QString& entry) {
    const qsizetype separator = entry.indexOf(QLatin1String("://"));
    return separator > 0 &&
           streamSchemes().contains(QStringView(entry).left(separator), Qt::CaseInsensitive);
}

bool namesItsSource(const QUrl& address) {
    static const QStringList kListening{QStringLiteral("udp"), QStringLiteral("rtp"),
                                        QStringLiteral("srt"), QStringLiteral("rist")};
    return address.isValid() &&
           (!address.host().isEmpty() ||
            (address.port() > 0 && kListening.contains(address.scheme(), Qt::CaseInsensitive)));
}

bool isHlsPlaylist(QByteArrayView text) {
    // A media playlist must give its pieces' longest duration, a master playlist its variants;
    // the sequence number is the one more that libavformat knows one by.
    static constexpr std::array<QByteArrayView, 3> kTags{
        "#EXT-X-TARGETDURATION", "#EXT-X-STREAM-INF", "#EXT-X-MEDIA-SEQUENCE"};
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = text.indexOf('\n', at);
        end = end < 0 ? text.size() : end;
        const QByteArrayView line = text.sliced(at, end - at).trimmed();
        for (const QByteArrayView tag : kTags) {
            if (line.startsWith(tag)) {
                return true;
            }
        }
        at = end + 1;
    }
    return false;
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
    return isWebAddress(address.toString()) &&
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
