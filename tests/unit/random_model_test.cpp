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
#include "tests/unit/RandomSession.h"

namespace {

using platform::Answer;
using slots::SwitchSlots;
using testsupport::Session;

constexpr int kSessions = 2500;
constexpr int kEventsPerSession = 40;

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
            events += "  " + testsupport::step(x) + "\n";
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
