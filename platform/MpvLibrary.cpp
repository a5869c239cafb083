#include "MpvLibrary.h"

#include "RuntimeError.h"

namespace vyx {

MpvLibrary::MpvLibrary() {
    // The name the library has on Debian 12 and later, then the one before it.
    m_library.setFileNameAndVersion(QStringLiteral("mpv"), 2);
    if (!m_library.load()) {
        m_library.setFileNameAndVersion(QStringLiteral("mpv"), 1);
        if (!m_library.load()) {
            throw RuntimeError(ErrorCode::MediaEngineUnavailable, m_library.errorString());
        }
    }
    resolve(create, "mpv_create");
    resolve(initialize, "mpv_initialize");
    resolve(terminateDestroy, "mpv_terminate_destroy");
    resolve(setOptionString, "mpv_set_option_string");
    resolve(setPropertyAsync, "mpv_set_property_async");
    resolve(getPropertyAsync, "mpv_get_property_async");
    resolve(commandAsync, "mpv_command_async");
    resolve(observeProperty, "mpv_observe_property");
    resolve(setWakeupCallback, "mpv_set_wakeup_callback");
    resolve(waitEvent, "mpv_wait_event");
    resolve(errorString, "mpv_error_string");
    resolve(renderCreate, "mpv_render_context_create");
    resolve(renderFree, "mpv_render_context_free");
    resolve(renderSetUpdateCallback, "mpv_render_context_set_update_callback");
    resolve(renderUpdate, "mpv_render_context_update");
    resolve(renderRender, "mpv_render_context_render");
    resolve(renderGetInfo, "mpv_render_context_get_info");
}

template <class Function> void MpvLibrary::resolve(Function& function, const char* name) {
    function = reinterpret_cast<Function>(m_library.resolve(name));
    if (function == nullptr) {
        throw RuntimeError(ErrorCode::MediaEngineUnavailable,
                           m_library.fileName() + QStringLiteral(": ") + QLatin1String(name));
    }
}

} // namespace vyx
