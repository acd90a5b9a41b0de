// Plain control objects that the window models are made of. A control runs its rule whenever
// its value changes, whether the user or code changed it, so rules can rely on nesting:
// setting a check box from a rule runs that box's rule at once, inside the caller.
// A view observes the controls and mirrors every change into the real window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace ui {

enum class Kind { Label, TextBox, Button, CheckBox, Option, Frame, Slider, Calendar, MaskedEdit, TabStrip };

inline constexpr std::uint32_t kGrey = 0xC0C0C0;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

class Control;

// The name of a member of a button array, as "cmdCalSelect(1)".
inline std::string memberName(std::string_view array, int index) {
    return std::string(array) + "(" + std::to_string(index) + ")";
}

// Told about every change of a control's visible state, so that a view can mirror it.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void controlChanged(Control&) = 0;
};

class Control {
public:
    Control(std::string name, Kind kind) : name_(std::move(name)), kind_(kind) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool on) { set(enabled_, on); }
    bool visible() const { return visible_; }
    void setVisible(bool on) { set(visible_, on); }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string text) { set(caption_, std::move(text)); }
    // 0 means the control's default background.
    std::uint32_t backColour() const { return backColour_; }
    void setBackColour(std::uint32_t colour) { set(backColour_, colour); }

    void setObserver(ControlObserver* observer) { observer_ = observer; }

    // Takes all that a user sees of another control of the same kind, running no rule: the
    // window goes back to a state it had, not through the steps that led there.
    virtual void takeStateOf(const Control& other) {
        set(enabled_, other.enabled_);
        set(visible_, other.visible_);
        set(caption_, other.caption_);
        set(backColour_, other.backColour_);
    }

protected:
    template <class T, class U>
    void set(T& field, U&& value) {
        if (field == value) return;
        field = std::forward<U>(value);
        changed();
    }
    void changed() {
        if (observer_) observer_->controlChanged(*this);
    }

private:
    std::string name_;
    Kind kind_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string caption_;
    std::uint32_t backColour_ = 0;
    ControlObserver* observer_ = nullptr;
};

class Label : public Control {
public:
    explicit Label(std::string name) : Control(std::move(name), Kind::Label) {}
};

class Frame : public Control {
public:
    explicit Frame(std::string name) : Control(std::move(name), Kind::Frame) {}
};

class Button : public Control {
public:
    explicit Button(std::string name) : Control(std::move(name), Kind::Button) {}
    std::function<void()> onClick;
    void press() {
        if (onClick) onClick();
    }
};

// Value 0 unchecked, 1 checked, 2 greyed; only 1 counts as checked.
class CheckBox : public Control {
public:
    explicit CheckBox(std::string name) : Control(std::move(name), Kind::CheckBox) {}
    int value() const { return value_; }
    bool checked() const { return value_ == 1; }
    // Runs the box's rule when the value changes.
    void setValue(int value) {
        if (value_ == value) return;
        value_ = value;
        changed();
        if (onClick) onClick();
    }
    // A user's click: toggles between checked and unchecked.
    void click() { setValue(value_ == 1 ? 0 : 1); }
    std::function<void()> onClick;
    void takeStateOf(const Control& other) override {
        Control::takeStateOf(other);
        set(value_, dynamic_cast<const CheckBox&>(other).value_);
    }

private:
    int value_ = 0;
};

// An indexed array of option buttons; exactly one (or, before any choice, none) is selected.
// The members' captions are the layout's.
class OptionGroup : public Control {
public:
    OptionGroup(std::string name, int size) : Control(std::move(name), Kind::Option), size_(size) {}
    int selected() const { return selected_; }
    int size() const { return size_; }
    // Selecting a member runs the group's rule with its index, as a click does.
    void select(int index) {
        if (index < 0 || index >= size()) return;
        if (selected_ != index) {
            selected_ = index;
            changed();
        }
        if (onClick) onClick(index);
    }
    std::function<void(int)> onClick;
    void takeStateOf(const Control& other) override {
        Control::takeStateOf(other);
        set(selected_, dynamic_cast<const OptionGroup&>(other).selected_);
    }

private:
    int size_;
    int selected_ = -1;
};

class TextBox : public Control {
public:
    explicit TextBox(std::string name) : Control(std::move(name), Kind::TextBox) {}
    const std::string& text() const { return text_; }
    // Runs the change rule when the text changes, by typing or by code.
    void setText(std::string text) {
        if (text_ == text) return;
        text_ = std::move(text);
        changed();
        if (onChange) onChange();
    }
    void loseFocus() {
        if (onLostFocus) onLostFocus();
    }
    std::function<void()> onChange;
    std::function<void()> onLostFocus;
    void takeStateOf(const Control& other) override {
        Control::takeStateOf(other);
        set(text_, dynamic_cast<const TextBox&>(other).text_);
    }

private:
    std::string text_;
};

class Slider : public Control {
public:
    Slider(std::string name, int min, int max, int smallStep, int largeStep)
        : Control(std::move(name), Kind::Slider), min_(min), max_(max), small_(smallStep), large_(largeStep) {}
    int position() const { return position_; }
    int min() const { return min_; }
    int max() const { return max_; }
    int smallStep() const { return small_; }
    int largeStep() const { return large_; }
    // A move by mouse or keyboard: the position changes and the scroll rule runs.
    void scrollTo(int position) {
        position = position < min_ ? min_ : position > max_ ? max_ : position;
        set(position_, position);
        if (onScroll) onScroll();
    }
    void mouseUp() {
        if (onMouseUp) onMouseUp();
    }
    std::function<void()> onScroll;
    std::function<void()> onMouseUp;
    void takeStateOf(const Control& other) override {
        Control::takeStateOf(other);
        set(position_, dynamic_cast<const Slider&>(other).position_);
    }

private:
    int min_, max_, small_, large_;
    int position_ = 0;
};

class Calendar : public Control {
public:
    explicit Calendar(std::string name) : Control(std::move(name), Kind::Calendar) {}
    const platform::Date& date() const { return date_; }
    void setDate(const platform::Date& date) { set(date_, date); }
    void takeStateOf(const Control& other) override {
        Control::takeStateOf(other);
        set(date_, dynamic_cast<const Calendar&>(other).date_);
    }

private:
    platform::Date date_;
};

class TabStrip : public Control {
public:
    TabStrip(std::string name, std::vector<std::string> captions)
        : Control(std::move(name), Kind::TabStrip), captions_(std::move(captions)) {}
    int size() const { return static_cast<int>(captions_.size()); }
    const std::string& tabCaption(int index) const { return captions_.at(index); }
    int selected() const { return selected_; }
    // The user's choice of a tab: runs the click rule.
    void choose(int index) {
        if (index < 0 || index >= size()) return;
        set(selected_, index);
        if (onClick) onClick();
    }
    std::function<void()> onClick;

private:
    std::vector<std::string> captions_;
    int selected_ = 0;
};

}  // namespace ui
