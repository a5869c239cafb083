#pragma once

#include "Application.h"
#include "Doubles.h"
#include "FakeWebBrowser.h"

namespace vyx::testing {

// An Application whose prompts, dialogs and browsers are scripted doubles, its players drawing
// with the output asked for.
struct Rig {
    explicit Rig(VideoOutputMode videoOutput = VideoOutputMode::Auto)
        : app{prompter, chooser, [this]() -> WebBrowserFactory& { return engine; }, videoOutput} {}

    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    FakeBrowserFactory engine;
    Application app;
};

} // namespace vyx::testing
