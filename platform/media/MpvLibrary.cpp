#include "MpvLibrary.h"

#include "errors/RuntimeError.h"
#include "media/SlowGathers.h"
#include "media/SoundMessages.h"
#include "system/ResolveSymbol.h"

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
    resolveSymbol(m_library, create, "mpv_create");
    resolveSymbol(m_library, initialize, "mpv_initialize");
    resolveSymbol(m_library, terminateDestroy, "mpv_terminate_destroy");
    resolveSymbol(m_library, setOptionString, "mpv_set_option_string");
    resolveSymbol(m_library, setPropertyAsync, "mpv_set_property_async");
    resolveSymbol(m_library, getPropertyAsync, "mpv_get_property_async");
    resolveSymbol(m_library, commandAsync, "mpv_command_async");
    resolveSymbol(m_library, observeProperty, "mpv_observe_property");
    resolveSymbol(m_library, setWakeupCallback, "mpv_set_wakeup_callback");
    resolveSymbol(m_library, waitEvent, "mpv_wait_event");
    resolveSymbol(m_library, errorString, "mpv_error_string");
    resolveSymbol(m_library, requestLogMessages, "mpv_request_log_messages");
    resolveSymbol(m_library, renderCreate, "mpv_render_context_create");
    resolveSymbol(m_library, renderFree, "mpv_render_context_free");
    resolveSymbol(m_library, renderSetUpdateCallback, "mpv_render_context_set_update_callback");
    resolveSymbol(m_library, renderUpdate, "mpv_render_context_update");
    resolveSymbol(m_library, renderRender, "mpv_render_context_render");
    resolveSymbol(m_library, renderGetInfo, "mpv_render_context_get_info");
    // Before the engine makes its first scaler, and opens its first sound output.
    avoidSlowGathers();
    quietSoundLibraries();
}

} // namespace vyx
