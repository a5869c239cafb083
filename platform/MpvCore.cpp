#include "MpvCore.h"

#include "RuntimeError.h"

#include <clocale>
#include <mpv/client.h>
#include <vector>

namespace vyx {

void MpvCore::Destroy::operator()(mpv_handle* handle) const {
    mpv_terminate_destroy(handle);
}

MpvCore::MpvCore() {
    // libmpv parses numbers with the C library and refuses to start under a locale whose
    // decimal separator is a comma; Qt sets the user's locale when the application starts.
    std::setlocale(LC_NUMERIC, "C");
    m_handle.reset(mpv_create());
    if (!m_handle) {
        throw RuntimeError(ErrorCode::MediaEngineUnavailable);
    }
    // The picture is drawn by our own surface through the render API.
    setOption("vo", QStringLiteral("libmpv"));
    // The sound systems of Linux desktops, in libmpv's own order. SDL's output is left out: on a
    // machine without sound its start-up can wait for ever on D-Bus, inside libmpv's core, and
    // then the player cannot even be closed. Without any of these, the picture still plays
    // against a silent output that keeps the clock.
    if (mpv_set_option_string(m_handle.get(), "ao", "pipewire,pulse,alsa,jack") < 0) {
        setOption("ao", QStringLiteral("pulse,alsa,jack"));
    }
    setOption("audio-fallback-to-null", QStringLiteral("yes"));
    // At the end the last frame stays and the player decides what happens next.
    setOption("keep-open", QStringLiteral("always"));
    setOption("idle", QStringLiteral("yes"));
    setOption("input-default-bindings", QStringLiteral("no"));
    setOption("input-vo-keyboard", QStringLiteral("no"));
    setOption("osc", QStringLiteral("no"));
    setOption("terminal", QStringLiteral("no"));
    setOption("config", QStringLiteral("no"));
    // The picture is drawn in software, so hardware decoding copies each frame back.
    setOption("hwdec", QStringLiteral("auto-copy-safe"));
    if (mpv_initialize(m_handle.get()) < 0) {
        throw RuntimeError(ErrorCode::MediaEngineUnavailable);
    }
}

MpvCore::~MpvCore() {
    setWakeup(nullptr, nullptr);
}

void MpvCore::setOption(const char* name, const QString& value) {
    mpv_set_option_string(m_handle.get(), name, value.toUtf8().constData());
}

void MpvCore::setFlag(const char* name, bool value) {
    int flag = value ? 1 : 0;
    mpv_set_property_async(m_handle.get(), 0, name, MPV_FORMAT_FLAG, &flag);
}

void MpvCore::setDouble(const char* name, double value) {
    mpv_set_property_async(m_handle.get(), 0, name, MPV_FORMAT_DOUBLE, &value);
}

void MpvCore::setString(const char* name, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    const char* text = utf8.constData();
    mpv_set_property_async(m_handle.get(), 0, name, MPV_FORMAT_STRING, &text);
}

void MpvCore::command(std::initializer_list<QString> args) {
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
    mpv_command_async(m_handle.get(), 0, argv.data());
}

void MpvCore::observe(const char* name, int format) {
    mpv_observe_property(m_handle.get(), 0, name, static_cast<mpv_format>(format));
}

void MpvCore::request(const char* name, int format, std::uint64_t tag) {
    mpv_get_property_async(m_handle.get(), tag, name, static_cast<mpv_format>(format));
}

void MpvCore::setWakeup(void (*callback)(void*), void* context) {
    mpv_set_wakeup_callback(m_handle.get(), callback, context);
}

const mpv_event* MpvCore::nextEvent() {
    const mpv_event* event = mpv_wait_event(m_handle.get(), 0);
    return event->event_id == MPV_EVENT_NONE ? nullptr : event;
}

} // namespace vyx
