#pragma once

#include <cstdint>
#include <string>

// The read-only registry calls the system-information launcher needs, in the shape of their
// Win32 counterparts: status 0 is success, text is in the system's 8-bit code page. Plain C++,
// so that the Windows implementation builds without Qt.
namespace vyx::registry {

using Key = std::uintptr_t;

inline constexpr Key kLocalMachine = 0x80000002U;
inline constexpr std::uint32_t kKeyRead = 0x20019U;
inline constexpr std::int32_t kSuccess = 0;
inline constexpr std::int32_t kFileNotFound = 2;
inline constexpr std::int32_t kMoreData = 234;
inline constexpr std::uint32_t kString = 1;
inline constexpr std::uint32_t kExpandString = 2;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDword = 4;

class Registry {
public:
    virtual ~Registry() = default;
    virtual std::int32_t RegOpenKeyExA(Key root, const std::string& path, std::uint32_t options,
                                       std::uint32_t access, Key* result) = 0;
    // Fills buffer (of *size bytes) and sets *type and *size to what was stored.
    virtual std::int32_t RegQueryValueExA(Key key, const std::string& name, std::uint32_t* type,
                                          unsigned char* buffer, std::uint32_t* size) = 0;
    virtual std::int32_t RegCloseKey(Key key) = 0;

protected:
    Registry() = default;
    Registry(const Registry&) = default;
    Registry& operator=(const Registry&) = default;
};

} // namespace vyx::registry
