#pragma once

#include "registry/Registry.h"

#include <functional>
#include <optional>
#include <string>

// Reading one registry value as text. Plain C++: the same code runs against the real registry
// in the Windows build and its test under Wine.
namespace vyx {

// Looks up an environment variable; nothing when it is not set.
using Environment = std::function<std::optional<std::string>(const std::string& name)>;

// The value's bytes as text: a final zero byte, the terminator of a string value, is dropped.
std::string trimToReported(const unsigned char* buffer, std::uint32_t size);

// The stored bytes as an unsigned number, first byte least significant, in decimal.
std::string dwordText(const std::string& bytes);

// %NAME% replaced by the variable's value; unknown names and a lone % stay as they are.
std::string expandEnvironment(const std::string& text, const Environment& environment);

// True with the value's text in keyVal when the key opened and the value was read as text
// (a string, an expandable string, expanded, or a number); false with keyVal empty otherwise.
// The key is opened for reading only and always closed again.
bool GetKeyValue(registry::Registry& registry, registry::Key keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal, const Environment& environment);

} // namespace vyx
