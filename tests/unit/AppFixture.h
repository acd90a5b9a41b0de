// The window as the user first sees it: the engine beside the program at its exact size, the
// main window loaded and activated, over a fake platform that records every call.
#pragma once

#include <stdexcept>
#include <string>

#include "app/App.h"
#include "command/CommandLine.h"
#include "command/Engine.h"
#include "tests/fake/FakePlatform.h"

struct AppFixture {
    AppFixture() {
        p.files[command::enginePath(p.folder)] = command::kEngineSize;
        if (!app.Form_Load()) throw std::runtime_error("the main window did not load");
        app.Form_Activate();
    }

    // The switch part of the command line, as the slots give it now.
    std::string switches() const { return command::switchText(app.slots); }

    fake::FakePlatform p;
    app::App app{p};
    ui::MainWindow& w = app.window;
    slots::SwitchSlots& s = app.slots;
};

// The switch part right after start-up.
inline constexpr const char* kStartupSwitches = " /E /ZB /COPY:DAT /R:0 /W:0";
