#include "KeyValue.h"

#include <array>
#include <cstdint>

namespace vyx {

namespace {

constexpr std::uint32_t kBufferSize = 1024;

// Closes the key on every way out, a failure included.
class OpenKey {
public:
    explicit OpenKey(registry::Registry& registry)
        : m_registry(registry) {}
    ~OpenKey() { m_registry.RegCloseKey(handle); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    registry::Key handle = 0;

private:
    registry::Registry& m_registry;
};

} // namespace

std::string trimToReported(const unsigned char* buffer, std::uint32_t size) {
    if (size == 0) {
        return {};
    }
    const std::uint32_t kept = buffer[size - 1] == 0 ? size - 1 : size;
    return {reinterpret_cast<const char*>(buffer), kept};
}

std::string dwordText(const std::string& bytes) {
    std::uint64_t value = 0;
    const std::size_t count = bytes.size() < 8 ? bytes.size() : 8;
    for (std::size_t i = count; i > 0; --i) {
        value = (value << 8U) | static_cast<unsigned char>(bytes[i - 1]);
    }
    return std::to_string(value);
}

std::string expandEnvironment(const std::string& text, const Environment& environment) {
    std::string result;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find('%', pos);
        const std::size_t close =
            open == std::string::npos ? std::string::npos : text.find('%', open + 1);
        if (close == std::string::npos) {
            result.append(text, pos, std::string::npos);
            break;
        }
        result.append(text, pos, open - pos);
        const std::string name = text.substr(open + 1, close - open - 1);
        const std::optional<std::string> value = name.empty() ? std::nullopt : environment(name);
        if (value) {
            result += *value;
            pos = close + 1;
        } else {
            // Not a variable: keep the first % and look again from the second.
            result += '%';
            result += name;
            pos = close;
        }
    }
    return result;
}

bool GetKeyValue(registry::Registry& registry, registry::Key keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal,
                 const Environment& environment) {
    OpenKey key(registry);
    if (registry.RegOpenKeyExA(keyRoot, keyName, 0, registry::kKeyRead, &key.handle) !=
        registry::kSuccess) {
        keyVal.clear();
        return false;
    }
    std::array<unsigned char, kBufferSize> buffer{};
    std::uint32_t size = kBufferSize;
    std::uint32_t type = 0;
    if (registry.RegQueryValueExA(key.handle, subKeyRef, &type, buffer.data(), &size) !=
            registry::kSuccess ||
        size > kBufferSize) {
        keyVal.clear();
        return false;
    }
    const std::string kept = trimToReported(buffer.data(), size);
    switch (type) {
    case registry::kString:
        keyVal = kept;
        return true;
    case registry::kExpandString:
        keyVal = expandEnvironment(kept, environment);
        return true;
    case registry::kDword:
        keyVal = dwordText(kept);
        return true;
    default:
        // Binary and other types hold no text: as good as absent.
        keyVal.clear();
        return false;
    }
}

} // namespace vyx
