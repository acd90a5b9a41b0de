#include "command/Engine.h"

#include "command/CommandLine.h"

namespace command {

bool engineFound(platform::Platform& p) {
    auto length = p.fileLength(enginePath(p.programFolder()));
    return length && *length == kEngineSize;
}

bool needsAdministrator(const slots::SwitchSlots& s) {
    return s.CopyModeSwitch == " /B" || s.CopyModeSwitch == " /ZB" || !s.CopyFlagU.empty();
}

}  // namespace command
