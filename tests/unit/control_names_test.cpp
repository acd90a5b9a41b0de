// The layout table, the view and the test driver name the window's controls by text; the rules
// name them by member. These tests hold the two together.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/MainWindow.h"

namespace ui {
namespace {

std::string rowKey(const LayoutRow& row) { return ControlRegistry::key(row.name, row.index, row.kind); }

TEST(ControlNames, EveryLayoutRowNamesAMemberOfItsKindAndEveryMemberHasARow) {
    MainWindow w;  // the registry throws on a mismatch, so a broken table fails here already
    for (const LayoutRow& row : mainLayout()) {
        SCOPED_TRACE(rowKey(row));
        const Control* c = w.find(rowKey(row));
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->name(), rowKey(row));
        EXPECT_EQ(c->kind(), row.kind);
        if (row.kind == Kind::Option) {
            EXPECT_LT(row.index, static_cast<const OptionGroup*>(c)->size());
        } else {
            EXPECT_EQ(c->caption(), row.caption);
        }
    }

    // Every member, found by its name text, is that member.
    std::vector<const Control*> members;
    auto member = [&](const std::string& name, const Control& c) {
        SCOPED_TRACE(name);
        EXPECT_EQ(w.find(name), &c);
        members.push_back(&c);
    };
#define ZKV_CHECK_CONTROL(Type, name) member(#name, w.name);
#define ZKV_CHECK_STEPS(name, steps) \
    member(#name "(0)", w.name(0));  \
    member(#name "(1)", w.name(1));
    ZKV_MAIN_CONTROLS(ZKV_CHECK_CONTROL, ZKV_CHECK_STEPS)
#undef ZKV_CHECK_CONTROL
#undef ZKV_CHECK_STEPS
    EXPECT_EQ(w.controls().size(), members.size());

    // In layout order, which the view takes for the tab order: each name where its first row stands.
    std::vector<std::string> rowOrder, controlOrder;
    for (const LayoutRow& row : mainLayout())
        if (std::find(rowOrder.begin(), rowOrder.end(), rowKey(row)) == rowOrder.end()) rowOrder.push_back(rowKey(row));
    for (const Control* c : w.controls()) controlOrder.push_back(c->name());
    EXPECT_EQ(controlOrder, rowOrder);

    for (const PageInfo& p : mainPages()) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(w.find(p.name), &w.page(p.id));
        EXPECT_EQ(w.page(p.id).caption(), p.caption);
        EXPECT_FALSE(w.page(p.id).visible());
    }
}

TEST(ControlNames, TheRegistryRefusesAMismatchAndOrdersByTheRows) {
    CheckBox chkA("chkA");
    TextBox txtB("txtB");
    OptionGroup optC("optC", 2);
    CheckBox otherA("chkA");
    std::vector<Control*> controls{&optC, &txtB, &chkA};
    constexpr LayoutRow kRows[] = {
        {"chkA", -1, Kind::CheckBox, PageId::General, "", {}},
        {"optC", 0, Kind::Option, PageId::General, "", {}},
        {"txtB", -1, Kind::TextBox, PageId::General, "", {}},
        {"optC", 1, Kind::Option, PageId::General, "", {}},
    };
    const std::vector<LayoutRow> rows(std::begin(kRows), std::end(kRows));
    auto with = [&](std::function<void(std::vector<Control*>&, std::vector<LayoutRow>&)> change) {
        std::vector<Control*> c = controls;
        std::vector<LayoutRow> r = rows;
        change(c, r);
        return ControlRegistry(c, r, {});
    };

    const ControlRegistry fine = with([](auto&, auto&) {});
    EXPECT_EQ(fine.all(), (std::vector<Control*>{&chkA, &optC, &txtB}));
    EXPECT_EQ(fine.find("txtB"), &txtB);
    EXPECT_EQ(fine.find("txtb"), nullptr);

    struct Case {
        const char* name;
        std::function<void(std::vector<Control*>&, std::vector<LayoutRow>&)> change;
    } cases[] = {
        {"a row that names no control", [](auto&, auto& r) { r[2].name = "txtX"; }},
        {"a row of another kind", [](auto&, auto& r) { r[0].kind = Kind::Option; }},
        {"a control without a row", [](auto&, auto& r) { r.erase(r.begin() + 2); }},
        {"two controls of one name", [&](auto& c, auto&) { c.push_back(&otherA); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(with(c.change), std::logic_error);
    }
}

}  // namespace
}  // namespace ui
