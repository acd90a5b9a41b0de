// Seeded random sessions of user events on the loaded window. After every event each slot must
// still have its form and agree with its controls, the run-hours field must keep its mask, and
// the command that Copy would build must either split back into exactly the intended arguments
// or be refused. A failure names its seed and the events that led to it; ZKV_MODEL_SEED=<seed>
// runs that one session alone.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/OptionTable.h"
#include "tests/support/RuntimeArgv.h"
#include "tests/unit/AppFixture.h"

namespace {

using platform::Answer;
using slots::SwitchSlots;

constexpr int kSessions = 2500;
constexpr int kEventsPerSession = 40;

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
const std::vector<std::string> kKeys = {"0", "1", "2", "5", "7", "9",  "0",  "3", ".", "-",       "+",
                                        "e", ",", "a", "x", " ", "\\", "\"", ":", "%", "\xC3\xA9"};
// Keys typed into the run-hours field, with their virtual-key codes.
struct MaskKey {
    char c;
    int vk;
};
const std::vector<MaskKey> kMaskKeys = {{'0', 0x30}, {'1', 0x31}, {'2', 0x32}, {'3', 0x33}, {'4', 0x34},
                                        {'5', 0x35}, {'6', 0x36}, {'7', 0x37}, {'8', 0x38}, {'9', 0x39},
                                        {':', 0xBA}, {' ', 0x20}, {'-', 0xBD}, {'x', 0x58}};
constexpr int kBack = 8, kEnter = 13, kLeft = 37, kRight = 39, kDelete = 46, kKeyV = 0x56;

std::string dropLastChar(std::string t) {
    while (!t.empty() && (static_cast<unsigned char>(t.back()) & 0xC0) == 0x80) t.pop_back();
    if (!t.empty()) t.pop_back();
    return t;
}

std::string randomText(Session& x, const std::vector<std::string>& keys, int most) {
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

const EventRow kEvents[] = {
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

std::string nextEvent(Session& x) {
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

bool startsWith(std::string_view v, std::string_view prefix) { return v.substr(0, prefix.size()) == prefix; }
bool allDigits(std::string_view v) {
    for (char c : v)
        if (c < '0' || c > '9') return false;
    return !v.empty();
}
int number(std::string_view v) { return std::atoi(std::string(v).c_str()); }

// " /RH:hhmm-hhmm" with real times and the end after the start.
bool runHoursForm(std::string_view v) {
    if (!startsWith(v, " /RH:") || v.size() != 14 || v[9] != '-') return false;
    std::string_view sh = v.substr(5, 2), sm = v.substr(7, 2), eh = v.substr(10, 2), em = v.substr(12, 2);
    if (!allDigits(sh) || !allDigits(sm) || !allDigits(eh) || !allDigits(em)) return false;
    if (number(sh) > 23 || number(sm) > 59 || number(eh) > 23 || number(em) > 59) return false;
    return number(eh) * 60 + number(em) > number(sh) * 60 + number(sm);
}

bool dateForm(std::string_view v, std::string_view prefix) {
    static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (!startsWith(v, prefix) || v.size() != prefix.size() + 8 || !allDigits(v.substr(prefix.size()))) return false;
    int month = number(v.substr(prefix.size() + 4, 2)), day = number(v.substr(prefix.size() + 6, 2));
    return month >= 1 && month <= 12 && day >= 1 && day <= kDays[month - 1];
}

// The name inside " /LOG:"..."" or " /LOG+:"..."", or nullopt for any other text.
std::optional<std::string> logName(std::string_view v) {
    for (std::string_view head : {" /LOG:\"", " /LOG+:\""})
        if (startsWith(v, head) && v.size() > head.size() + 1 && v.back() == '"')
            return std::string(v.substr(head.size(), v.size() - head.size() - 1));
    return std::nullopt;
}

bool holdsQuote(std::string_view v) { return v.find('"') != std::string_view::npos; }

// Everything that must hold after any event; the first thing that does not, or nullopt.
std::optional<std::string> violation(Session& x) {
    const ui::MainWindow& w = x.w;
    const SwitchSlots& s = x.s;
    auto bad = [](std::string what, const std::string& value) { return what + ": '" + value + "'"; };
    auto checked = [&](const char* box) { return w.get<ui::CheckBox>(box).checked(); };

    for (const testsupport::Toggle& t : testsupport::kToggles)
        if (s.*t.slot != (checked(t.box) ? t.text : "")) return bad(std::string("slot of ") + t.box, s.*t.slot);
    bool anyLetter = false;
    for (const testsupport::CopyFlag& f : testsupport::kCopyFlags) {
        if (s.*f.slot != (checked(f.box) ? f.letter : "")) return bad(std::string("slot of ") + f.box, s.*f.slot);
        anyLetter = anyLetter || !(s.*f.slot).empty();
    }
    if (s.CopyPrefix != (anyLetter ? testsupport::kCopyPrefix : "")) return bad("CopyPrefix", s.CopyPrefix);
    for (const testsupport::ChoiceGroup& g : testsupport::kChoiceGroups) {
        int i = w.get<ui::OptionGroup>(g.group).selected();
        if (i < 0 || i >= static_cast<int>(g.choices.size()) ||
            s.*g.slot != g.choices[static_cast<std::size_t>(i)].text)
            return bad(std::string("slot of ") + g.group, s.*g.slot);
    }
    if (s.LevelSwitch != (w.chkLev.checked() ? " /LEV:" + w.txtDirLev.text() : ""))
        return bad("LevelSwitch", s.LevelSwitch);
    for (const testsupport::ValueField& f : testsupport::kValueFields) {
        const ui::TextBox& field = w.get<ui::TextBox>(f.field);
        const std::string& v = s.*f.slot;
        if (!v.empty() && v != f.prefix + field.text()) return bad(std::string("slot of ") + f.field, v);
        if (!checked(f.box) && !v.empty()) return bad(std::string("slot of unchecked ") + f.box, v);
        if (!f.number) continue;
        if (checked(f.box) && v != (field.text().empty() ? "" : f.prefix + field.text()))
            return bad(std::string("slot of ") + f.field, v);
        if (!field.text().empty() && !x.p.isLocaleNumber(field.text()))
            return bad(std::string("no number in ") + f.field, field.text());
    }
    for (const testsupport::DateLimit& d : testsupport::kDateLimits) {
        const std::string& v = s.*d.slot;
        if (checked(d.box) ? !dateForm(v, d.prefix) : !v.empty()) return bad(std::string("slot of ") + d.box, v);
    }
    for (const testsupport::AttributeSet& a : testsupport::kAttributeSets) {
        std::string first, second;
        for (const char* l = a.letters; *l; ++l) {
            int i = w.get<ui::OptionGroup>(std::string(a.groupPrefix) + *l).selected();
            if (i == 0) first += *l;
            if (i == 1) second += *l;
        }
        if (s.*a.first != (first.empty() ? "" : a.firstPrefix + first)) return bad(a.firstPrefix, s.*a.first);
        if (s.*a.second != (second.empty() ? "" : a.secondPrefix + second)) return bad(a.secondPrefix, s.*a.second);
    }
    for (const testsupport::ListField& l : testsupport::kListFields) {
        const std::string& v = s.*l.slot;
        if (!v.empty() && (v.size() <= std::string_view(l.prefix).size() || !startsWith(v, l.prefix)))
            return bad(l.prefix, v);
    }
    std::string_view retry = s.RetrySwitch;
    if (!startsWith(retry, " /R:") || !allDigits(retry.substr(4)) || retry.size() > 6 ||
        std::to_string(number(retry.substr(4))) != retry.substr(4) || number(retry.substr(4)) > 30)
        return bad("RetrySwitch", s.RetrySwitch);
    if (s.WaitSwitch != " /W:" + std::to_string(w.sldWait.position())) return bad("WaitSwitch", s.WaitSwitch);
    for (const ui::Slider* slider : {&w.sldRetry, &w.sldWait}) {
        const ui::Label& value = slider == &w.sldRetry ? w.lblRetryVal : w.lblWaitVal;
        if (value.caption() != std::to_string(slider->position())) return bad(value.name(), value.caption());
    }
    if (!s.RunHoursSwitch.empty() && !runHoursForm(s.RunHoursSwitch)) return bad("RunHoursSwitch", s.RunHoursSwitch);
    if (!w.chkRunHours.checked() && !w.mskEdRunHours.enabled() && !s.RunHoursSwitch.empty())
        return bad("RunHoursSwitch while unchecked", s.RunHoursSwitch);
    if (!s.LogSwitch.empty() &&
        (!logName(s.LogSwitch) || startsWith(s.LogSwitch, " /LOG+:") != (w.optLogFile.selected() == 0)))
        return bad("LogSwitch", s.LogSwitch);

    const ui::MaskedEdit& m = w.mskEdRunHours;
    const std::string& t = m.text();
    if (t.size() != m.mask().size()) return bad("run-hours text", t);
    for (int i = 0; i < m.length(); ++i) {
        const bool digit = t[i] == ' ' || (t[i] >= '0' && t[i] <= '9');
        if (m.isDigitPosition(i) ? !digit : t[i] != m.mask()[i]) return bad("run-hours text", t);
    }
    if (m.selStart() < 0 || m.selLength() < 0 || m.selStart() + m.selLength() > m.length())
        return bad("run-hours selection", std::to_string(m.selStart()) + "+" + std::to_string(m.selLength()));

    if (w.DateLimitPage < 0 || w.DateLimitPage > 3) return bad("DateLimitPage", std::to_string(w.DateLimitPage));
    for (int i = 0; i < 4; ++i) {
        const testsupport::DateLimit& d = testsupport::kDateLimits[static_cast<std::size_t>(i)];
        const bool front = i == w.DateLimitPage;
        const auto& box = w.get<ui::CheckBox>(d.box);
        const auto& calendar = w.get<ui::Calendar>(d.calendar);
        if (box.visible() != front || box.enabled() != front || calendar.visible() != front)
            return bad("date page shows", d.box);
    }
    if (w.CopyOptionsPage < 0 || w.CopyOptionsPage > 2 || w.FileSelectionPage < 0 || w.FileSelectionPage > 3)
        return bad("page state", std::to_string(w.CopyOptionsPage) + "/" + std::to_string(w.FileSelectionPage));

    // The command that Copy would build now, with the paths derived as a press derives them.
    const std::string& src = w.txtSrcPath.text();
    const std::string& dst = w.txtDestPath.text();
    const bool continued = x.p.messages.size() > x.messagesSeen && x.p.messages.back().title == "Continue?";
    const bool started = x.p.processes.size() > x.processesSeen;
    x.messagesSeen = x.p.messages.size();
    x.processesSeen = x.p.processes.size();
    if (src.empty() || dst.empty()) {
        if (continued || started) return bad("a command without both folders", src + "|" + dst);
        return std::nullopt;
    }
    SwitchSlots c = s;
    c.SourcePathArg = command::derivePath(src).written;
    c.DestPathArg = command::derivePath(dst).written;
    std::vector<std::string> intended{"robocopy.exe", command::derivePath(src).value, command::derivePath(dst).value};
    for (std::string& word : testsupport::plainWords(command::switchText(c))) intended.push_back(std::move(word));
    const std::string display = command::displayForm(c);
    if (auto field = command::findBrokenArgument(c, src, dst)) {
        if (continued || started) return bad("a refused command went on", display);
        // Only a double quote of the user's, or a log name ending in a backslash, may break a line.
        bool cause = holdsQuote(src) || holdsQuote(dst);
        for (const auto& info : slots::commandOrder())
            cause = cause || (info.slot != &SwitchSlots::LogSwitch && holdsQuote(c.*info.slot));
        if (auto name = logName(c.LogSwitch)) cause = cause || holdsQuote(*name) || name->back() == '\\';
        if (!cause) return bad("refused (" + *field + ") a sound command", display);
        return std::nullopt;
    }
    if (testsupport::runtimeArgv(display) != intended) return bad("command does not split as intended", display);
    if (continued && x.p.messages.back().text != command::displayForm(s))
        return bad("Continue? shows", x.p.messages.back().text);
    if (started) {
        const std::string& line = x.p.processes.back().commandLine;
        std::vector<std::string> args = testsupport::runtimeArgv(line);
        if (!continued || line != command::launchForm(s, x.p.folder) || args.empty() ||
            args[0] != command::enginePath(x.p.folder) ||
            std::vector<std::string>(args.begin() + 1, args.end()) !=
                std::vector<std::string>(intended.begin() + 1, intended.end()))
            return bad("engine started with", line);
    }
    return std::nullopt;
}

// Runs one session; the failure with its seed and events, or "" when every event kept the invariants.
std::string runSession(std::uint64_t seed) {
    Session x(seed);
    std::string events;
    for (int step = 0; step < kEventsPerSession; ++step) {
        std::optional<std::string> problem;
        try {
            // Whatever message the event shows is answered OK or Cancel at random (Copy picks its own).
            x.p.answers = {x.rng.below(2) ? Answer::Ok : Answer::Cancel};
            events += "  " + nextEvent(x) + "\n";
            problem = violation(x);
        } catch (const std::exception& e) {
            problem = std::string("threw: ") + e.what();
        }
        if (problem)
            return "seed " + std::to_string(seed) + ", event " + std::to_string(step + 1) + ": " + *problem +
                "\nevents:\n" + events + "replay: ZKV_MODEL_SEED=" + std::to_string(seed) +
                " zkv_unit --gtest_filter=RandomModel.*";
    }
    return "";
}

TEST(RandomModel, EveryEventKeepsTheSlotsTheFieldAndTheCommandWellFormed) {
    {
        Session start(0);
        auto problem = violation(start);
        ASSERT_FALSE(problem) << "the loaded window: " << *problem;
    }
    if (const char* one = std::getenv("ZKV_MODEL_SEED")) {
        std::string failure = runSession(std::strtoull(one, nullptr, 10));
        ASSERT_TRUE(failure.empty()) << failure;
        return;
    }
    for (std::uint64_t seed = 1; seed <= kSessions; ++seed) {
        std::string failure = runSession(seed);
        ASSERT_TRUE(failure.empty()) << failure;
    }
}

}  // namespace
