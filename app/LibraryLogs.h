#pragma once

namespace vyx {

// Before the libraries start that write to standard error about what is no fault for the user:
// PipeWire's client library that it has no configuration (no PipeWire on this machine; the engine
// takes the next sound output), the web engine that its GPU process could not make a context at
// first try or that there is no session bus. Whoever has asked those libraries for their logs
// (PIPEWIRE_DEBUG, logging flags in QTWEBENGINE_CHROMIUM_FLAGS) still gets them.
void quietLibraryLogs();

} // namespace vyx
