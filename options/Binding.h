// One row of the control-to-rule wiring: a control, one of its events, and the rule it runs.
#pragma once

#include <span>
#include <string_view>

#include "options/Rules.h"

namespace options {

enum class Event { Click, Change, LostFocus, Scroll, MouseUp, KeyUp };

// arg: the member index for option arrays and button arrays, the key code for KeyUp, else 0.
using Rule = void (*)(Context&, int arg);

struct Binding {
    std::string_view control;  // a control name as the window model knows it ("chkMir", "cmdCalSelect(1)")
    Event event;
    Rule rule;
};

// Each family of rules lists its own rows, in its own source.
std::span<const Binding> toggleBindings();        // plain switch toggles, security, destructive options
std::span<const Binding> copyFlagBindings();      // the six copy flags
std::span<const Binding> choiceGroupBindings();   // option groups, directory levels, attribute sets
std::span<const Binding> numericInputBindings();  // number and size fields, sliders, exclusion lists
std::span<const Binding> runHoursBindings();      // the run-hours window
std::span<const Binding> dateLimitBindings();     // the four date limits and their page steps
std::span<const Binding> logFileBindings();       // the log file name, mode and browse (ui/LogFile.cpp)

}  // namespace options
