#include "Timing.h"

#include <chrono>

namespace vyx {

Q_LOGGING_CATEGORY(timingLog, "vyx.timing", QtWarningMsg)

void logTiming(const char* event, const QString& detail) {
    if (!timingLog().isInfoEnabled()) {
        return;
    }
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    qCInfo(timingLog).noquote() << now.count() << event << detail;
}

} // namespace vyx
