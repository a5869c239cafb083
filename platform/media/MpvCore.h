#pragma once

#include "media/MpvLibrary.h"

#include <QLoggingCategory>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <memory>

namespace vyx {

// What the media engine refused: a warning, which fails the tests. What the player chose for a
// file (another demuxer, more decoder threads) is information, off unless QT_LOGGING_RULES has
// "vyx.media.info=true".
Q_DECLARE_LOGGING_CATEGORY(engineLog)

// One libmpv core: owns the handle and speaks to it in Qt types. Each player has its own core,
// so two players never share state.
class MpvCore {
public:
    // Throws RuntimeError when libmpv cannot be started.
    MpvCore();
    ~MpvCore();
    MpvCore(const MpvCore&) = delete;
    MpvCore& operator=(const MpvCore&) = delete;

    [[nodiscard]] mpv_handle* handle() const { return m_handle.get(); }
    [[nodiscard]] const MpvLibrary& api() const { return m_api; }
    [[nodiscard]] QString errorText(int error) const;

    // Options, set before the core starts. One the core refuses is a fault of ours: it is
    // logged as a warning, which fails the tests.
    void setOption(const char* name, const QString& value);

    // Everything after start is asynchronous. The core waits for the GUI thread (which renders
    // the picture) while it sets up video, so a call that waited for the core from the GUI
    // thread could wait for ever. What the player needs to know it observes. Each reply
    // arrives as an event carrying the tag; a call the core refuses at once is logged.
    void setFlag(const char* name, bool value);
    void setDouble(const char* name, double value);
    void setString(const char* name, const QString& value);
    void command(std::initializer_list<QString> args, std::uint64_t tag = 0);
    void observe(const char* name, int format);
    void request(const char* name, int format, std::uint64_t tag);

    // Called on libmpv's thread whenever events wait; the callback must only schedule work.
    void setWakeup(void (*callback)(void*), void* context);
    // Returns the next event, or nullptr when none is pending.
    [[nodiscard]] const mpv_event* nextEvent();

private:
    // Logs a refused call; true when the call was taken.
    bool check(int error, const char* what, const char* name) const;

    struct Destroy {
        decltype(&mpv_terminate_destroy) terminate;
        void operator()(mpv_handle* handle) const { terminate(handle); }
    };
    MpvLibrary m_api;
    std::unique_ptr<mpv_handle, Destroy> m_handle;
};

} // namespace vyx
