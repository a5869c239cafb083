#pragma once

#include "dialogs/MessageBox.h"
#include "errors/RuntimeError.h"

#include <functional>
#include <vector>

namespace vyx {

// A trapped command is a fixed list of steps; when one fails the trap asks the user whether to
// abandon the command, run the failed step again or go on with the next one.
using Step = std::function<void()>;

enum class TrapKind {
    FileCommand, // commands around an open dialog: a cancelled dialog ends them silently
    Link,        // commands that open a publisher page
};

QString trapPrompt(TrapKind kind, const RuntimeError& error);
QString trapTitle(TrapKind kind, const RuntimeError& error);

// Runs the steps under the trap. Returns the last answer given to the box (0 when none was
// shown), which some commands keep.
int runTrapped(TrapKind kind, MessagePrompter& prompter, const std::vector<Step>& steps);

// Runs every step; a failing step is skipped without a word.
void runResumeNext(const std::vector<Step>& steps);

// For handlers without a trap of their own: a failure is shown as a run-time error box and the
// program keeps running. Nothing thrown inside ever reaches Qt's event loop.
void runGuarded(MessagePrompter& prompter, const Step& handler) noexcept;

} // namespace vyx
