#pragma once

#include <QProcessEnvironment>

namespace vyx {

// Where no session bus runs (a bare X session, ssh -X), libdbus would start one for the display
// (dbus-launch), leave it running and note it in the home folder. The program uses none there:
// the X server's own screen-saver reset stands in for the desktop's, and no media controls ask.
// True when the environment names a bus, or the session's runtime folder holds one.
[[nodiscard]] bool sessionBusAvailable(const QProcessEnvironment& environment);
// Before anything speaks to the bus: where there is none, none is started.
void useNoSessionBusWhereThereIsNone();

} // namespace vyx
