#include "Win32Registry.h"

#include <windows.h>

namespace vyx::registry {

std::int32_t Win32Registry::RegOpenKeyExA(Key root, const std::string& path, std::uint32_t options,
                                          std::uint32_t access, Key* result) {
    HKEY key = nullptr;
    const LONG status =
        ::RegOpenKeyExA(reinterpret_cast<HKEY>(root), path.c_str(), options, access, &key);
    *result = reinterpret_cast<Key>(key);
    return status;
}

std::int32_t Win32Registry::RegQueryValueExA(Key key, const std::string& name, std::uint32_t* type,
                                             unsigned char* buffer, std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD bytes = *size;
    const LONG status = ::RegQueryValueExA(reinterpret_cast<HKEY>(key), name.c_str(), nullptr,
                                           &valueType, buffer, &bytes);
    *type = valueType;
    *size = bytes;
    return status;
}

std::int32_t Win32Registry::RegCloseKey(Key key) {
    return key == 0 ? ERROR_INVALID_HANDLE : ::RegCloseKey(reinterpret_cast<HKEY>(key));
}

} // namespace vyx::registry
