// The layout tables: every control there with its exact caption, in tab order, on its page, fitting
// its caption, with no two controls in each other's way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/OptionTable.h"
#include "ui/MainLayout.h"

namespace ui {
namespace {

// How wide a caption is taken to be: 90 twips a character, plus the box glyph of a check box or
// option button; a wrapped line is 195 twips high and a check box adds 60 around its lines.
constexpr int kCharTwips = 90;
constexpr int kGlyphTwips = 250;
constexpr int kLineTwips = 195;
constexpr int kBoxPadTwips = 60;
constexpr int kButtonPadTwips = 150;
constexpr int kFramePadTwips = 180;
// Room inside a group frame: off its sides and bottom line, and below its top line or caption.
constexpr int kFrameSideTwips = 90;
constexpr int kFrameBottomTwips = 90;
constexpr int kFrameTopTwips = 180;
constexpr int kFrameCaptionTopTwips = 240;
constexpr int kMarginTwips = 120;
constexpr int kFirstTopTwips = 300;  // below the page's own caption

using testsupport::gapped;
const std::string kLev = gapped("Copy Only the Top", 15, "Directory Levels");

const testsupport::ValueField& valueField(const std::string& box) {
    for (const auto& v : testsupport::kValueFields)
        if (v.box == box) return v;
    throw std::runtime_error("no value field " + box);
}
const std::string kIpg = valueField("chkIpg").caption;
const std::string kMon = valueField("chkMon").caption;
const std::string kMot = valueField("chkMot").caption;
const std::string kEta = [] {
    for (const auto& t : testsupport::kToggles)
        if (std::string(t.box) == "chkEta") return t.caption;
    throw std::runtime_error("no chkEta");
}();

struct Expected {
    PageId page;
    std::string name;
    int index;
    Kind kind;
    std::string caption;
};

// A check box of the shared option table, on its page with its caption from there.
Expected box(const std::string& name) {
    for (const auto& t : testsupport::kToggles)
        if (t.box == name) return {t.page, name, -1, Kind::CheckBox, t.caption};
    for (const auto& f : testsupport::kCopyFlags)
        if (f.box == name) return {testsupport::kCopyFlagPage, name, -1, Kind::CheckBox, f.caption};
    for (const auto& v : testsupport::kValueFields)
        if (v.box == name) return {v.page, name, -1, Kind::CheckBox, v.caption};
    for (const auto& b : testsupport::kInertBoxes)
        if (b.box == name) return {b.page, name, -1, Kind::CheckBox, b.caption};
    throw std::runtime_error("no option box " + name);
}

// The members of an option group of the shared table, by index.
std::vector<Expected> group(const std::string& name) {
    std::vector<Expected> rows;
    for (const auto& g : testsupport::kChoiceGroups)
        if (g.group == name)
            for (std::size_t i = 0; i < g.choices.size(); ++i)
                rows.push_back({g.page, name, static_cast<int>(i), Kind::Option, g.choices[i].caption});
    if (name == testsupport::kInertGroup)
        for (std::size_t i = 0; i < testsupport::kInertGroupCaptions.size(); ++i)
            rows.push_back({testsupport::kInertGroupPage, name, static_cast<int>(i), Kind::Option,
                            testsupport::kInertGroupCaptions[i]});
    if (rows.empty()) throw std::runtime_error("no option group " + name);
    return rows;
}

// A page of attribute groups: its heading, then per letter its label and its three options.
std::vector<Expected> attributeRows(const testsupport::AttributeSet& set, const std::string& heading,
                                    const std::vector<std::string>& labelNames) {
    std::vector<Expected> rows{{set.page, heading, -1, Kind::Label, set.heading}};
    for (std::size_t i = 0; i < labelNames.size(); ++i) {
        rows.push_back({set.page, labelNames[i], -1, Kind::Label, set.labels.at(i)});
        for (int k = 0; k < 3; ++k)
            rows.push_back({set.page, set.groupPrefix + std::string(1, set.letters[i]), k, Kind::Option,
                            set.options.at(static_cast<std::size_t>(k))});
    }
    return rows;
}

// Every control but the group frames, in tab order. Option controls take their page and caption
// from the shared option table; the others are written here.
std::vector<Expected> expectedControls() {
    using P = PageId;
    using K = Kind;
    std::vector<Expected> rows;
    auto add = [&rows](std::vector<Expected> more) { rows.insert(rows.end(), more.begin(), more.end()); };
    auto boxes = [&add](std::initializer_list<const char*> names) {
        for (const char* n : names) add({box(n)});
    };
    const auto& lists = testsupport::kListFields;  // files first, then folders
    const auto& sets = testsupport::kAttributeSets;  // add/remove, then include/exclude

    add({
        {P::Window, "tabStripOptions", -1, K::TabStrip, ""},
        {P::General, "lblSrcPath", -1, K::Label, "Source Path"},
        {P::General, "txtSrcPath", -1, K::TextBox, ""},
        {P::General, "cmdBrowseSrc", -1, K::Button, "(...)"},
        {P::General, "lblDestPath", -1, K::Label, "Destination Path"},
        {P::General, "txtDestPath", -1, K::TextBox, ""},
        {P::General, "cmdBrowseDest", -1, K::Button, "(...)"},
        {P::General, "chkMatchDest", -1, K::CheckBox, "Match Destination &Folder to Source Folder"},
        {P::Window, "cmdRun", -1, K::Button, "&Copy"},
        {P::Window, "cmdQuit", -1, K::Button, "&Quit"},
        {P::Window, "cmdCopyOptionNext", 0, K::Button, "<"},
        {P::Window, "cmdCopyOptionNext", 1, K::Button, ">"},
    });

    add(group("optSub"));
    add({{P::CopyOptions1, "chkLev", -1, K::CheckBox, kLev}, {P::CopyOptions1, "txtDirLev", -1, K::TextBox, ""}});
    add(group("optCopyMode"));
    boxes({"chkData", "chkAcls", "chkAttrib", "chkOwnership", "chkTimestamps", "chkAudit"});
    add({{P::CopyOptions1, "chkRunHours", -1, K::CheckBox, "Run Hours"},
         {P::CopyOptions1, "mskEdRunHours", -1, K::MaskedEdit, ""}});
    boxes({"chkPf", "chkIpg"});
    add({{P::CopyOptions1, "txtIpg", -1, K::TextBox, ""}});

    boxes({"chkSecurity", "chkCopyAll", "chkNoCopy", "chkPurge", "chkMir", "chkMon"});
    add({{P::CopyOptions2, "txtMon", -1, K::TextBox, ""}});
    boxes({"chkMot"});
    add({{P::CopyOptions2, "txtMot", -1, K::TextBox, ""}});
    boxes({"chkMov", "chkMove", "chkCreate", "chkFat", "chkFft", "chkNoLfns"});

    add(attributeRows(sets.at(0), "lblAddSubAttrib",
                      {"lblAddSubR", "lblAddSubA", "lblAddSubS", "lblAddSubH", "lblAddSubN", "lblAddSubT"}));
    add(attributeRows(
        sets.at(1), "lblAttribIncExc",
        {"lblAttribIncExcR", "lblAttribIncExcA", "lblAttribIncExcS", "lblAttribIncExcH", "lblAttribIncExcN",
         "lblAttribIncExcT", "lblAttribIncExcC", "lblAttribIncExcE", "lblAttribIncExO"}));

    add(group("optArchiveSetIncOnly"));
    for (const auto& l : lists)
        add({{testsupport::kListPage, l.label, -1, K::Label, l.labelCaption},
             {testsupport::kListPage, l.field, -1, K::TextBox, ""}});
    add(group("optFileExcl"));
    add(group("optExclXtraLoneLy"));
    boxes({"chkInclSame", "chkInclTweaked"});

    for (const auto& d : testsupport::kDateLimits) add({{P::DateLimits, d.calendar, -1, K::Calendar, ""}});
    for (const auto& d : testsupport::kDateLimits)
        add({{P::DateLimits, d.box, -1, K::CheckBox, testsupport::kDateBoxCaption}});
    add({{P::DateLimits, "cmdCalSelect", 0, K::Button, "<<<"}, {P::DateLimits, "cmdCalSelect", 1, K::Button, ">>>"}});

    add(group("optFileAddA"));
    boxes({"chkMinFileSize"});
    add({{P::FileSelection4, "txtMinFileSize", -1, K::TextBox, ""}});
    boxes({"chkMaxFileSize"});
    add({{P::FileSelection4, "txtMaxFileSize", -1, K::TextBox, ""}});
    boxes({"chkExcJunction"});

    add({
        {P::Retry, "lblRetryTxt", -1, K::Label, "Retries on Failed Copy"},
        {P::Retry, "sldRetry", -1, K::Slider, ""},
        {P::Retry, "lblRetryVal", -1, K::Label, "0"},
        {P::Retry, "lblWaitTxt", -1, K::Label, "Seconds Between Retries"},
        {P::Retry, "sldWait", -1, K::Slider, ""},
        {P::Retry, "lblWaitVal", -1, K::Label, "0"},
    });
    boxes({"chkReg", "chkTbd", "chkNp", "chkEta"});
    add({
        {P::Logging, "txtLogFile", -1, K::TextBox, ""},
        {P::Logging, "cmdLogFile", -1, K::Button, "Browse"},
        {P::Logging, "optLogFile", 0, K::Option, "Append Log File"},
        {P::Logging, "optLogFile", 1, K::Option, "Overwrite Log File"},
    });
    boxes({"chkTerminal", "chkListOnly", "chkReportXtra", "chkVerbose", "chkInclSource", "chkInclFullPath",
           "chkJobHeader", "chkJobSummary"});

    add({{P::Job, "cmdSaveBatch", -1, K::Button, "Save"}, {P::Job, "cmdOpenJob", -1, K::Button, "Open..."}});
    return rows;
}

// The group frames inside pages, in order, with the controls each one holds.
struct ExpectedFrame {
    PageId page;
    std::string name;
    std::string caption;
    std::vector<std::string> holds;
};
const std::vector<ExpectedFrame> kFrames = {
    {PageId::CopyOptions1, "frmSubDir", "", {"optSub", "chkLev", "txtDirLev"}},
    {PageId::CopyOptions1, "fmRestart", "", {"optCopyMode"}},
    {PageId::CopyOptions1,
     "fmFlags",
     "",
     {"chkData", "chkAcls", "chkAttrib", "chkOwnership", "chkTimestamps", "chkAudit"}},
    {PageId::CopyOptions1, "fmRunHours", "", {"chkRunHours", "mskEdRunHours", "chkPf"}},
    {PageId::CopyOptions2, "frmSecurity", "", {"chkSecurity", "chkCopyAll", "chkNoCopy"}},
    {PageId::CopyOptions2, "fmMir", "", {"chkPurge", "chkMir"}},
    {PageId::CopyOptions2, "fmMove", "", {"chkMov", "chkMove"}},
    {PageId::FileSelection2, "fmArchiveSetIncOnly", "", {"optArchiveSetIncOnly"}},
    {PageId::FileSelection2, "fmExclChange", "", {"optFileExcl"}},
    {PageId::FileSelection2, "fmExclXtraLonely", "", {"optExclXtraLoneLy"}},
    {PageId::FileSelection4, "fmAttribA", "", {"optFileAddA"}},
    {PageId::Logging, "Frame2", "Log File", {"txtLogFile", "cmdLogFile", "optLogFile"}},
    {PageId::Job, "fmSaveBatch", "Save Job as Batch or Cmd File", {"cmdSaveBatch"}},
    {PageId::Job, "fmOpenJob", "Open a Saved Job", {"cmdOpenJob"}},
};

std::vector<LayoutRow> rows() {
    auto all = mainLayout();
    return {all.begin(), all.end()};
}

const LayoutRow& find(std::string_view name, int index = -1) {
    for (const auto& row : mainLayout())
        if (row.name == name && row.index == index) return row;
    throw std::runtime_error("no row " + std::string(name) + "(" + std::to_string(index) + ")");
}

std::size_t position(std::string_view name, int index = -1) {
    const auto all = mainLayout();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].name == name && all[i].index == index) return i;
    throw std::runtime_error("no row " + std::string(name));
}

std::string label(const LayoutRow& row) {
    std::string s(row.name);
    if (row.index >= 0) s.append("(").append(std::to_string(row.index)).append(")");
    return s;
}

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}
bool contains(const Rect& outer, const Rect& inner) {
    return outer.left <= inner.left && inner.right() <= outer.right() && outer.top <= inner.top &&
        inner.bottom() <= outer.bottom();
}
bool sameRect(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

int linesFor(std::string_view caption, int width, int glyph) {
    const int needed = static_cast<int>(caption.size()) * kCharTwips + glyph;
    return (needed + width - 1) / width;
}

// The text boxes that sit in the gap of their check box's caption.
struct Gap {
    std::string box, check;
    int before, blanks;
};
const std::vector<Gap> kGaps = {
    {"txtDirLev", "chkLev", 17, 15},
    {"txtIpg", "chkIpg", 16, 17},
    {"txtMon", "chkMon", 24, 17},
    {"txtMot", "chkMot", 15, 17},
};
bool isGapPair(const LayoutRow& a, const LayoutRow& b) {
    return std::any_of(kGaps.begin(), kGaps.end(), [&](const Gap& g) {
        return (a.name == g.box && b.name == g.check) || (a.name == g.check && b.name == g.box);
    });
}
// The date page shows one calendar and one Enable box at a time, all in the same two places.
bool isStackedPair(const LayoutRow& a, const LayoutRow& b) {
    const bool calendars = a.kind == Kind::Calendar && b.kind == Kind::Calendar;
    const bool enables = a.page == PageId::DateLimits && b.page == PageId::DateLimits &&
        a.caption == "Enable This Setting" && b.caption == "Enable This Setting";
    return (calendars || enables) && sameRect(a.rect, b.rect);
}

TEST(MainLayout, PagesHaveTheirFrameNamesAndCaptions) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"frmTab1(0)", "General"},
        {"frmTab1(1)", "Copy Options"},
        {"frmTab1(2)", "File Selection Options"},
        {"frmTab1(3)", "Retry Options"},
        {"frmTab1(4)", "Logging Options"},
        {"frmTab1(5)", "Job"},
        {"frmtab2(0)", "Copy Options 1"},
        {"frmtab2(1)", "Copy Options 2"},
        {"frmtab2(2)", "Copy Options 3"},
        {"frmTab3(0)", "File Selection Options 1"},
        {"frmTab3(1)", "File Selection Options 2"},
        {"frmTab3(2)", "MAXimum file AGE - exclude files older than n days/date."},
        {"frmTab3(3)", "File Selection Options 4"},
    };
    const auto pages = mainPages();
    ASSERT_EQ(pages.size(), expected.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(static_cast<int>(pages[i].id), static_cast<int>(i));
        EXPECT_EQ(pages[i].name, expected[i].first);
        EXPECT_EQ(pages[i].caption, expected[i].second);
    }
}

TEST(MainLayout, ControlsStandInTabOrderWithTheirKindsAndCaptions) {
    std::vector<LayoutRow> controls;
    for (const auto& row : mainLayout())
        if (row.kind != Kind::Frame) controls.push_back(row);
    const auto expected = expectedControls();
    ASSERT_EQ(controls.size(), expected.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i) + ": " + expected[i].name);
        EXPECT_EQ(controls[i].name, expected[i].name);
        EXPECT_EQ(controls[i].index, expected[i].index);
        EXPECT_EQ(controls[i].kind, expected[i].kind);
        EXPECT_EQ(controls[i].page, expected[i].page);
        EXPECT_EQ(controls[i].caption, expected[i].caption);
    }
}

TEST(MainLayout, PagesFollowEachOtherInTabOrder) {
    // The tab strip, the General page, the bottom row, then the pages as the tabs reach them.
    const std::vector<PageId> expected = {
        PageId::Window,       PageId::General,        PageId::Window,         PageId::CopyOptions1,
        PageId::CopyOptions2, PageId::CopyOptions3,   PageId::FileSelection1, PageId::FileSelection2,
        PageId::DateLimits,   PageId::FileSelection4, PageId::Retry,          PageId::Logging,
        PageId::Job,
    };
    std::vector<PageId> runs;
    for (const auto& row : mainLayout())
        if (runs.empty() || runs.back() != row.page) runs.push_back(row.page);
    EXPECT_EQ(runs, expected);
}

TEST(MainLayout, CaptionsKeepTheirExactBlanksAndQuotes) {
    struct Case {
        std::string name;
        int index;
        std::string caption;
    };
    const std::vector<Case> cases = {
        {"chkLev", -1, "Copy Only the Top               Directory Levels"},
        {"chkIpg", -1, "Inter-Packet Gap                 (ms), to free bandwidth on slow lines."},
        {"chkMon", -1, "Run again when more than                 changes seen."},
        {"chkMot", -1, "Run again after                 minutes time."},
        {"chkEta", -1, "Show \"Estimated Time of Arrival on Copied Files"},
        {"chkMir", -1, "Mirror a Directory Tree "},
        {"chkNoLfns", -1, "Turn off very long path (> 256 characters) support."},
        {"chkCopyAll", -1, "Copy All File Info. (Equivilant to /COPY:DATSOU.)"},
        {"chkMatchDest", -1, "Match Destination &Folder to Source Folder"},
        {"optFileAddA", 0, "Copy Only Files With Archive Attribute Set."},
        {"optFileAddA", 1, "Copy Only Files With Archive Attribute Set and Reset Archive Bit on Source."},
        {"optFileAddA", 2, "Ignore Archive Attribute."},
        {"lblAttribIncExO", -1, "Offline"},
        {"cmdSysInfo", -1, "&System Info..."},
    };
    for (const auto& c : cases) {
        const auto about = aboutLayout();
        auto it = std::find_if(about.begin(), about.end(), [&](const LayoutRow& r) { return r.name == c.name; });
        const LayoutRow& row = it != about.end() ? *it : find(c.name, c.index);
        EXPECT_EQ(row.caption, c.caption) << c.name;
    }
    // The blanks of the gapped captions, counted.
    EXPECT_EQ(kLev, find("chkLev").caption);
    EXPECT_EQ(kIpg, find("chkIpg").caption);
    EXPECT_EQ(kMon, find("chkMon").caption);
    EXPECT_EQ(kMot, find("chkMot").caption);
    EXPECT_EQ(std::count(kEta.begin(), kEta.end(), '"'), 1);
    EXPECT_EQ(kEta, find("chkEta").caption);
}

// The positions that are fixed for the program, in twips; everything else on the pages is placed
// freely and held only by the invariants below.
constexpr int kWindowWidth = 5725, kWindowHeight = 7500;
struct FixedPosition {
    bool about;  // in the About box, else on the main window
    std::string name;
    int index;
    Rect rect;
};
const std::vector<FixedPosition> kFixedPositions = {
    {false, "tabStripOptions", -1, {120, 120, 5415, 6015}},  {false, "cmdRun", -1, {120, 6240, 1150, 345}},
    {false, "cmdQuit", -1, {1320, 6240, 1150, 345}},         {false, "cmdCopyOptionNext", 0, {4964, 6240, 255, 345}},
    {false, "cmdCopyOptionNext", 1, {5280, 6240, 255, 345}}, {true, "lblTitle", -1, {1050, 240, 3885, 480}},
    {true, "lblVersion", -1, {1050, 780, 3885, 225}},        {true, "lblDescription", -1, {1050, 1125, 3885, 690}},
    {true, "lblEmail", -1, {240, 2880, 3615, 255}},          {true, "cmdOK", -1, {4245, 2625, 1260, 345}},
    {true, "cmdSysInfo", -1, {4245, 3052, 1245, 345}},
};

const LayoutRow& findAbout(std::string_view name) {
    for (const auto& row : aboutLayout())
        if (row.name == name) return row;
    throw std::runtime_error("no About row " + std::string(name));
}

TEST(MainLayout, FixedPositionsStandWhereTheyMust) {
    EXPECT_EQ(kWindowWidthTwips, kWindowWidth);
    EXPECT_EQ(kWindowHeightTwips, kWindowHeight);
    EXPECT_TRUE(sameRect(kTabStripTwips, kFixedPositions[0].rect));
    for (const auto& c : kFixedPositions) {
        SCOPED_TRACE(c.name + "(" + std::to_string(c.index) + ")");
        const auto& row = c.about ? findAbout(c.name) : find(c.name, c.index);
        EXPECT_EQ(row.page, PageId::Window);
        EXPECT_TRUE(sameRect(row.rect, c.rect));
    }
    // The main window holds nothing else outside its pages.
    EXPECT_EQ(
        std::count_if(mainLayout().begin(), mainLayout().end(),
                      [](const LayoutRow& r) { return r.page == PageId::Window; }),
        std::count_if(kFixedPositions.begin(), kFixedPositions.end(), [](const FixedPosition& c) { return !c.about; }));
}

TEST(MainLayout, PageAreaIsTheTabStripLessItsTabRow) {
    const Rect area = pageAreaTwips();
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 0);
    EXPECT_GT(area.width, 0);
    EXPECT_GT(area.height, 0);
    EXPECT_LE(area.width, kTabStripTwips.width - 120);
    EXPECT_LE(area.height, kTabStripTwips.height - 480);
}

TEST(MainLayout, EveryPageControlLiesInsideThePageWithItsMargins) {
    const Rect area = pageAreaTwips();
    const Rect inner{kMarginTwips, kFirstTopTwips, area.width - 2 * kMarginTwips,
                     area.height - kFirstTopTwips - kMarginTwips};
    for (const auto& row : mainLayout()) {
        if (row.page == PageId::Window) continue;
        EXPECT_TRUE(contains(area, row.rect)) << label(row);
        EXPECT_TRUE(contains(inner, row.rect)) << label(row);
        EXPECT_GT(row.rect.width, 0) << label(row);
        EXPECT_GT(row.rect.height, 0) << label(row);
    }
}

TEST(MainLayout, NoTwoControlsOfAPageOverlap) {
    const auto all = rows();
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            const auto& a = all[i];
            const auto& b = all[j];
            if (a.page != b.page || !overlap(a.rect, b.rect)) continue;
            if (a.kind == Kind::TabStrip || b.kind == Kind::TabStrip) continue;  // pages lie on it
            if (a.kind == Kind::Frame && contains(a.rect, b.rect)) continue;
            if (b.kind == Kind::Frame && contains(b.rect, a.rect)) continue;
            if (isGapPair(a, b) || isStackedPair(a, b)) continue;
            ADD_FAILURE() << label(a) << " overlaps " << label(b);
        }
    }
}

TEST(MainLayout, WindowControlsStayOffTheTabStripAndEachOther) {
    std::vector<LayoutRow> window;
    for (const auto& row : mainLayout())
        if (row.page == PageId::Window) window.push_back(row);
    for (std::size_t i = 0; i < window.size(); ++i)
        for (std::size_t j = i + 1; j < window.size(); ++j)
            EXPECT_FALSE(overlap(window[i].rect, window[j].rect)) << label(window[i]) << " / " << label(window[j]);
    for (const auto& row : window) {
        EXPECT_LE(row.rect.right(), kWindowWidthTwips) << label(row);
        EXPECT_LE(row.rect.bottom(), kWindowHeightTwips) << label(row);
        // Inside the client area the window is sized for, with a margin.
        EXPECT_LE(row.rect.right() + 60, kClientWidthTwips) << label(row);
        EXPECT_LE(row.rect.bottom() + 60, kClientHeightTwips) << label(row);
    }
}

TEST(MainLayout, FramesAreTheNamedGroupsAndComeJustBeforeTheirControls) {
    const auto all = rows();
    std::vector<std::size_t> frames;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].kind == Kind::Frame) frames.push_back(i);
    ASSERT_EQ(frames.size(), kFrames.size());
    for (std::size_t f = 0; f < frames.size(); ++f) {
        const auto& frame = all[frames[f]];
        const auto& want = kFrames[f];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(frame.name, want.name);
        EXPECT_EQ(frame.index, -1);
        EXPECT_EQ(frame.page, want.page);
        EXPECT_EQ(frame.caption, want.caption);
        // The rows wholly inside the frame are the ones right after it, and only those.
        std::vector<std::string> held;
        std::size_t next = frames[f] + 1;
        for (; next < all.size() && all[next].page == frame.page && contains(frame.rect, all[next].rect); ++next)
            if (held.empty() || held.back() != all[next].name) held.push_back(std::string(all[next].name));
        EXPECT_EQ(held, want.holds);
        // Held controls keep off the frame's border, and off its caption when it has one.
        const int topRoom = frame.caption.empty() ? kFrameTopTwips : kFrameCaptionTopTwips;
        for (std::size_t k = frames[f] + 1; k < next; ++k) {
            const Rect& r = all[k].rect;
            EXPECT_GE(r.left, frame.rect.left + kFrameSideTwips) << label(all[k]);
            EXPECT_LE(r.right(), frame.rect.right() - kFrameSideTwips) << label(all[k]);
            EXPECT_GE(r.top, frame.rect.top + topRoom) << label(all[k]);
            EXPECT_LE(r.bottom(), frame.rect.bottom() - kFrameBottomTwips) << label(all[k]);
        }
        for (std::size_t k = 0; k < all.size(); ++k) {
            if (k > frames[f] && k < next) continue;
            if (k == frames[f] || all[k].page != frame.page) continue;
            EXPECT_FALSE(contains(frame.rect, all[k].rect)) << label(all[k]) << " lies in " << want.name;
        }
    }
}

TEST(MainLayout, CaptionsFitTheirControlsAtTheEstimatedWidth) {
    for (const auto& row : mainLayout()) {
        SCOPED_TRACE(label(row));
        switch (row.kind) {
            case Kind::CheckBox:
            case Kind::Option: {
                const int lines = linesFor(row.caption, row.rect.width, kGlyphTwips);
                EXPECT_GE(row.rect.height, lines * kLineTwips + kBoxPadTwips) << lines << " lines";
                break;
            }
            case Kind::Label: EXPECT_GE(row.rect.height, linesFor(row.caption, row.rect.width, 0) * kLineTwips); break;
            case Kind::Button:
                EXPECT_LE(static_cast<int>(row.caption.size()) * kCharTwips + kButtonPadTwips, row.rect.width);
                break;
            case Kind::Frame:
                if (!row.caption.empty()) {
                    EXPECT_LE(static_cast<int>(row.caption.size()) * kCharTwips + kFramePadTwips, row.rect.width);
                }
                break;
            default: EXPECT_EQ(row.caption, "");
        }
    }
}

TEST(MainLayout, GapTextBoxesSitInTheGapOfTheirCheckBox) {
    for (const auto& g : kGaps) {
        SCOPED_TRACE(g.box);
        const auto& box = find(g.box);
        const auto& check = find(g.check);
        ASSERT_EQ(box.kind, Kind::TextBox);
        // The caption has exactly this run of blanks at this place.
        ASSERT_GT(check.caption.size(), static_cast<std::size_t>(g.before + g.blanks));
        EXPECT_NE(check.caption[g.before - 1], ' ');
        EXPECT_EQ(check.caption.substr(g.before, g.blanks), std::string(g.blanks, ' '));
        EXPECT_NE(check.caption[g.before + g.blanks], ' ');
        // Same row as the box's first caption line, which holds the whole gap.
        EXPECT_EQ(box.rect.top, check.rect.top);
        EXPECT_EQ(box.rect.height, 285);
        const int perLine = (check.rect.width - kGlyphTwips) / kCharTwips;
        EXPECT_LE(g.before + g.blanks, perLine);
        // At the gap's estimated start, and inside the caption and the check box.
        const int textLeft = check.rect.left + kGlyphTwips;
        EXPECT_EQ(box.rect.left, textLeft + g.before * kCharTwips + 45);
        EXPECT_EQ(box.rect.width, g.blanks * 40 - 90);
        EXPECT_LE(box.rect.right(), textLeft + static_cast<int>(check.caption.size()) * kCharTwips);
        EXPECT_LE(box.rect.right(), check.rect.right());
        // The check box is wide enough for its caption on the lines it has.
        EXPECT_GE(check.rect.height,
                  linesFor(check.caption, check.rect.width, kGlyphTwips) * kLineTwips + kBoxPadTwips);
    }
}

TEST(MainLayout, EachInputWithoutCaptionFollowsWhatNamesIt) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"txtSrcPath", "lblSrcPath"},
        {"txtDestPath", "lblDestPath"},
        {"txtLogFile", "Frame2"},
        {"txtDirLev", "chkLev"},
        {"txtIpg", "chkIpg"},
        {"txtMon", "chkMon"},
        {"txtMot", "chkMot"},
        {"txtMinFileSize", "chkMinFileSize"},
        {"txtMaxFileSize", "chkMaxFileSize"},
        {"txtFileExclName", "lblFileExclName"},
        {"txtDirExclName", "lblDirExclName"},
        {"mskEdRunHours", "chkRunHours"},
        {"sldRetry", "lblRetryTxt"},
        {"sldWait", "lblWaitTxt"},
    };
    for (const auto& [input, namer] : cases) {
        const std::size_t at = position(input);
        ASSERT_GT(at, 0u);
        EXPECT_EQ(mainLayout()[at - 1].name, namer) << input;
        EXPECT_FALSE(mainLayout()[at - 1].caption.empty()) << input;
    }
    // And no other caption-less input is left without a name before it.
    const auto all = rows();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Kind k = all[i].kind;
        if (k != Kind::TextBox && k != Kind::MaskedEdit && k != Kind::Slider) continue;
        const bool listed =
            std::any_of(cases.begin(), cases.end(), [&](const auto& c) { return c.first == all[i].name; });
        EXPECT_TRUE(listed) << label(all[i]);
    }
}

TEST(MainLayout, NamesAreUniqueAndArraysCountFromZero) {
    const auto all = rows();
    std::set<std::pair<std::string, int>> seen;
    for (const auto& row : all) EXPECT_TRUE(seen.insert({std::string(row.name), row.index}).second) << label(row);

    // An array's members stand together, indices 0, 1, 2 ... in order, of one kind on one page;
    // a single control has index -1 and stands once.
    std::map<std::string, std::vector<std::size_t>> byName;
    for (std::size_t i = 0; i < all.size(); ++i) byName[std::string(all[i].name)].push_back(i);
    for (const auto& [name, at] : byName) {
        SCOPED_TRACE(name);
        if (all[at.front()].index == -1) {
            EXPECT_EQ(at.size(), 1u);
            continue;
        }
        for (std::size_t m = 0; m < at.size(); ++m) {
            EXPECT_EQ(all[at[m]].index, static_cast<int>(m));
            EXPECT_EQ(at[m], at.front() + m);
            EXPECT_EQ(all[at[m]].kind, all[at.front()].kind);
            EXPECT_EQ(all[at[m]].page, all[at.front()].page);
        }
    }
}

TEST(MainLayout, ControlsOfAPageReadTopToBottomLeftToRight) {
    std::vector<LayoutRow> controls;
    for (const auto& row : mainLayout())
        if (row.page != PageId::Window && row.kind != Kind::Frame) controls.push_back(row);
    for (std::size_t i = 1; i < controls.size(); ++i) {
        const auto& a = controls[i - 1];
        const auto& b = controls[i];
        if (a.page != b.page || isStackedPair(a, b)) continue;
        const bool below = b.rect.top >= a.rect.bottom();
        const bool sameLine = b.rect.top < a.rect.bottom() && a.rect.top < b.rect.bottom();
        const bool rightOf = sameLine && b.rect.left >= a.rect.right();
        const bool inGap = isGapPair(a, b);
        EXPECT_TRUE(below || rightOf || inGap) << label(b) << " after " << label(a);
    }
}

TEST(MainLayout, AttributeRowsPutTheirOptionsBesideTheLabel) {
    struct Group {
        std::string labelName, arrayName;
    };
    const std::vector<Group> groups = {
        {"lblAddSubR", "optAttribAddSubR"},       {"lblAddSubA", "optAttribAddSubA"},
        {"lblAddSubS", "optAttribAddSubS"},       {"lblAddSubH", "optAttribAddSubH"},
        {"lblAddSubN", "optAttribAddSubN"},       {"lblAddSubT", "optAttribAddSubT"},
        {"lblAttribIncExcR", "optAttribIncExcR"}, {"lblAttribIncExcA", "optAttribIncExcA"},
        {"lblAttribIncExcS", "optAttribIncExcS"}, {"lblAttribIncExcH", "optAttribIncExcH"},
        {"lblAttribIncExcN", "optAttribIncExcN"}, {"lblAttribIncExcT", "optAttribIncExcT"},
        {"lblAttribIncExcC", "optAttribIncExcC"}, {"lblAttribIncExcE", "optAttribIncExcE"},
        {"lblAttribIncExO", "optAttribIncExcO"},
    };
    for (const auto& g : groups) {
        SCOPED_TRACE(g.arrayName);
        const auto& lbl = find(g.labelName);
        int left = lbl.rect.right();
        for (int k = 0; k < 3; ++k) {
            const auto& opt = find(g.arrayName, k);
            EXPECT_GE(opt.rect.left, left);
            EXPECT_LT(opt.rect.top, lbl.rect.bottom());
            EXPECT_GT(opt.rect.bottom(), lbl.rect.top);
            left = opt.rect.right();
        }
    }
    // Rows stand below their heading and below each other.
    EXPECT_GE(find("lblAddSubR").rect.top, find("lblAddSubAttrib").rect.bottom());
    EXPECT_GE(find("lblAttribIncExcR").rect.top, find("lblAttribIncExc").rect.bottom());
}

TEST(MainLayout, FileExclusionsStandTwoToARow) {
    const Rect r0 = find("optFileExcl", 0).rect, r1 = find("optFileExcl", 1).rect;
    const Rect r2 = find("optFileExcl", 2).rect, r3 = find("optFileExcl", 3).rect;
    EXPECT_EQ(r0.top, r1.top);
    EXPECT_EQ(r2.top, r3.top);
    EXPECT_GE(r2.top, r0.bottom());
    EXPECT_EQ(r0.left, r2.left);
    EXPECT_EQ(r1.left, r3.left);
    EXPECT_GE(r1.left, r0.right());
}

TEST(MainLayout, DatePageStacksItsCalendarsAndEnableBoxes) {
    const std::vector<std::string> calendars = {"calMaxAge", "calMinAge", "calMaxLad", "calMinLad"};
    const std::vector<std::string> enables = {"chkMaxAgeEnable", "chkMinAgeEnable", "chkMaxLadEnable",
                                              "chkMinLadEnable"};
    const Rect cal = find(calendars[0]).rect;
    const Rect enable = find(enables[0]).rect;
    for (const auto& name : calendars) EXPECT_TRUE(sameRect(find(name).rect, cal)) << name;
    for (const auto& name : enables) EXPECT_TRUE(sameRect(find(name).rect, enable)) << name;
    // Room for a month calendar; the Enable box under it, the step buttons side by side under that.
    EXPECT_GE(cal.width, 2700);
    EXPECT_GE(cal.height, 2400);
    EXPECT_GE(enable.top, cal.bottom());
    const Rect back = find("cmdCalSelect", 0).rect, next = find("cmdCalSelect", 1).rect;
    EXPECT_GE(back.top, enable.bottom());
    EXPECT_EQ(back.top, next.top);
    EXPECT_GE(next.left, back.right());
}

TEST(AboutLayout, RowsStandInOrderInsideTheBoxWithoutOverlap) {
    struct Case {
        std::string name;
        Kind kind;
        std::string caption;
    };
    const std::vector<Case> expected = {
        {"picIcon", Kind::Label, ""},
        {"lblTitle", Kind::Label, "Zentrova KV"},
        {"lblVersion", Kind::Label, ""},
        {"lblDescription", Kind::Label, ""},
        {"lblEmail", Kind::Label, ""},
        {"cmdOK", Kind::Button, "OK"},
        {"cmdSysInfo", Kind::Button, "&System Info..."},
    };
    const auto about = aboutLayout();
    ASSERT_EQ(about.size(), expected.size());
    const Rect client{kMarginTwips, kMarginTwips, kAboutClientWidthTwips - 2 * kMarginTwips,
                      kAboutClientHeightTwips - 2 * kMarginTwips};
    for (std::size_t i = 0; i < about.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(about[i].name, expected[i].name);
        EXPECT_EQ(about[i].index, -1);
        EXPECT_EQ(about[i].kind, expected[i].kind);
        EXPECT_EQ(about[i].page, PageId::Window);
        EXPECT_EQ(about[i].caption, expected[i].caption);
        EXPECT_TRUE(contains(client, about[i].rect));
        for (std::size_t j = i + 1; j < about.size(); ++j)
            EXPECT_FALSE(overlap(about[i].rect, about[j].rect)) << about[j].name;
    }
    // The icon stands top left: left of the title, at or above its top.
    const Rect icon = findAbout("picIcon").rect, title = findAbout("lblTitle").rect;
    EXPECT_LE(icon.right(), title.left);
    EXPECT_LE(icon.top, title.top);
}

}  // namespace
}  // namespace ui
