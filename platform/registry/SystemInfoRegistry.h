#pragma once

#include "registry/Registry.h"

#include <QStringList>

namespace vyx::registry {

// Where there is no registry: answers the two locations of the system-information program from
// the first known one found on PATH (its full path, and its folder), and nothing else.
class SystemInfoRegistry final : public Registry {
public:
    explicit SystemInfoRegistry(const QStringList& candidates = knownPrograms());

    std::int32_t RegOpenKeyExA(Key root, const std::string& path, std::uint32_t options,
                               std::uint32_t access, Key* result) override;
    std::int32_t RegQueryValueExA(Key key, const std::string& name, std::uint32_t* type,
                                  unsigned char* buffer, std::uint32_t* size) override;
    std::int32_t RegCloseKey(Key key) override;

    static QStringList knownPrograms();

private:
    QString m_program;
};

} // namespace vyx::registry
