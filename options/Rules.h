// The option rules: what each control writes into its slots, which other controls it sets, and
// which messages it shows. Each family of rules lives in its own source, with a table that names
// its controls, and attaches its own rows; wireRules attaches every family.
#pragma once

#include <string_view>

#include "platform/Platform.h"
#include "slots/SwitchSlots.h"
#include "ui/MainWindow.h"

namespace options {

struct Context {
    ui::MainWindow& w;
    slots::SwitchSlots& s;
    platform::Platform& p;
};

// The commonest row of the rule tables: a control whose state puts one text (a switch, or a
// letter of one) into one slot. Rows name their controls by pointer to member, so a misspelt
// control is a build error.
template <class T>
struct SlotRow {
    T ui::MainWindow::*control;
    slots::Slot slot;
    std::string_view text;
};

// Attaches every option rule to its control's event. The context must outlive the window.
void wireRules(Context&);

// Each family attaches the rules of its own controls.
void wireToggles(Context&);  // plain switch toggles, security, destructive options
void wireCopyFlags(Context&);  // the six copy flags
void wireChoiceGroups(Context&);  // option groups and directory levels
void wireAttribSets(Context&);  // the attribute groups
void wireNumericInputs(Context&);  // number and size fields, sliders, exclusion lists
void wireRunHours(Context&);  // the run-hours window
void wireDateLimits(Context&);  // the four date limits and their page steps
void wireLogFile(Context&);  // the log file name, mode and browse
void wireFolderSelection(Context&);  // the source and destination browse buttons

}  // namespace options
