// What the program relies on from the copy engine: its file beside the program, its exact size,
// and how it is started.
#pragma once

#include <cstdint>

#include "command/EngineSize.h"
#include "platform/Platform.h"

namespace command {

inline constexpr std::uint64_t kEngineSize = ZKV_ENGINE_SIZE;
inline constexpr platform::ShowState kEngineShowState = platform::ShowState::Maximized;

// The engine is accepted only when its file beside the program is exactly kEngineSize bytes.
bool engineFound(platform::Platform&);

}  // namespace command
