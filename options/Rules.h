// The option rules: what each control writes into its slots, which other controls it sets, and
// which messages it shows. Each family of rules lives in its own source; wireRules attaches them
// all to their controls' events from one table.
#pragma once

#include "platform/Platform.h"
#include "slots/SwitchSlots.h"
#include "ui/MainWindow.h"

namespace options {

struct Context {
    ui::MainWindow& w;
    slots::SwitchSlots& s;
    platform::Platform& p;
};

// Attaches every option rule to its control's event. The context must outlive the window.
void wireRules(Context&);

}  // namespace options
