#include "LibraryLogs.h"

#include <QByteArray>
#include <QtGlobal>

namespace vyx {

void quietLibraryLogs() {
    if (!qEnvironmentVariableIsSet("PIPEWIRE_DEBUG")) {
        qputenv("PIPEWIRE_DEBUG", "0");
    }
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--log-level") && !flags.contains("--enable-logging")) {
        // Fatal errors alone: the web engine's own errors are those a page shows.
        flags.append(flags.isEmpty() ? "--log-level=3" : " --log-level=3");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    }
}

} // namespace vyx
