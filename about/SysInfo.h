#pragma once

#include "registry/Registry.h"

#include <QString>
#include <functional>

namespace vyx {

class MessagePrompter;

// What starting the system-information program needs from the machine.
struct SysInfoServices {
    registry::Registry& registry;
    std::function<bool(const QString& path)> fileExists;
    // Starts the program without waiting; false when it cannot be started.
    std::function<bool(const QString& path)> start;
    MessagePrompter& prompter;
};

// Finds the system-information program through the registry (its full path, else its folder)
// and starts it; when neither works, says so in one OK-only box. Never fails to its caller.
void StartSysInfo(const SysInfoServices& services);

// An ordinary file (not a folder, not hidden) of exactly that name.
bool isOrdinaryFile(const QString& path);
bool startDetached(const QString& path);

} // namespace vyx
