// A registry value of any type, size and content, read as GetKeyValue reads it.
#include "KeyValue.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

class OneValue final : public vyx::registry::Registry {
public:
    std::uint32_t type = 0;
    std::uint32_t reported = 0;
    std::string bytes;
    int opened = 0;
    int closed = 0;

    std::int32_t RegOpenKeyExA(vyx::registry::Key, const std::string&, std::uint32_t, std::uint32_t,
                               vyx::registry::Key* result) override {
        ++opened;
        *result = 7;
        return 0;
    }
    std::int32_t RegQueryValueExA(vyx::registry::Key, const std::string&, std::uint32_t* valueType,
                                  unsigned char* buffer, std::uint32_t* size) override {
        const std::size_t copied = std::min<std::size_t>(bytes.size(), *size);
        std::memcpy(buffer, bytes.data(), copied);
        *valueType = type;
        *size = reported;
        return 0;
    }
    std::int32_t RegCloseKey(vyx::registry::Key) override {
        ++closed;
        return 0;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    OneValue registry;
    registry.type = data[0] % 8;
    registry.reported =
        static_cast<std::uint32_t>(data[1]) * 8 + data[2] % 8; // up to 2047: past the buffer too
    registry.bytes.assign(reinterpret_cast<const char*>(data + 3), size - 3);
    std::string value = "before";
    const bool read = vyx::GetKeyValue(registry, vyx::registry::kLocalMachine, "K", "V", value,
                                       [](const std::string& name) -> std::optional<std::string> {
                                           return name == "A"
                                                      ? std::optional<std::string>("expanded")
                                                      : std::nullopt;
                                       });
    if (registry.closed != registry.opened || (!read && !value.empty()) ||
        value.size() > 1024 * 8) {
        std::abort();
    }
    return 0;
}
