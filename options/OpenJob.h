// Opening a saved job: the folders go into their boxes, and each family of rules sets its own
// controls for a switch of the job as a user would, saying what its slots must then hold. Once
// every switch is set, each slot must hold what its switch needs, so that a later switch that
// undoes an earlier one (/S then /E, a letter both added and removed) is refused too.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "command/JobFile.h"
#include "options/Rules.h"

namespace options {

// A slot and the text that a switch of the job needs it to hold.
struct Expectation {
    slots::Slot slot;
    std::string text;
};

enum class Read {
    NotOurs,  // the switch is none of this family's
    Set,  // the controls are set and the expectations added
    Refused,  // the family's switch, with a value that none of its controls can take
};

// Each family's reader of the switches its rows write. Rules.h lists the families.
Read readToggle(Context&, const command::JobSwitch&, std::vector<Expectation>&);
Read readCopyFlags(Context&, const command::JobSwitch&, std::vector<Expectation>&);
Read readChoiceGroup(Context&, const command::JobSwitch&, std::vector<Expectation>&);
Read readAttribSet(Context&, const command::JobSwitch&, std::vector<Expectation>&);
Read readNumericInput(Context&, const command::JobSwitch&, std::vector<Expectation>&);
Read readRunHours(Context&, const command::JobSwitch&, std::vector<Expectation>&);
Read readDateLimit(Context&, const command::JobSwitch&, std::vector<Expectation>&);
Read readLogFile(Context&, const command::JobSwitch&, std::vector<Expectation>&);

// A job copies the flags its /COPY: names, and none without one: every flag box unchecked. The
// engine then copies what it copies by default, the data, attributes and timestamps that the
// window starts with, so a hand-written line without /COPY: runs as it did.
void clearCopyFlags(Context&);

// The name a slot's text gives its switch: " /MIR" is MIR, " /IPG:" IPG, " /XD " XD.
std::string_view switchName(std::string_view switchText);
// Whether the job's switch is the one that the slot text starts, in any letter case.
bool isSwitch(const command::JobSwitch&, std::string_view switchText);
// A switch without a value: no colon, and only the blanks before the next switch after it.
bool isBare(const command::JobSwitch&);
// The value of a switch that takes no blanks: its text after the colon, when nothing but blanks
// follow it (they only separate it from the next switch); nullopt otherwise.
std::optional<std::string> fixedValue(const command::JobSwitch&);
// The value of a switch whose field takes any text: all after the colon, blanks and words kept.
std::optional<std::string> freeValue(const command::JobSwitch&);
// The value of a list switch, which has no colon: the words after it, blanks kept but the one
// that separates the list from its switch.
std::optional<std::string> listValue(const command::JobSwitch&);
// How often a letter stands in a value's letters, in either case.
int letterCount(std::string_view letters, char letter);

// Sets the folders and every switch of the job: the refusal of the first switch that cannot
// be shown, or nullopt. A refused job leaves the window as far as it got.
std::optional<command::JobRefusal> setJob(Context&, const command::JobLine&);

}  // namespace options
