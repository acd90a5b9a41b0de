#include "options/OpenJob.h"

#include <utility>

#include "command/NoCase.h"

namespace options {

namespace {

using command::JobSwitch;

bool onlyBlanks(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// The switch as the user wrote it, for a refusal.
std::string written(const JobSwitch& js) {
    std::string_view tail = js.tail;
    while (!tail.empty() && (tail.back() == ' ' || tail.back() == '\t')) tail.remove_suffix(1);
    return js.token + std::string(tail);
}

constexpr Read (*kReaders[])(Context&, const JobSwitch&, std::vector<Expectation>&) = {
    readToggle,       readChoiceGroup, readCopyFlags, readAttribSet,
    readNumericInput, readRunHours,    readDateLimit, readLogFile,
};

}  // namespace

std::string_view switchName(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '/')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == ':')) text.remove_suffix(1);
    return text;
}

bool isSwitch(const JobSwitch& js, std::string_view switchText) {
    return command::equalsNoCase(js.name(), switchName(switchText));
}

bool isBare(const JobSwitch& js) { return js.token.find(':') == std::string::npos && onlyBlanks(js.tail); }

std::optional<std::string> fixedValue(const JobSwitch& js) {
    if (js.token.find(':') == std::string::npos || !onlyBlanks(js.tail)) return std::nullopt;
    return std::string(js.afterColon());
}

std::optional<std::string> freeValue(const JobSwitch& js) {
    if (js.token.find(':') == std::string::npos) return std::nullopt;
    return std::string(js.afterColon()) + js.tail;
}

std::optional<std::string> listValue(const JobSwitch& js) {
    if (js.token.find(':') != std::string::npos) return std::nullopt;
    return js.tail.empty() ? std::string() : js.tail.substr(1);
}

int letterCount(std::string_view letters, char letter) {
    int n = 0;
    for (char c : letters) n += command::lowerAscii(c) == command::lowerAscii(letter);
    return n;
}

std::optional<command::JobRefusal> setJob(Context& c, const command::JobLine& job) {
    c.w.txtSrcPath.setText(job.source);
    c.w.txtDestPath.setText(job.destination);
    clearCopyFlags(c);
    std::vector<std::pair<const JobSwitch*, Expectation>> expected;
    for (const JobSwitch& js : job.switches) {
        std::vector<Expectation> own;
        Read read = Read::NotOurs;
        for (auto reader : kReaders)
            if ((read = reader(c, js, own)) != Read::NotOurs) break;
        if (read != Read::Set) return command::cannotTake(written(js));
        for (Expectation& e : own) expected.emplace_back(&js, std::move(e));
    }
    for (const auto& [js, e] : expected)
        if (c.s.*e.slot != e.text) return command::cannotTake(written(*js));
    return std::nullopt;
}

}  // namespace options
