#include <stdexcept>
#include <string>

#include "options/Binding.h"

namespace options {

namespace {

void attach(Context& c, const Binding& b) {
    ui::Control* control = c.w.find(b.control);
    if (!control) throw std::logic_error("wiring names no control: " + std::string(b.control));
    Rule rule = b.rule;
    Context* ctx = &c;
    auto plain = [ctx, rule] { rule(*ctx, 0); };
    auto indexed = [ctx, rule](int i) { rule(*ctx, i); };
    auto fail = [&] { throw std::logic_error("control has no such event: " + std::string(b.control)); };
    switch (b.event) {
        case Event::Click:
            if (auto* x = dynamic_cast<ui::CheckBox*>(control)) x->onClick = plain;
            else if (auto* x = dynamic_cast<ui::OptionGroup*>(control)) x->onClick = indexed;
            else if (auto* x = dynamic_cast<ui::Button*>(control)) {
                // A member of a button array passes its index.
                int index = b.control.ends_with("(1)") ? 1 : 0;
                x->onClick = [ctx, rule, index] { rule(*ctx, index); };
            } else fail();
            break;
        case Event::Change:
            if (auto* x = dynamic_cast<ui::TextBox*>(control)) x->onChange = plain;
            else fail();
            break;
        case Event::LostFocus:
            if (auto* x = dynamic_cast<ui::TextBox*>(control)) x->onLostFocus = plain;
            else fail();
            break;
        case Event::Scroll:
            if (auto* x = dynamic_cast<ui::Slider*>(control)) x->onScroll = plain;
            else fail();
            break;
        case Event::MouseUp:
            if (auto* x = dynamic_cast<ui::Slider*>(control)) x->onMouseUp = plain;
            else fail();
            break;
        case Event::KeyUp:
            if (auto* x = dynamic_cast<ui::MaskedEdit*>(control)) x->onKeyUp = indexed;
            else fail();
            break;
    }
}

}  // namespace

void wireRules(Context& c) {
    for (auto rows : {toggleBindings(), copyFlagBindings(), choiceGroupBindings(), numericInputBindings(),
                      runHoursBindings(), dateLimitBindings(), logFileBindings()})
        for (const Binding& b : rows) attach(c, b);
}

}  // namespace options
