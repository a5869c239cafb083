#pragma once

#include <QLibrary>
#include <mpv/client.h>
#include <mpv/render.h>

namespace vyx {

// libmpv, loaded when the first player needs its engine rather than when the program starts:
// the engine and the codecs it brings are some 230 libraries, which would otherwise be mapped
// and relocated before the main window could appear, and weigh on an idle player's memory.
class MpvLibrary {
public:
    // Loads the library (the process keeps it once loaded). Throws RuntimeError when it or one
    // of the functions below cannot be found.
    MpvLibrary();

    decltype(&mpv_create) create = nullptr;
    decltype(&mpv_initialize) initialize = nullptr;
    decltype(&mpv_terminate_destroy) terminateDestroy = nullptr;
    decltype(&mpv_set_option_string) setOptionString = nullptr;
    decltype(&mpv_set_property_async) setPropertyAsync = nullptr;
    decltype(&mpv_get_property_async) getPropertyAsync = nullptr;
    decltype(&mpv_command_async) commandAsync = nullptr;
    decltype(&mpv_observe_property) observeProperty = nullptr;
    decltype(&mpv_set_wakeup_callback) setWakeupCallback = nullptr;
    decltype(&mpv_wait_event) waitEvent = nullptr;
    decltype(&mpv_error_string) errorString = nullptr;
    decltype(&mpv_request_log_messages) requestLogMessages = nullptr;
    decltype(&mpv_render_context_create) renderCreate = nullptr;
    decltype(&mpv_render_context_free) renderFree = nullptr;
    decltype(&mpv_render_context_set_update_callback) renderSetUpdateCallback = nullptr;
    decltype(&mpv_render_context_update) renderUpdate = nullptr;
    decltype(&mpv_render_context_render) renderRender = nullptr;
    decltype(&mpv_render_context_get_info) renderGetInfo = nullptr;

private:
    QLibrary m_library;
};

} // namespace vyx
