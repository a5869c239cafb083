#pragma once

#include "errors/RuntimeError.h"

#include <QLibrary>

namespace vyx {

// Takes a function from a media library loaded by name; a missing one is the media engine's
// failure, naming the library and the function.
template <class Function>
void resolveSymbol(QLibrary& library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(library.resolve(name));
    if (function == nullptr) {
        throw RuntimeError(ErrorCode::MediaEngineUnavailable,
                           library.fileName() + QStringLiteral(": ") + QLatin1String(name));
    }
}

} // namespace vyx
