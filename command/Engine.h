// What the program relies on from the copy engine: its file beside the program, its exact size,
// and how it is started.
#pragma once

#include <cstdint>

#include "command/EngineSize.h"
#include "platform/Platform.h"
#include "slots/SwitchSlots.h"

namespace command {

inline constexpr std::uint64_t kEngineSize = ZKV_ENGINE_SIZE;
inline constexpr platform::ShowState kEngineShowState = platform::ShowState::Maximized;

// The engine is accepted only when its file beside the program is exactly kEngineSize bytes.
bool engineFound(platform::Platform&);

// Whether the command needs rights a user has only with an elevated token: the backup mode (/B,
// and /ZB when a file is denied) needs the backup and restore rights, and copying auditing
// information (copy flag U) the right to manage auditing. Without them the engine stops at once.
bool needsAdministrator(const slots::SwitchSlots&);

}  // namespace command
