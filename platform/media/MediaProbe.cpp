#include "MediaProbe.h"

#include "errors/RuntimeError.h"
#include "media/DecoderThreads.h"
#include "media/MediaSource.h"
#include "system/FileCheck.h"
#include "system/LocalPath.h"
#include "system/ResolveSymbol.h"

#include <QCoreApplication>
#include <QFile>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

namespace vyx {

namespace {

// libavformat, loaded when a file is first judged rather than at start: the player loads it
// anyway with its engine, and a program that never plays never pays for it.
class AvFormat {
public:
    AvFormat() {
        m_format.setFileNameAndVersion(QStringLiteral("avformat"), LIBAVFORMAT_VERSION_MAJOR);
        m_util.setFileNameAndVersion(QStringLiteral("avutil"), LIBAVUTIL_VERSION_MAJOR);
        if (!m_format.load() || !m_util.load()) {
            throw RuntimeError(ErrorCode::MediaEngineUnavailable,
                               m_format.errorString() + u' ' + m_util.errorString());
        }
        resolveSymbol(m_format, openInput, "avformat_open_input");
        resolveSymbol(m_format, findStreamInfo, "avformat_find_stream_info");
        resolveSymbol(m_format, closeInput, "avformat_close_input");
        resolveSymbol(m_util, getLogLevel, "av_log_get_level");
        resolveSymbol(m_util, setLogLevel, "av_log_set_level");
    }

    decltype(&avformat_open_input) openInput = nullptr;
    decltype(&avformat_find_stream_info) findStreamInfo = nullptr;
    decltype(&avformat_close_input) closeInput = nullptr;
    decltype(&av_log_get_level) getLogLevel = nullptr;
    decltype(&av_log_set_level) setLogLevel = nullptr;

private:
    QLibrary m_format;
    QLibrary m_util;
};

bool hasAudioOrVideo(const AVFormatContext& context) {
    // The engine refuses the demuxer of text shown as ANSI art, which takes any .txt or .nfo.
    if (qstrcmp(context.iformat->name, "tty") == 0) {
        return false;
    }
    for (unsigned i = 0; i < context.nb_streams; ++i) {
        const AVCodecParameters& codec = *context.streams[i]->codecpar;
        if ((codec.codec_type == AVMEDIA_TYPE_AUDIO || codec.codec_type == AVMEDIA_TYPE_VIDEO) &&
            codec.codec_id != AV_CODEC_ID_NONE) {
            return true;
        }
    }
    return false;
}

MediaShape shapeOf(const AVFormatContext& context) {
    MediaShape shape;
    for (unsigned i = 0; i < context.nb_streams; ++i) {
        const AVStream& stream = *context.streams[i];
        const QSize picture(stream.codecpar->width, stream.codecpar->height);
        // A cover picture is shown once, not played.
        if (stream.codecpar->codec_type != AVMEDIA_TYPE_VIDEO ||
            (stream.disposition & AV_DISPOSITION_ATTACHED_PIC) != 0 || picture.isEmpty() ||
            (!shape.picture.isEmpty() && picture.width() * picture.height() <=
                                             shape.picture.width() * shape.picture.height())) {
            continue;
        }
        shape.picture = picture;
        const AVRational rate =
            stream.avg_frame_rate.num > 0 ? stream.avg_frame_rate : stream.r_frame_rate;
        shape.frameRate = rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 0.0;
    }
    return shape;
}

// An HTTP Live Streaming playlist gives its tags at its top, long before this.
constexpr qint64 kPlaylistHead = 64 << 10;

} // namespace

bool isHlsFile(const QString& path) {
    QFile file(QFile::decodeName(pathOfEntry(path)));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray head = file.read(kPlaylistHead);
    return !head.contains('\0') && isHlsPlaylist(head);
}

void checkFile(const QString& path) {
    if (path.trimmed().isEmpty()) {
        throw RuntimeError(ErrorCode::BadFileName,
                           QCoreApplication::translate("vyx::MediaPlayer", "(no file name)"));
    }
    checkRegularFile(path);
}

MediaShape checkMediaFormat(const QString& path) {
    const AvFormat av;
    // A file that is not media is the expected answer here, not news for the terminal.
    const int logLevel = av.getLogLevel();
    av.setLogLevel(AV_LOG_QUIET);
    AVFormatContext* context = nullptr;
    bool media = av.openInput(&context, pathOfEntry(path).constData(), nullptr, nullptr) == 0;
    MediaShape shape;
    if (media) {
        // Containers with a header name their streams at once; others (MPEG program streams,
        // raw streams) show them only once some packets have been read.
        media = hasAudioOrVideo(*context) ||
                (av.findStreamInfo(context, nullptr) >= 0 && hasAudioOrVideo(*context));
        shape = shapeOf(*context);
        av.closeInput(&context);
    }
    av.setLogLevel(logLevel);
    if (!media) {
        throw RuntimeError(ErrorCode::InvalidFormat, path);
    }
    return shape;
}

int checkEntry(const QString& entry) {
    if (isStreamAddress(entry)) {
        return decoderCores();
    }
    checkFile(entry);
    // libavformat takes such a playlist for one only by the extension it expects, and judged
    // here its first missing piece would make it "not media"; the engine knows one by its tags
    // and says what is missing.
    if (isHlsFile(entry)) {
        return decoderCores();
    }
    const MediaShape shape = checkMediaFormat(entry);
    return decoderThreads(shape.picture, shape.frameRate, decoderCores());
}

} // namespace vyx
