#include "MpvCore.h"

#include "errors/RuntimeError.h"
#include "media/DecoderThreads.h"

#include <clocale>
#include <vector>

namespace vyx {

Q_LOGGING_CATEGORY(engineLog, "vyx.media", QtWarningMsg)

MpvCore::MpvCore()
    : m_handle(nullptr, Destroy{m_api.terminateDestroy}) {
    // libmpv parses numbers with the C library and refuses to start under a locale whose
    // decimal separator is a comma; Qt sets the user's locale when the application starts.
    std::setlocale(LC_NUMERIC, "C");
    m_handle.reset(m_api.create());
    if (!m_handle) {
        throw RuntimeError(ErrorCode::MediaEngineUnavailable);
    }
    // The picture is drawn by our own surface through the render API.
    setOption("vo", QStringLiteral("libmpv"));
    // The sound systems of Linux desktops, in libmpv's own order. SDL's output is left out: on a
    // machine without sound its start-up can wait for ever on D-Bus, inside libmpv's core, and
    // then the player cannot even be closed. Without any of these, the picture still plays
    // against a silent output that keeps the clock.
    // An engine built without PipeWire refuses the whole list; that is no fault.
    if (m_api.setOptionString(m_handle.get(), "ao", "pipewire,pulse,alsa,jack") < 0) {
        setOption("ao", QStringLiteral("pulse,alsa,jack"));
    }
    setOption("audio-fallback-to-null", QStringLiteral("yes"));
    // At the end the last frame stays and the player decides what happens next.
    setOption("keep-open", QStringLiteral("always"));
    // Left to itself the core pauses there, and if that comes while the last sound is still
    // being played out, the end is never reported (a file whose picture ends at once did that).
    setOption("keep-open-pause", QStringLiteral("no"));
    setOption("idle", QStringLiteral("yes"));
    setOption("input-default-bindings", QStringLiteral("no"));
    setOption("input-vo-keyboard", QStringLiteral("no"));
    setOption("osc", QStringLiteral("no"));
    // The engine's statistics page and console answer only its own key bindings, which are off;
    // each is a script with an interpreter of its own.
    setOption("load-stats-overlay", QStringLiteral("no"));
    setOption("load-osd-console", QStringLiteral("no"));
    setOption("terminal", QStringLiteral("no"));
    setOption("config", QStringLiteral("no"));
    // The picture is drawn in software: hardware decoding would have to copy every frame
    // back and probe the drivers for every file, which costs more than it saves here.
    setOption("hwdec", QStringLiteral("no"));
    // Scaled and converted by swscale in one pass, as other players' software outputs do; the
    // surface picks the converter and the filter for each picture. The engine's default (zimg's
    // lanczos with random dither, then its own repacking) costs more for the usual 4:2:0.
    setOption("sws-allow-zimg", QStringLiteral("no"));
    setOption("sws-scaler", QStringLiteral("bicubic"));
    setOption("sws-fast", QStringLiteral("yes"));
    // A decoder thread per core keeps every core busy; the engine's default of one more only
    // holds more pictures in flight. Each file may ask for fewer.
    setOption("vd-lavc-threads", QString::number(decoderCores()));
    // The engine's cache of a stream keeps, for going back, everything played, beyond its own
    // limit: a radio station grew it by some 2.7 MB a minute. Going back in a stream asks the
    // server again instead.
    setOption("demuxer-seekable-cache", QStringLiteral("no"));
    if (!check(m_api.initialize(m_handle.get()), "to start", "")) {
        throw RuntimeError(ErrorCode::MediaEngineUnavailable);
    }
    // Its warnings say why a file or an address failed (a server's answer, a missing decoder),
    // which its error codes do not.
    check(m_api.requestLogMessages(m_handle.get(), "warn"), "to report", "warnings");
}

MpvCore::~MpvCore() {
    setWakeup(nullptr, nullptr);
}

bool MpvCore::check(int error, const char* what, const char* name) const {
    if (error < 0) {
        qCWarning(engineLog, "media engine refused %s %s: %s", what, name,
                  m_api.errorString(error));
    }
    return error >= 0;
}

void MpvCore::setOption(const char* name, const QString& value) {
    check(m_api.setOptionString(m_handle.get(), name, value.toUtf8().constData()), "option", name);
}

void MpvCore::setFlag(const char* name, bool value) {
    int flag = value ? 1 : 0;
    check(m_api.setPropertyAsync(m_handle.get(), 0, name, MPV_FORMAT_FLAG, &flag), "property",
          name);
}

void MpvCore::setDouble(const char* name, double value) {
    check(m_api.setPropertyAsync(m_handle.get(), 0, name, MPV_FORMAT_DOUBLE, &value), "property",
          name);
}

void MpvCore::setString(const char* name, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    const char* text = utf8.constData();
    check(m_api.setPropertyAsync(m_handle.get(), 0, name, MPV_FORMAT_STRING, &text), "property",
          name);
}

void MpvCore::command(std::initializer_list<QString> args, std::uint64_t tag) {
    std::vector<QByteArray> utf8;
    utf8.reserve(args.size());
    for (const QString& arg : args) {
        utf8.push_back(arg.toUtf8());
    }
    std::vector<const char*> argv;
    argv.reserve(utf8.size() + 1);
    for (const QByteArray& arg : utf8) {
        argv.push_back(arg.constData());
    }
    argv.push_back(nullptr);
    check(m_api.commandAsync(m_handle.get(), tag, argv.data()), "command", argv.front());
}

void MpvCore::observe(const char* name, int format) {
    check(m_api.observeProperty(m_handle.get(), 0, name, static_cast<mpv_format>(format)),
          "to observe", name);
}

void MpvCore::request(const char* name, int format, std::uint64_t tag) {
    check(m_api.getPropertyAsync(m_handle.get(), tag, name, static_cast<mpv_format>(format)),
          "to read", name);
}

void MpvCore::setWakeup(void (*callback)(void*), void* context) {
    m_api.setWakeupCallback(m_handle.get(), callback, context);
}

QString MpvCore::errorText(int error) const {
    return QString::fromUtf8(m_api.errorString(error));
}

const mpv_event* MpvCore::nextEvent() {
    const mpv_event* event = m_api.waitEvent(m_handle.get(), 0);
    return event->event_id == MPV_EVENT_NONE ? nullptr : event;
}

} // namespace vyx
