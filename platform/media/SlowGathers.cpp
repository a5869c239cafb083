#include "SlowGathers.h"

#include <QLibrary>
#include <array>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

extern "C" {
#include <libavutil/cpu.h>
#include <libavutil/version.h>
}

namespace vyx {

QByteArray cpuVendor() {
#if defined(__x86_64__) || defined(__i386__)
    unsigned highest = 0;
    std::array<unsigned, 3> name{};
    if (__get_cpuid(0, &highest, &name[0], &name[2], &name[1]) == 0) {
        return {};
    }
    QByteArray vendor(sizeof name, Qt::Uninitialized);
    std::memcpy(vendor.data(), name.data(), sizeof name);
    return vendor;
#else
    return {};
#endif
}

bool gathersAreSlow(QByteArrayView vendor) {
    return vendor == "AuthenticAMD";
}

void avoidSlowGathers() {
    if (!gathersAreSlow(cpuVendor())) {
        return;
    }
    QLibrary util;
    util.setFileNameAndVersion(QStringLiteral("avutil"), LIBAVUTIL_VERSION_MAJOR);
    // Without it the engine could not have loaded; its own failure says so.
    if (!util.load()) {
        return;
    }
    const auto flags =
        reinterpret_cast<decltype(&av_get_cpu_flags)>(util.resolve("av_get_cpu_flags"));
    const auto force =
        reinterpret_cast<decltype(&av_force_cpu_flags)>(util.resolve("av_force_cpu_flags"));
    if (flags != nullptr && force != nullptr) {
        force(flags() | AV_CPU_FLAG_SLOW_GATHER);
    }
}

} // namespace vyx
