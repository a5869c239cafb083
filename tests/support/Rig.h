#pragma once

#include "Application.h"
#include "Doubles.h"
#include "FakeWebBrowser.h"

namespace vyx::testing {

// An Application whose prompts, dialogs and browsers are scripted doubles.
struct Rig {
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    FakeBrowserFactory engine;
    Application app{prompter, chooser, [this]() -> WebBrowserFactory& {
                        return engine;
                    }};
};

} // namespace vyx::testing
