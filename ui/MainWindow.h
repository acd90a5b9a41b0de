// The model of the main window: every control of every page, the page state and page
// navigation. It holds every control's state from load on, whether or not the view has created
// that control yet, so rules never depend on what has been shown.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/Controls.h"
#include "ui/MainControls.h"
#include "ui/MainLayout.h"
#include "ui/MaskedEdit.h"
#include "ui/PageSteps.h"

namespace ui {

// The log file's save dialog ("Browse" on the Logging page). Like any file dialog it keeps the
// name it last held from one browse to the next: the name it proposed, or the path chosen in it.
struct LogFileDialog {
    std::string fileName;
};

// The line at the foot of the window that says how the copy runs went. Not a control of any
// page: the view shows it in a status bar below them.
class StatusLine {
public:
    const std::string& text() const { return text_; }
    void setText(std::string text) {
        if (text == text_) return;
        text_ = std::move(text);
        if (shown) shown(text_);
    }
    // The view's, to show each new text.
    std::function<void(const std::string&)> shown;

private:
    std::string text_;
};

// What a view needs to hear besides control changes.
class MainWindowObserver : public ControlObserver {
public:
    // The page was moved onto the tab strip and brought to the front (created if need be).
    virtual void pageShown(PageId) = 0;
    // A rule asked for the input focus to go to this control.
    virtual void focusRequested(Control&) = 0;
};

// Finds the window's controls by name: "name" for a single control or an option array,
// "name(i)" for a member of a button array. Made over the controls, which it does not own; it
// orders them as the layout rows do, and refuses (throws) a row that names no control of its kind
// and a control that has no row.
class ControlRegistry {
public:
    ControlRegistry(std::span<Control* const> controls, std::span<const LayoutRow> rows,
                    std::span<Control* const> pages);
    Control* find(std::string_view key) const;
    template <class T>
    T& control(std::string_view key) const {
        auto* c = dynamic_cast<T*>(find(key));
        if (!c) throw std::logic_error("no control " + std::string(key));
        return *c;
    }
    // In layout order, which is the tab order; the pages are found but not listed.
    const std::vector<Control*>& all() const { return order_; }
    static std::string key(std::string_view name, int index, Kind kind);

private:
    std::vector<Control*> order_;
    std::map<std::string, Control*, std::less<>> byKey_;
};

// A control made from its name; the kinds that need more are made in MainWindow.cpp.
template <class T>
T makeControl(const char* name) {
    return T(name);
}
template <>
Slider makeControl<Slider>(const char* name);
template <>
MaskedEdit makeControl<MaskedEdit>(const char* name);
template <>
TabStrip makeControl<TabStrip>(const char* name);
template <>
OptionGroup makeControl<OptionGroup>(const char* name);

// A member of the window for each entry of ZKV_MAIN_CONTROLS, whose name is also its text; a step
// pair keeps its buttons reachable as name(0) and name(1), as a button array is.
#define ZKV_CONTROL_MEMBER(Type, name) Type name = makeControl<Type>(#name);
#define ZKV_STEPS_MEMBER(name, steps)                       \
    PageSteps steps{#name};                                 \
    Button& name(int index) { return steps.button(index); } \
    const Button& name(int index) const { return steps.button(index); }

class MainWindow {
public:
    MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The controls by the names the layout table gives them.
    template <class T>
    T& get(std::string_view key) const {
        return registry_.control<T>(key);
    }
    Control* find(std::string_view key) const { return registry_.find(key); }
    const std::vector<Control*>& controls() const { return registry_.all(); }
    void setObserver(MainWindowObserver*);

    Frame& page(PageId id) { return pages_[static_cast<std::size_t>(id)]; }
    const Frame& page(PageId id) const { return pages_[static_cast<std::size_t>(id)]; }

    // The log file's save dialog keeps its last name between browses.
    LogFileDialog dlgLogFile;

    // Page state.
    std::int16_t CurrentTab = 0, CopyOptionsPage = 0, FileSelectionPage = 0, DateLimitPage = 0;
    void resetPageState() { CurrentTab = CopyOptionsPage = FileSelectionPage = DateLimitPage = 0; }

    // Takes every control's state, the date-limit page and the pages' captions from another
    // window, running no rule; the tabs, their page steps and the page in front stay as they are.
    void takeStateOf(const MainWindow&);

    // Moves the page onto the tab strip, brings it to the front and makes it visible.
    void showPage(PageId);
    PageId frontPage() const { return front_; }
    bool everShown(PageId id) const { return shown_[static_cast<int>(id)]; }

    void setFocus(Control&);
    Control* focused() const { return focused_; }
    // The view reports where the focus went by the user's hand.
    void focusMoved(Control* c) { focused_ = c; }
    // Which control takes the focus when the focused one turns grey: a step button that runs out
    // of pages (the tabs' pair or the date limits' pair) hands it to the other one of its pair, if
    // usable. nullptr: the next control in the tab order.
    const Control* focusAfterGreying(const Control& greyed) const;

    // Navigation handlers.
    void tabStripOptions_Click();
    void cmdCopyOptionNext_Click(int index);

    ZKV_MAIN_CONTROLS(ZKV_CONTROL_MEMBER, ZKV_STEPS_MEMBER)
    StatusLine statusLine;

private:
    std::vector<Control*> memberControls();
    std::vector<Control*> pageFrames();

    // Each page's frame, in PageId order, with the name mainPages() gives it.
    template <std::size_t... I>
    static std::array<Frame, sizeof...(I)> makePages(std::index_sequence<I...>) {
        return {Frame(std::string(mainPages()[I].name))...};
    }

    std::array<Frame, kPageCount> pages_ = makePages(std::make_index_sequence<kPageCount>{});
    // After the controls, which it is made over.
    ControlRegistry registry_{memberControls(), mainLayout(), pageFrames()};
    MainWindowObserver* observer_ = nullptr;
    PageId front_ = PageId::Count;
    bool shown_[kPageCount] = {};
    Control* focused_ = nullptr;
};

#undef ZKV_CONTROL_MEMBER
#undef ZKV_STEPS_MEMBER

}  // namespace ui
