// Runs GetKeyValue against the real Windows registry (under Wine in CI). The values it reads
// are written beforehand by run_registry_test.sh with `reg add`.
#include "KeyValue.h"
#include "registry/Win32Registry.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int passed = 0;
int failed = 0;

std::optional<std::string> environment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}

void expect(const char* value, bool result, const std::string& text) {
    vyx::registry::Win32Registry registry;
    std::string read = "left over";
    const bool ok = vyx::GetKeyValue(registry, vyx::registry::kLocalMachine, "SOFTWARE\\VyxTest",
                                     value, read, environment);
    if (ok == result && read == text) {
        ++passed;
        std::printf("PASS %s\n", value);
    } else {
        ++failed;
        std::printf("FAIL %s: got %d \"%s\", wanted %d \"%s\"\n", value, ok, read.c_str(), result,
                    text.c_str());
    }
}

} // namespace

int main() {
    const std::optional<std::string> root = environment("SystemRoot");
    expect("Text", true, "C:\\Tools\\msinfo32.exe");
    expect("Number", true, "4660");
    expect("Five", true, "5");
    expect("Expand", true, (root ? *root : std::string("%SystemRoot%")) + "\\system32");
    expect("Binary", false, "");
    expect("Missing", false, "");
    {
        vyx::registry::Win32Registry registry;
        std::string read;
        const bool ok = vyx::GetKeyValue(registry, vyx::registry::kLocalMachine,
                                         "SOFTWARE\\NoSuchKeyHere", "X", read, environment);
        (ok ? ++failed : ++passed);
        std::printf("%s missing key\n", ok ? "FAIL" : "PASS");
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
