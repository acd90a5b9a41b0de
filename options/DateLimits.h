// The date-limit sub-page shows one of its four limits at a time.
#pragma once

#include "options/Rules.h"

namespace options {

// Shows the limit that the window's DateLimitPage names: its check box and calendar alone
// visible, its check box alone enabled, the step buttons usable where they lead somewhere, and
// its caption on the sub-page. The load step calls it so that the page starts as a step leaves it.
void showDateLimitPage(Context&);

}  // namespace options
