// The command-file export: the command line that Copy would show, written as one line that
// can be run later without the program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "command/CopyRun.h"
#include "platform/Platform.h"
#include "slots/SwitchSlots.h"

namespace command {

// The save dialog as every press sets it up.
platform::SaveDialogSetup commandFileDialogSetup();

// Whether the command interpreter runs the file: a name ending in ".cmd" or ".bat", in any
// case. Trailing dots and blanks do not count, as Windows drops them from file names.
bool isCommandScriptName(std::string_view fileName);

// Every "%" doubled, so that the command interpreter reads it as itself, not as a variable.
std::string doublePercents(std::string_view text);

// The line that makes the command interpreter, reading it from a .cmd or .bat file, start the
// program with exactly this command line: "%" doubled everywhere, and "&", "|", "<", ">" and "^"
// after a caret wherever they stand outside double quotes. Quotes are counted as the interpreter
// counts them: every one toggles, whatever stands before it.
std::string interpreterLine(std::string_view commandLine);

// The first field, in command-line order, whose text has a character the code page cannot
// hold: "Source Path", "Destination Path" or a switch slot's field name. The path slots must
// already be derived.
std::optional<std::string> findUnencodableField(const slots::SwitchSlots&, platform::Platform&, platform::CodePage);

// The bytes of the file for this name: the displayed command, for command scripts as
// interpreterLine() writes it and in the OEM code page the interpreter reads, for any other name in the ANSI code
// page, then CR LF. nullopt when a character cannot be written in that code page.
std::optional<std::string> commandFileBytes(const slots::SwitchSlots&, std::string_view fileName, platform::Platform&);

std::string unencodableText(std::string_view field, bool commandScript);
std::string writeFailedText(std::string_view path, std::string_view reason);

// The Save press: the checks of the Copy press (before the dialog opens), the save dialog,
// then the file, written whole or not at all. Returns the check's outcome when a check fails,
// Cancelled when the dialog was cancelled, Refused when a character cannot be written,
// WriteFailed when the file could not be written, and Saved when it was written.
Outcome saveCommandFile(std::string_view sourceBox, std::string_view destinationBox, slots::SwitchSlots&,
                        platform::Platform&);

}  // namespace command
