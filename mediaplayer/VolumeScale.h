#pragma once

// The player's volume is in hundredths of a decibel: 0 is full volume, -10000 silence.
namespace vyx::volume {

inline constexpr int kSilent = -10000;
inline constexpr int kFull = 0;

// libmpv's "volume" property in percent, which libmpv turns into a gain of (percent/100)^3.
double toMpvPercent(int hundredthsOfDecibel);
int fromMpvPercent(double percent);

} // namespace vyx::volume
