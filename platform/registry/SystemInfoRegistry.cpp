#include "SystemInfoRegistry.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <cstring>

namespace vyx::registry {

namespace {

enum : Key { kProgramKey = 1, kFolderKey = 2 };

} // namespace

SystemInfoRegistry::SystemInfoRegistry(const QStringList& candidates) {
    for (const QString& name : candidates) {
        m_program = QStandardPaths::findExecutable(name);
        if (!m_program.isEmpty()) {
            break;
        }
    }
}

QStringList SystemInfoRegistry::knownPrograms() {
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("lshw-gtk"), QStringLiteral("gnome-system-monitor")};
}

std::int32_t SystemInfoRegistry::RegOpenKeyExA(Key root, const std::string& path,
                                               std::uint32_t /*options*/, std::uint32_t /*access*/,
                                               Key* result) {
    *result = 0;
    if (root != kLocalMachine || m_program.isEmpty()) {
        return kFileNotFound;
    }
    if (path == "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO") {
        *result = kProgramKey;
    } else if (path == "SOFTWARE\\Microsoft\\Shared Tools Location") {
        *result = kFolderKey;
    }
    return *result == 0 ? kFileNotFound : kSuccess;
}

std::int32_t SystemInfoRegistry::RegQueryValueExA(Key key, const std::string& name,
                                                  std::uint32_t* type, unsigned char* buffer,
                                                  std::uint32_t* size) {
    QByteArray value;
    if (key == kProgramKey && name == "PATH") {
        value = m_program.toLocal8Bit();
    } else if (key == kFolderKey && name == "MSINFO") {
        value = QFileInfo(m_program).absolutePath().toLocal8Bit();
    } else {
        return kFileNotFound;
    }
    // Stored as a string value is: with its terminating zero.
    const auto needed = static_cast<std::uint32_t>(value.size() + 1);
    if (needed > *size) {
        *size = needed;
        return kMoreData;
    }
    std::memcpy(buffer, value.constData(), value.size());
    buffer[value.size()] = 0;
    *type = kString;
    *size = needed;
    return kSuccess;
}

std::int32_t SystemInfoRegistry::RegCloseKey(Key key) {
    return key == 0 ? kFileNotFound : kSuccess;
}

} // namespace vyx::registry
