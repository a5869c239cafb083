#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace vyx {

// The schemes of the addresses that the engine reads over the network itself: the web's and
// file servers' (http, ftp, smb), streaming servers' (rtsp, rtmp, mms, srt, rist) and bare
// transports (udp, rtp, tcp). Its other schemes read this machine (fd://, avdevice://, edl://)
// or stand for what it has: a list or a drop must not make it do that.
[[nodiscard]] const QStringList& streamSchemes();

// An address of one of those schemes, which the engine reads itself; every other entry is a path.
[[nodiscard]] bool isStreamAddress(const QString& entry);

// Whether a stream address names where to read it from: a host, except where the engine listens
// on this machine's own port instead (udp://@:1234, rtp://:5004, srt://:9000?mode=listener).
[[nodiscard]] bool namesItsSource(const QUrl& address);

// A playlist of HTTP Live Streaming: the pieces of one stream, or its variants, rather than
// entries of their own. Such a list carries the tags of one anywhere in it.
[[nodiscard]] bool isHlsPlaylist(QByteArrayView text);

// A web address that names audio or video by its extension (clip.mp4, song.mp3): what a link to
// it brings is for the player rather than the browser.
[[nodiscard]] bool isMediaAddress(const QUrl& address);

// A file of subtitles, by its extension: added to what plays rather than played.
[[nodiscard]] bool isSubtitleFile(const QString& entry);

} // namespace vyx
