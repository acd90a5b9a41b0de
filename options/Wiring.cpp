#include "options/Rules.h"

namespace options {

void wireRules(Context& c) {
    wireToggles(c);
    wireCopyFlags(c);
    wireChoiceGroups(c);
    wireAttribSets(c);
    wireNumericInputs(c);
    wireRunHours(c);
    wireDateLimits(c);
    wireLogFile(c);
    wireFolderSelection(c);
}

}  // namespace options
