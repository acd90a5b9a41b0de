// Seeded random sessions of user events on the loaded window: the generator of window states
// that the random model test checks after every event and the saved-job round trip saves.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "tests/unit/AppFixture.h"

namespace testsupport {

using platform::Answer;

// splitmix64: the same numbers for a seed whatever the compiler and library.
struct Rng {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    template <class T>
    T pick(const std::vector<T>& v) {
        return v[static_cast<std::size_t>(below(static_cast<int>(v.size())))];
    }
};

struct Session : AppFixture {
    explicit Session(std::uint64_t seed) : rng{seed} {
        for (ui::Control* c : w.controls()) {
            if (auto* x = dynamic_cast<ui::CheckBox*>(c)) boxes.push_back(x);
            if (auto* x = dynamic_cast<ui::OptionGroup*>(c)) groups.push_back(x);
            if (auto* x = dynamic_cast<ui::TextBox*>(c)) texts.push_back(x);
            if (auto* x = dynamic_cast<ui::Calendar*>(c)) calendars.push_back(x);
        }
        p.shortDate = rng.pick<std::string>({"12/7/2026", "7/12/26", "2026-12-07", "1/2/3/4", "//"});
    }
    // A control the user can reach: enabled and seen; nullptr when there is none.
    template <class T>
    T* reachable(const std::vector<T*>& all) {
        std::vector<T*> open;
        for (T* c : all)
            if (c->enabled() && c->visible()) open.push_back(c);
        return open.empty() ? nullptr : rng.pick(open);
    }

    Rng rng;
    std::vector<ui::CheckBox*> boxes;
    std::vector<ui::OptionGroup*> groups;
    std::vector<ui::TextBox*> texts;
    std::vector<ui::Calendar*> calendars;
    std::size_t messagesSeen = 0, processesSeen = 0;
};

// Keys typed into text boxes: digits most often, then what number, path and list fields meet.
inline const std::vector<std::string> kKeys = {"0", "1", "2", "5", "7", "9",  "0",  "3", ".", "-",       "+",
                                               "e", ",", "a", "x", " ", "\\", "\"", ":", "%", "\xC3\xA9"};
// Keys typed into the run-hours field, with their virtual-key codes.
struct MaskKey {
    char c;
    int vk;
};
inline const std::vector<MaskKey> kMaskKeys = {{'0', 0x30}, {'1', 0x31}, {'2', 0x32}, {'3', 0x33}, {'4', 0x34},
                                               {'5', 0x35}, {'6', 0x36}, {'7', 0x37}, {'8', 0x38}, {'9', 0x39},
                                               {':', 0xBA}, {' ', 0x20}, {'-', 0xBD}, {'x', 0x58}};
constexpr int kBack = 8, kEnter = 13, kLeft = 37, kRight = 39, kDelete = 46, kKeyV = 0x56;

inline std::string dropLastChar(std::string t) {
    while (!t.empty() && (static_cast<unsigned char>(t.back()) & 0xC0) == 0x80) t.pop_back();
    if (!t.empty()) t.pop_back();
    return t;
}

inline std::string randomText(Session& x, const std::vector<std::string>& keys, int most) {
    std::string t;
    for (int n = 1 + x.rng.below(most); n > 0; --n) t += x.rng.pick(keys);
    return t;
}

// One user event each; returns what was done, or "" when it had nothing to act on.
using Event = std::string (*)(Session&);
struct EventRow {
    int weight;
    Event run;
};

inline const EventRow kEvents[] = {
    {20,
     [](Session& x) -> std::string {
         ui::CheckBox* b = x.reachable(x.boxes);
         if (!b) return "";
         b->click();
         return "click " + b->name();
     }},
    {14,
     [](Session& x) -> std::string {
         ui::OptionGroup* g = x.reachable(x.groups);
         if (!g) return "";
         int i = x.rng.below(g->size());
         g->select(i);
         return "select " + g->name() + "(" + std::to_string(i) + ")";
     }},
    {22,
     [](Session& x) -> std::string {
         ui::TextBox* t = x.reachable(x.texts);
         if (!t) return "";
         switch (x.rng.below(10)) {
             case 0: t->setText(dropLastChar(t->text())); return "backspace in " + t->name();
             case 1: t->setText(""); return "clear " + t->name();
             case 2: {
                 std::string pasted = randomText(x, kKeys, 6);
                 t->setText(t->text() + pasted);
                 return "paste '" + pasted + "' into " + t->name();
             }
             default: {
                 std::string key = x.rng.pick(kKeys);
                 t->setText(t->text() + key);
                 return "type '" + key + "' into " + t->name();
             }
         }
     }},
    {5,
     [](Session& x) -> std::string {
         ui::TextBox* t = x.reachable(x.texts);
         if (!t) return "";
         t->loseFocus();
         return "leave " + t->name();
     }},
    {16,
     [](Session& x) -> std::string {
         ui::MaskedEdit& m = x.w.mskEdRunHours;
         if (!m.enabled()) return "";
         switch (x.rng.below(13)) {
             case 0:
                 m.backspace();
                 m.keyUp(kBack);
                 return "mask backspace";
             case 1:
                 m.deleteForward();
                 m.keyUp(kDelete);
                 return "mask delete";
             case 2: {
                 int at = x.rng.below(m.length() + 1);
                 m.setSelection(at, 0);
                 m.keyUp(x.rng.below(2) ? kLeft : kRight);
                 return "mask caret " + std::to_string(at);
             }
             case 3: {
                 int at = x.rng.below(m.length() + 1), n = x.rng.below(m.length() + 1);
                 m.setSelection(at, n);
                 m.keyUp(kRight);
                 return "mask select " + std::to_string(at) + "+" + std::to_string(n);
             }
             case 4: {
                 std::string pasted;
                 for (int n = 1 + x.rng.below(13); n > 0; --n) pasted += x.rng.pick(kMaskKeys).c;
                 m.paste(pasted);
                 m.keyUp(kKeyV);
                 return "mask paste '" + pasted + "'";
             }
             case 5: m.keyUp(kEnter); return "mask enter";
             case 6: {
                 // A whole window typed from the start, often near or equal to an ordered one.
                 const int start = x.rng.below(24 * 60);
                 const int spans[] = {0, 1, -1, 59, 61, 600, -600, x.rng.below(24 * 60)};
                 const int end = ((start + spans[x.rng.below(8)]) % (24 * 60) + 24 * 60) % (24 * 60);
                 char typed[9];
                 std::snprintf(typed, sizeof typed, "%02d%02d%02d%02d", start / 60, start % 60, end / 60, end % 60);
                 m.setSelection(0, 0);
                 for (const char* c = typed; *c; ++c) {
                     m.typeChar(*c);
                     m.keyUp(*c);
                 }
                 return std::string("mask window ") + typed;
             }
             default: {
                 MaskKey k = x.rng.pick(kMaskKeys);
                 m.typeChar(k.c);
                 m.keyUp(k.vk);
                 return std::string("mask type '") + k.c + "'";
             }
         }
     }},
    {6,
     [](Session& x) -> std::string {
         ui::Slider& sl = x.rng.below(2) ? x.w.sldRetry : x.w.sldWait;
         const int steps[] = {-5, -1, 1, 5};
         int to = x.rng.below(3) ? sl.position() + steps[x.rng.below(4)] : x.rng.below(31);
         sl.scrollTo(to);
         if (x.rng.below(2) == 0) return "keys " + sl.name() + " to " + std::to_string(to);
         sl.mouseUp();
         return "drag " + sl.name() + " to " + std::to_string(to);
     }},
    {8,
     [](Session& x) -> std::string {
         ui::MainWindow& w = x.w;
         int i = x.rng.below(2);
         switch (x.rng.below(3)) {
             case 0: {
                 int tab = x.rng.below(w.tabStripOptions.size());
                 w.tabStripOptions.choose(tab);
                 return "tab " + std::to_string(tab);
             }
             case 1:
                 if (!w.cmdCopyOptionNext(i).enabled() || !w.cmdCopyOptionNext(i).visible()) return "";
                 w.cmdCopyOptionNext(i).press();
                 return "page step " + std::to_string(i);
             default:
                 if (!w.cmdCalSelect(i).enabled()) return "";
                 w.cmdCalSelect(i).press();
                 return "date page step " + std::to_string(i);
         }
     }},
    {2,
     [](Session& x) -> std::string {
         x.app.Form_Activate();
         return "activate";
     }},
    {3,
     [](Session& x) -> std::string {
         ui::Calendar* cal = x.reachable(x.calendars);
         if (!cal) return "";
         static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
         int month = 1 + x.rng.below(12);
         platform::Date d{1980 + x.rng.below(120), month, 1 + x.rng.below(kDays[month - 1])};
         cal->setDate(d);
         return "date " + cal->name() + " " + std::to_string(d.year) + "-" + std::to_string(d.month) + "-" +
             std::to_string(d.day);
     }},
    {4,
     [](Session& x) -> std::string {
         Answer a = x.rng.below(2) ? Answer::Ok : Answer::Cancel;
         x.p.answers = {a};
         x.w.cmdRun.press();
         return a == Answer::Ok ? "copy, answering OK" : "copy, answering Cancel";
     }},
    {5,
     [](Session& x) -> std::string {
         const bool source = x.rng.below(2);
         std::string folder = x.rng.pick<std::string>(
             {"", "C:\\Data", "E:\\", "D:\\Backup\\Set 1", "\\\\server\\share\\dir", "C:\\a\\b\\"});
         x.p.folderAnswers = {folder.empty() ? fake::DialogAnswer(std::nullopt) : folder};
         (source ? x.w.cmdBrowseSrc : x.w.cmdBrowseDest).press();
         return std::string(source ? "browse source -> '" : "browse destination -> '") + folder + "'";
     }},
    {3,
     [](Session& x) -> std::string {
         std::optional<std::string> name = x.rng.pick<std::optional<std::string>>(
             {std::nullopt, "C:\\logs\\run.log", "D:\\my logs\\a b.txt", "C:\\logs\\"});
         x.p.saveAnswers = {name};
         x.w.cmdLogFile.press();
         return "browse log -> " + name.value_or("(cancel)");
     }},
};

inline std::string nextEvent(Session& x) {
    int total = 0;
    for (const EventRow& e : kEvents) total += e.weight;
    for (;;) {
        int r = x.rng.below(total);
        for (const EventRow& e : kEvents) {
            if ((r -= e.weight) >= 0) continue;
            std::string done = e.run(x);
            if (!done.empty()) return done;
            break;
        }
    }
}

// One event, with whatever message it shows answered OK or Cancel at random (Copy picks its own).
inline std::string step(Session& x) {
    x.p.answers = {x.rng.below(2) ? Answer::Ok : Answer::Cancel};
    return nextEvent(x);
}

}  // namespace testsupport
