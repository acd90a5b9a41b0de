// The Copy press: check the boxes, show the command, start the engine on OK.
#pragma once

#include <string_view>

#include "platform/Platform.h"
#include "slots/SwitchSlots.h"

namespace command {

// What the caller must do after the press (the window owns the focus).
enum class Outcome {
    FocusSource,
    FocusDestination,
    Refused,
    Ready,
    Cancelled,
    Started,
    Declined,
    StartFailed,
    Saved,
    WriteFailed
};

// The checks shared with the command-file export: both boxes filled and full paths, folders that
// the command would not destroy (FocusDestination when refused, Cancelled when the question
// about purging a drive or share root is answered No), then the path slots derived and every
// argument sound. Shows the message and returns its outcome, or Ready when the command may go
// on. The path slots are written even when an argument is refused.
Outcome prepareCommand(std::string_view sourceBox, std::string_view destinationBox, slots::SwitchSlots&,
                       platform::Platform&, std::string_view consequence);

// The whole press; returns at once after starting the engine, whose run number goes to *run. The
// engine is started with administrator rights (the system asks first) when the command needs
// them and the program has none of its own.
Outcome runCopy(std::string_view sourceBox, std::string_view destinationBox, slots::SwitchSlots&, platform::Platform&,
                platform::RunId* run = nullptr);

}  // namespace command
