#include "ui/MainWindow.h"

#include <algorithm>
#include <span>

namespace ui {

namespace {

const std::vector<std::string> kTabCaptions = {"&General", "Copy Options", "File Selection", "Retry", "Logging", "Job"};
constexpr int kSliderMax = 30, kSliderSmall = 1, kSliderLarge = 5;
constexpr const char* kRunHoursMask = "##:## - ##:##";

std::unique_ptr<Control> make(const LayoutRow& row, std::span<const LayoutRow> rows) {
    std::string name(row.name);
    switch (row.kind) {
        case Kind::Label: return std::make_unique<Label>(name);
        case Kind::Frame: return std::make_unique<Frame>(name);
        case Kind::Button: return std::make_unique<Button>(ControlRegistry::key(row.name, row.index, row.kind));
        case Kind::CheckBox: return std::make_unique<CheckBox>(name);
        case Kind::TextBox: return std::make_unique<TextBox>(name);
        case Kind::Calendar: return std::make_unique<Calendar>(name);
        case Kind::Slider: return std::make_unique<Slider>(name, 0, kSliderMax, kSliderSmall, kSliderLarge);
        case Kind::MaskedEdit: return std::make_unique<MaskedEdit>(name, kRunHoursMask);
        case Kind::TabStrip: return std::make_unique<TabStrip>(name, kTabCaptions);
        case Kind::Option: {
            const auto members =
                std::count_if(rows.begin(), rows.end(), [&row](const LayoutRow& r) { return r.name == row.name; });
            return std::make_unique<OptionGroup>(name, static_cast<int>(members));
        }
    }
    throw std::logic_error("unknown control kind");
}

}  // namespace

std::string ControlRegistry::key(std::string_view name, int index, Kind kind) {
    if (index < 0 || kind == Kind::Option) return std::string(name);
    return std::string(name) + "(" + std::to_string(index) + ")";
}

ControlRegistry::ControlRegistry(std::span<const LayoutRow> rows, std::span<const PageInfo> pages) {
    for (const auto& page : pages) {
        auto frame = std::make_unique<Frame>(std::string(page.name));
        frame->setCaption(std::string(page.caption));
        frame->setVisible(false);  // no page is seen before it is first shown
        byKey_.emplace(frame->name(), frame.get());
        owned_.push_back(std::move(frame));
    }
    for (const auto& row : rows) {
        std::string k = key(row.name, row.index, row.kind);
        if (byKey_.count(k)) continue;  // a further member of an option array
        auto control = make(row, rows);
        if (row.kind != Kind::Option) control->setCaption(std::string(row.caption));
        byKey_.emplace(k, control.get());
        order_.push_back(control.get());
        owned_.push_back(std::move(control));
    }
}

Control* ControlRegistry::find(std::string_view key) const {
    auto it = byKey_.find(key);
    return it == byKey_.end() ? nullptr : it->second;
}

void MainWindow::setObserver(MainWindowObserver* observer) {
    observer_ = observer;
    for (Control* c : registry_.all()) c->setObserver(observer);
    for (const auto& p : mainPages()) page(p.id).setObserver(observer);
}

Frame& MainWindow::page(PageId id) const { return get<Frame>(mainPages()[static_cast<int>(id)].name); }

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

Control* MainWindow::focusAfterGreying(const Control& greyed) const {
    for (const PageSteps& steps : {copyOptionSteps(), dateLimitSteps()})
        if (Button* heir = steps.focusHeir(greyed)) return heir;
    return nullptr;
}

PageSteps MainWindow::copyOptionSteps() const { return {cmdCopyOptionNext(0), cmdCopyOptionNext(1)}; }

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
    copyOptionSteps().enableFor(0, paged ? lastPage(*paged) : 0);
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
    copyOptionSteps().enableFor(page, lastPage(*paged));
    showPage(paged->pages[static_cast<std::size_t>(page)]);
}

}  // namespace ui
