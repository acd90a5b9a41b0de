#include "ui/MainWindow.h"

#include <algorithm>
#include <span>

namespace ui {

namespace {

const std::vector<std::string> kTabCaptions = {"&General", "Copy Options", "File Selection", "Retry", "Logging", "Job"};
constexpr int kSliderMax = 30, kSliderSmall = 1, kSliderLarge = 5;
constexpr const char* kRunHoursMask = "##:## - ##:##";

}  // namespace

template <>
Slider makeControl<Slider>(const char* name) {
    return Slider(std::string(name), 0, kSliderMax, kSliderSmall, kSliderLarge);
}
template <>
MaskedEdit makeControl<MaskedEdit>(const char* name) {
    return MaskedEdit(std::string(name), kRunHoursMask);
}
template <>
TabStrip makeControl<TabStrip>(const char* name) {
    return TabStrip(std::string(name), kTabCaptions);
}
// An option array has as many members as the layout has rows for it.
template <>
OptionGroup makeControl<OptionGroup>(const char* name) {
    const auto rows = mainLayout();
    const auto members = std::count_if(rows.begin(), rows.end(), [name](const LayoutRow& r) { return r.name == name; });
    return OptionGroup(std::string(name), static_cast<int>(members));
}

std::string ControlRegistry::key(std::string_view name, int index, Kind kind) {
    if (index < 0 || kind == Kind::Option) return std::string(name);
    return memberName(name, index);
}

ControlRegistry::ControlRegistry(std::span<Control* const> controls, std::span<const LayoutRow> rows,
                                 std::span<Control* const> pages) {
    for (auto* list : {&controls, &pages})
        for (Control* c : *list)
            if (!byKey_.emplace(c->name(), c).second) throw std::logic_error("two controls named " + c->name());
    for (const auto& row : rows) {
        const std::string k = key(row.name, row.index, row.kind);
        Control* c = find(k);
        if (!c || c->kind() != row.kind)
            throw std::logic_error("the layout row " + k + " names no control of its kind");
        if (std::find(order_.begin(), order_.end(), c) == order_.end()) order_.push_back(c);
    }
    if (order_.size() != controls.size())
        for (Control* c : controls)
            if (std::find(order_.begin(), order_.end(), c) == order_.end())
                throw std::logic_error("the control " + c->name() + " has no layout row");
}

Control* ControlRegistry::find(std::string_view key) const {
    auto it = byKey_.find(key);
    return it == byKey_.end() ? nullptr : it->second;
}

std::vector<Control*> MainWindow::memberControls() {
#define ZKV_CONTROL_ADDRESS(Type, name) &name,
#define ZKV_STEPS_ADDRESS(name, steps) &name(0), &name(1),
    return {ZKV_MAIN_CONTROLS(ZKV_CONTROL_ADDRESS, ZKV_STEPS_ADDRESS)};
#undef ZKV_CONTROL_ADDRESS
#undef ZKV_STEPS_ADDRESS
}

std::vector<Control*> MainWindow::pageFrames() {
    std::vector<Control*> frames;
    for (Frame& f : pages_) frames.push_back(&f);
    return frames;
}

// Every control starts with its layout caption; no page is seen before it is first shown.
MainWindow::MainWindow() {
    for (const auto& row : mainLayout())
        if (row.kind != Kind::Option)
            find(ControlRegistry::key(row.name, row.index, row.kind))->setCaption(std::string(row.caption));
    for (const auto& p : mainPages()) {
        page(p.id).setCaption(std::string(p.caption));
        page(p.id).setVisible(false);
    }
}

void MainWindow::setObserver(MainWindowObserver* observer) {
    observer_ = observer;
    for (Control* c : controls()) c->setObserver(observer);
    for (Frame& f : pages_) f.setObserver(observer);
}

void MainWindow::takeStateOf(const MainWindow& other) {
    const auto& from = other.controls();
    const auto& to = controls();
    for (std::size_t i = 0; i < to.size(); ++i) {
        const bool navigation =
            to[i] == &tabStripOptions || to[i] == &cmdCopyOptionNext(0) || to[i] == &cmdCopyOptionNext(1);
        if (!navigation) to[i]->takeStateOf(*from[i]);
    }
    for (const auto& p : mainPages()) page(p.id).setCaption(other.page(p.id).caption());
    DateLimitPage = other.DateLimitPage;
    dlgLogFile = other.dlgLogFile;
}

void MainWindow::showPage(PageId id) {
    shown_[static_cast<int>(id)] = true;
    front_ = id;
    page(id).setVisible(true);
    if (observer_) observer_->pageShown(id);
}

void MainWindow::setFocus(Control& c) {
    focused_ = &c;
    if (observer_) observer_->focusRequested(c);
}

const Control* MainWindow::focusAfterGreying(const Control& greyed) const {
    for (const PageSteps* steps : {&copyOptionSteps, &dateLimitSteps})
        if (const Button* heir = steps->focusHeir(greyed)) return heir;
    return nullptr;
}

namespace {

// The tabs whose pages are covered by sub-pages that the step buttons walk through.
struct PagedTab {
    int tab;
    std::int16_t MainWindow::*page;
    std::span<const PageId> pages;
};

constexpr PageId kCopyOptionsPages[] = {PageId::CopyOptions1, PageId::CopyOptions2, PageId::CopyOptions3};
constexpr PageId kFileSelectionPages[] = {PageId::FileSelection1, PageId::FileSelection2, PageId::DateLimits,
                                          PageId::FileSelection4};
constexpr PagedTab kPagedTabs[] = {
    {1, &MainWindow::CopyOptionsPage, kCopyOptionsPages},
    {2, &MainWindow::FileSelectionPage, kFileSelectionPages},
};

const PagedTab* pagedTab(int tab) {
    for (const PagedTab& t : kPagedTabs)
        if (t.tab == tab) return &t;
    return nullptr;
}

int lastPage(const PagedTab& t) { return static_cast<int>(t.pages.size()) - 1; }

}  // namespace

void MainWindow::tabStripOptions_Click() {
    CopyOptionsPage = 0;
    FileSelectionPage = 0;
    CurrentTab = static_cast<std::int16_t>(tabStripOptions.selected());
    const PagedTab* paged = pagedTab(CurrentTab);
    copyOptionSteps.enableFor(0, paged ? lastPage(*paged) : 0);
    cmdCopyOptionNext(0).setVisible(paged != nullptr);
    cmdCopyOptionNext(1).setVisible(paged != nullptr);
    static constexpr PageId kTabPages[] = {PageId::General, PageId::CopyOptions, PageId::FileSelection,
                                           PageId::Retry,   PageId::Logging,     PageId::Job};
    showPage(kTabPages[CurrentTab]);
    if (paged) showPage(paged->pages.front());
}

void MainWindow::cmdCopyOptionNext_Click(int index) {
    const PagedTab* paged = pagedTab(CurrentTab);
    if (!paged) return;
    std::int16_t& page = this->*paged->page;
    const auto to = PageSteps::target(page, index, lastPage(*paged));
    if (!to) return;
    page = *to;
    copyOptionSteps.enableFor(page, lastPage(*paged));
    showPage(paged->pages[static_cast<std::size_t>(page)]);
}

}  // namespace ui
