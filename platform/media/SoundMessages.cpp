#include "SoundMessages.h"

#include <QLibrary>

namespace vyx {

namespace {

// libasound's snd_lib_error_handler_t.
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int error,
                                  const char* format, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler handler);

void dropAlsaMessage(const char* /*file*/, int /*line*/, const char* /*function*/, int /*error*/,
                     const char* /*format*/, ...) {}

} // namespace

void quietSoundLibraries() {
    // By name, as the engine itself is loaded: the player does not link libasound.
    QLibrary alsa;
    alsa.setFileNameAndVersion(QStringLiteral("asound"), 2);
    // An engine without ALSA output has no libasound to speak of.
    if (!alsa.load()) {
        return;
    }
    if (const auto setHandler =
            reinterpret_cast<SetAlsaErrorHandler>(alsa.resolve("snd_lib_error_set_handler"))) {
        setHandler(&dropAlsaMessage);
    }
}

} // namespace vyx
