#pragma once

#include <QLoggingCategory>

namespace vyx {

// The timing log: off by default, on with QT_LOGGING_RULES="vyx.timing.info=true". Each line
// names a moment a user waits for, stamped with the monotonic clock in microseconds, so that
// the time between two of them (or from the program's start) can be read off.
Q_DECLARE_LOGGING_CATEGORY(timingLog)

// Writes "<microseconds> <event> <detail>" when the log is on.
void logTiming(const char* event, const QString& detail = {});

} // namespace vyx
