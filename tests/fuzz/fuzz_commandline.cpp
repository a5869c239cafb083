// Command-line arguments as the system gives them (bytes, any of them), separated by zero bytes.
#include "CommandLine.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList arguments;
    for (const QByteArray& argument :
         QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
             .split('\0')) {
        arguments << vyx::argumentFromBytes(argument);
    }
    const vyx::CommandLine command = vyx::parseCommandLine(arguments);
    using Action = vyx::CommandLine::Action;
    const bool failed = command.action == Action::Error || command.action == Action::Refused;
    if (failed == command.message.isEmpty() ||
        (command.action != Action::Run && !command.files.isEmpty())) {
        std::abort();
    }
    return 0;
}
