// modAttribSet: the attribute groups gathered into attribute-set switches. Each builder starts
// from empty slots and reads every group, so the result depends only on the current selections.
#pragma once

#include "options/Rules.h"

namespace options {

// The six add/remove groups, in the letter order R A S H N T: " /A+:" and " /A-:" with letters.
void BuildAttribAddRemove(Context&);
// The nine include/exclude groups, in the letter order R A S H N T C E O: " /IA:" and " /XA:".
void BuildAttribIncludeExclude(Context&);

}  // namespace options
