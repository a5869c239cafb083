#include "SessionBus.h"

#include <QFileInfo>

namespace vyx {

namespace {

const QString kAddress = QStringLiteral("DBUS_SESSION_BUS_ADDRESS");

} // namespace

bool sessionBusAvailable(const QProcessEnvironment& environment) {
    if (!environment.value(kAddress).isEmpty()) {
        return true;
    }
    // Where libdbus looks when no address is given, before it would start a bus of its own.
    const QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

void useNoSessionBusWhereThereIsNone() {
    if (!sessionBusAvailable(QProcessEnvironment::systemEnvironment())) {
        // An address of no known kind: every attempt fails at once, and none starts a bus.
        qputenv(kAddress.toLatin1().constData(), "disabled:");
    }
}

} // namespace vyx
