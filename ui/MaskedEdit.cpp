#include "ui/MaskedEdit.h"

#include <algorithm>

namespace ui {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

MaskedEdit::MaskedEdit(std::string name, std::string mask)
    : Control(std::move(name), Kind::MaskedEdit), mask_(std::move(mask)), text_(blankText()) {}

std::string MaskedEdit::blankText() const {
    std::string out = mask_;
    std::replace(out.begin(), out.end(), kDigit, kPrompt);
    return out;
}

int MaskedEdit::nextDigitPosition(int from) const {
    for (int i = std::max(from, 0); i < length(); ++i)
        if (isDigitPosition(i)) return i;
    return -1;
}

int MaskedEdit::caretAfter(int end) const {
    int next = nextDigitPosition(end);
    return next < 0 ? length() : next;
}

bool MaskedEdit::fitsShape(std::string_view text, int start) const {
    if (start + static_cast<int>(text.size()) > length()) return false;
    for (int i = 0; i < static_cast<int>(text.size()); ++i)
        if (!isDigitPosition(start + i) && text[i] != mask_[start + i]) return false;
    return true;
}

int MaskedEdit::layOver(std::string& base, std::string_view text, int start) const {
    if (fitsShape(text, start)) {
        for (int i = 0; i < static_cast<int>(text.size()); ++i)
            if (isDigitPosition(start + i)) base[start + i] = isDigit(text[i]) ? text[i] : kPrompt;
        return start + static_cast<int>(text.size());
    }
    int at = start;
    for (char c : text) {
        if (!isDigit(c)) continue;
        at = nextDigitPosition(at);
        if (at < 0) return length();
        base[at++] = c;
    }
    return at;
}

std::string MaskedEdit::blanked(std::string base, int start, int count) const {
    for (int i = start; i < start + count; ++i)
        if (isDigitPosition(i)) base[i] = kPrompt;
    return base;
}

void MaskedEdit::replace(std::string text, int caret) {
    set(text_, std::move(text));
    setSelection(caret, 0);
}

void MaskedEdit::takeStateOf(const Control& other) {
    Control::takeStateOf(other);
    const auto& edit = dynamic_cast<const MaskedEdit&>(other);
    set(text_, edit.text_);
    setSelection(edit.selStart_, edit.selLength_);
}

void MaskedEdit::setText(std::string_view text) {
    std::string fitted = blankText();
    layOver(fitted, text, 0);
    set(text_, std::move(fitted));
}

void MaskedEdit::setSelection(int start, int count) {
    start = std::clamp(start, 0, length());
    count = std::clamp(count, 0, length() - start);
    if (selStart_ == start && selLength_ == count) return;
    selStart_ = start;
    selLength_ = count;
    changed();
}

int MaskedEdit::caretStop(int position, int step) const {
    int p = position;
    while (p >= 0 && p < length() && !isDigitPosition(p)) p += step < 0 ? -1 : 1;
    return std::max(p, 0);
}

void MaskedEdit::typeChar(char c) {
    if (isDigit(c)) {
        int at = nextDigitPosition(selStart_);
        if (at < 0) return;
        std::string t = blanked(text_, selStart_, selLength_);
        t[at] = c;
        replace(std::move(t), caretAfter(at + 1));
        return;
    }
    // The literal under the caret, typed, is stepped over; so is the rest of its run up to it.
    for (int i = selStart_; i < length() && !isDigitPosition(i); ++i)
        if (mask_[i] == c) {
            setSelection(i + 1, 0);
            return;
        }
}

void MaskedEdit::backspace() {
    if (selLength_ > 0) {
        replace(blanked(text_, selStart_, selLength_), selStart_);
        return;
    }
    int i = selStart_ - 1;
    while (i >= 0 && !isDigitPosition(i)) --i;
    if (i < 0) return;
    replace(blanked(text_, i, 1), i);
}

void MaskedEdit::deleteForward() {
    if (selLength_ > 0) {
        replace(blanked(text_, selStart_, selLength_), selStart_);
        return;
    }
    int i = nextDigitPosition(selStart_);
    if (i < 0) return;
    replace(blanked(text_, i, 1), i);
}

void MaskedEdit::paste(std::string_view text) {
    bool shaped = fitsShape(text, selStart_);
    if (!shaped && std::none_of(text.begin(), text.end(), isDigit)) return;
    std::string t = blanked(text_, selStart_, selLength_);
    int end = layOver(t, text, selStart_);
    replace(std::move(t), caretAfter(end));
}

}  // namespace ui
