#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace vyx {

// The processor's vendor as CPUID names it ("AuthenticAMD"), empty off x86.
[[nodiscard]] QByteArray cpuVendor();

// Whether the AVX2 gathers of swscale's horizontal scaler cost more than its SSE code on a
// processor of this vendor (as CPUID names it). libavutil 57 marks some processors so itself but
// left an AMD EPYC (family 1Ah) unmarked, where the gathering scaler took 10 to 55 % longer for
// every shrinking a player does (1080p and 2160p into 640x360 to 1600x900) and no less for
// enlarging.
[[nodiscard]] bool gathersAreSlow(QByteArrayView vendor);

// Tells libavutil, already loaded with the engine, to keep its scalers off gathers on a processor
// where they are slow. Scalers made before this call keep what they chose.
void avoidSlowGathers();

} // namespace vyx
