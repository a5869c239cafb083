#pragma once

namespace vyx {

// Keeps what the sound libraries that the engine brings say to themselves off the terminal. On
// a machine without a sound card the engine's ALSA output, tried in turn, makes libasound print
// some ten lines for every file; the engine falls back to the next output, or plays the picture
// against a silent one, and its own failure is what the player reports. Call once the engine is
// loaded.
void quietSoundLibraries();

} // namespace vyx
