#pragma once

#include "registry/Registry.h"

namespace vyx::registry {

// The real registry, through advapi32. Built on Windows only.
class Win32Registry final : public Registry {
public:
    std::int32_t RegOpenKeyExA(Key root, const std::string& path, std::uint32_t options,
                               std::uint32_t access, Key* result) override;
    std::int32_t RegQueryValueExA(Key key, const std::string& name, std::uint32_t* type,
                                  unsigned char* buffer, std::uint32_t* size) override;
    std::int32_t RegCloseKey(Key key) override;
};

} // namespace vyx::registry
