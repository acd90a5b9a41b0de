// The six copy-flag boxes and the data-timestamps coupling, clicked from the start-up state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/AppFixture.h"

namespace {

// The six boxes in letter order D A T S O U.
const char* const kFlagBoxes[] = {"chkData", "chkAttrib", "chkTimestamps", "chkAcls", "chkOwnership", "chkAudit"};

std::string boxStates(const ui::MainWindow& w) {
    std::string states;
    for (const char* box : kFlagBoxes) states += std::to_string(w.get<ui::CheckBox>(box).value());
    return states;
}

}  // namespace

TEST(CopyFlags, ClickSequencesGiveTheirSwitchesAndBoxStates) {
    struct Case {
        std::vector<const char*> clicks;
        const char* switches;
        const char* boxes;  // values of D A T S O U
    } cases[] = {
        {{}, " /E /ZB /COPY:DAT /R:0 /W:0", "111000"},
        {{"chkData"}, " /E /ZB /COPY:A /R:0 /W:0", "010000"},
        {{"chkTimestamps"}, " /E /ZB /COPY:DA /R:0 /W:0", "110000"},
        {{"chkData", "chkAttrib"}, " /E /ZB /R:0 /W:0", "000000"},
        {{"chkData", "chkAttrib", "chkAudit"}, " /E /ZB /COPY:U /R:0 /W:0", "000001"},
        {{"chkData", "chkAttrib", "chkTimestamps"}, " /E /ZB /COPY:T /R:0 /W:0", "001000"},
        {{"chkTimestamps", "chkData", "chkData"}, " /E /ZB /COPY:DAT /R:0 /W:0", "111000"},
        {{"chkAudit", "chkAcls"}, " /E /ZB /COPY:DATSU /R:0 /W:0", "111101"},
        {{"chkAudit", "chkOwnership", "chkAcls"}, " /E /ZB /COPY:DATSOU /R:0 /W:0", "111111"},
        {{"chkAudit", "chkData", "chkAttrib", "chkAudit", "chkOwnership"}, " /E /ZB /COPY:O /R:0 /W:0", "000010"},
        {{"chkAcls", "chkSecurity"}, " /E /ZB /COPY:DATS /SEC /R:0 /W:0", "111100"},
        {{"chkCopyAll", "chkNoCopy"}, " /E /ZB /COPY:DAT /R:0 /W:0", "111000"},
    };
    for (const auto& c : cases) {
        AppFixture f;
        std::string trace;
        for (const char* box : c.clicks) {
            f.w.get<ui::CheckBox>(box).click();
            trace += std::string(box) + " ";
        }
        SCOPED_TRACE(trace);
        EXPECT_EQ(f.switches(), c.switches);
        EXPECT_EQ(boxStates(f.w), c.boxes);
        EXPECT_TRUE(f.p.messages.empty());
    }
}
