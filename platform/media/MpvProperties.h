#pragma once

#include <cstdint>

struct mpv_event_property;

namespace vyx {

class MpvCore;
class MpvSession;

// The engine's properties that a session follows, each with how its value reaches the
// session's signals, kept in one table.

// Observes those read whenever they change (and those for the timing log while it is on).
void observeProperties(MpvCore& core);
// Asks for those read once per file, the replies carrying the tag.
void requestFileProperties(MpvCore& core, std::uint64_t tag);
// Reports a new value, observed or asked for, through the session's signals.
void dispatchProperty(MpvSession& session, const mpv_event_property& property);

} // namespace vyx
