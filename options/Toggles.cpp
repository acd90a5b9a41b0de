#include "options/Binding.h"

namespace options {

// Not written yet.
std::span<const Binding> toggleBindings() { return {}; }

}  // namespace options
