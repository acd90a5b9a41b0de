// The names a screen reader gives the controls that show nothing to name them by: every such
// control of the layout has one, the table names only controls that exist, and no two controls a
// reader tells apart on one page share a name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/AccessibleNames.h"
#include "ui/MainLayout.h"

namespace ui {
namespace {

std::string where(const LayoutRow& row) { return std::string(row.name) + "(" + std::to_string(row.index) + ")"; }

bool takesTab(const LayoutRow& r) {
    switch (r.kind) {
        case Kind::Label:
        case Kind::Frame: return false;
        case Kind::Option: return r.index <= 0;
        default: return true;
    }
}

// The label a reader finds for an input: the nearest label or group frame before it on its page,
// unless a control the Tab key stops at comes first. nullptr: none.
const LayoutRow* labelRuleFinds(std::span<const LayoutRow> rows, std::size_t at) {
    for (std::size_t i = at; i-- > 0;) {
        const LayoutRow& r = rows[i];
        if (r.page != rows[at].page) continue;
        if (r.kind == Kind::Label || r.kind == Kind::Frame) return r.caption.empty() ? nullptr : &r;
        if (takesTab(r)) return nullptr;
    }
    return nullptr;
}

TEST(AccessibleNames, EveryEntryNamesALayoutControlOfAKindItCanName) {
    const std::map<NameBy, std::set<Kind>> fits = {
        {NameBy::HiddenLabel, {Kind::TextBox, Kind::MaskedEdit, Kind::Slider}},
        {NameBy::WindowText, {Kind::Calendar}},
        {NameBy::Tooltip, {Kind::Button}},
        {NameBy::RowLabel, {Kind::Option}},
    };
    for (const AccessibleName& n : accessibleNames()) {
        SCOPED_TRACE(std::string(n.control) + "(" + std::to_string(n.index) + ")");
        const auto rows = mainLayout();
        auto row = std::find_if(rows.begin(), rows.end(), [&](const LayoutRow& r) {
            return r.name == n.control && (n.by == NameBy::RowLabel || r.index == n.index);
        });
        ASSERT_NE(row, rows.end()) << "no such control in the layout";
        EXPECT_TRUE(fits.at(n.by).count(row->kind));
        EXPECT_EQ(accessibleNameOf(*row), &n);
        EXPECT_EQ(n.name.empty(), n.by == NameBy::RowLabel);
    }
}

// Inputs by the label rule; calendars, symbol buttons and the options of attribute rows by what
// they show.
TEST(AccessibleNames, EveryControlWithNothingToBeNamedByHasAName) {
    const auto rows = mainLayout();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LayoutRow& row = rows[i];
        SCOPED_TRACE(where(row));
        const AccessibleName* n = accessibleNameOf(row);
        switch (row.kind) {
            case Kind::TextBox:
            case Kind::MaskedEdit:
            case Kind::Slider:
                // A hidden label before a labelled input would hide its visible label.
                EXPECT_EQ(n != nullptr, labelRuleFinds(rows, i) == nullptr);
                if (n) {
                    EXPECT_EQ(n->by, NameBy::HiddenLabel);
                }
                break;
            case Kind::Calendar:
                ASSERT_NE(n, nullptr);
                EXPECT_EQ(n->by, NameBy::WindowText);
                break;
            case Kind::Button:
                if (std::none_of(row.caption.begin(), row.caption.end(),
                                 [](char c) { return std::isalnum(static_cast<unsigned char>(c)); })) {
                    ASSERT_NE(n, nullptr);
                    EXPECT_EQ(n->by, NameBy::Tooltip);
                }
                break;
            case Kind::Option:
                if (rows[i - row.index - 1].kind == Kind::Label) {
                    ASSERT_NE(n, nullptr);
                    EXPECT_EQ(n->by, NameBy::RowLabel);
                }
                break;
            default: EXPECT_EQ(n, nullptr);
        }
        if (n) {
            EXPECT_FALSE(accessibleName(row).empty());
        }
    }
}

TEST(AccessibleNames, NoTwoControlsOfAPageShareAName) {
    std::map<PageId, std::set<std::string>> seen;
    for (const LayoutRow& row : mainLayout()) {
        const std::string name = accessibleName(row);
        if (name.empty()) continue;
        SCOPED_TRACE(where(row) + " " + name);
        EXPECT_TRUE(seen[row.page].insert(name).second);
    }
    const auto rows = mainLayout();
    auto archiveAdd = std::find_if(rows.begin(), rows.end(),
                                   [](const LayoutRow& r) { return r.name == "optAttribAddSubA" && r.index == 0; });
    ASSERT_NE(archiveAdd, rows.end());
    EXPECT_EQ(accessibleName(*archiveAdd), "Archive: Add");
}

}  // namespace
}  // namespace ui
