// Command-line splitting and the argument check under arbitrary text. Any text splits as the C
// runtime's documented rules split it (the oracle in tests/support); a quoted value without a
// double quote comes back whole; and a command built from arbitrary folder boxes, exclusion list
// and log name is either refused, for a cause the user typed, or reaches the engine as exactly
// the intended arguments. The input is the four texts separated by line feeds.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "command/Arguments.h"
#include "command/CommandLine.h"
#include "slots/SwitchSlots.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/support/QuoteArgument.h"
#include "tests/support/RuntimeArgv.h"

namespace {

using Args = std::vector<std::string>;

std::string shown(const Args& a) {
    std::string out;
    for (const auto& s : a) out += "[" + s + "]";
    return out;
}

bool holdsQuote(std::string_view v) { return v.find('"') != std::string_view::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view whole(reinterpret_cast<const char*>(data), size);
    if (Args ours = command::splitCommandLine(whole), runtime = testsupport::runtimeArgv(whole); ours != runtime)
        fuzz::fail("command line split as " + shown(ours) + ", the runtime gives " + shown(runtime));
    if (Args ours = command::splitArguments(whole), runtime = testsupport::runtimeArguments(whole); ours != runtime)
        fuzz::fail("arguments split as " + shown(ours) + ", the runtime gives " + shown(runtime));

    fuzz::Input in(data, size);
    const std::string src = in.until('\n'), dst = in.until('\n'), list = in.until('\n'), log = in.until('\n');

    for (const std::string& v : {src, dst, list, log}) {
        if (holdsQuote(v)) continue;
        Args back = command::splitArguments(testsupport::quoteArgument(v) + " /Z");
        if (back != Args{v, "/Z"}) fuzz::fail("quoted '" + v + "' splits as " + shown(back));
    }

    if (src.empty() || dst.empty()) return 0;  // the Copy press stops before building a command
    slots::SwitchSlots s;
    s.SubdirSwitch = " /E";
    s.CopyPrefix = " /COPY:";
    s.CopyFlagD = "D";
    s.CopyFlagA = "A";
    s.RetrySwitch = " /R:0";
    if (!list.empty()) s.ExcludeFilesSwitch = " /XF " + list;
    if (!log.empty()) s.LogSwitch = " /LOG:\"" + log + "\"";
    s.SourcePathArg = command::derivePath(src).written;
    s.DestPathArg = command::derivePath(dst).written;
    const std::string line = command::displayForm(s);

    if (auto field = command::findBrokenArgument(s, src, dst)) {
        const bool cause = holdsQuote(src) || holdsQuote(dst) || holdsQuote(list) || holdsQuote(log) ||
            (!log.empty() && log.back() == '\\');
        if (!cause) fuzz::fail("refused (" + *field + ") the sound command " + line);
        return 0;
    }
    Args intended{"robocopy.exe", command::derivePath(src).value, command::derivePath(dst).value};
    for (std::string& w : testsupport::plainWords(command::switchText(s))) intended.push_back(std::move(w));
    Args split = testsupport::runtimeArgv(line);
    if (split != intended) fuzz::fail("accepted " + line + " splits as " + shown(split) + ", not " + shown(intended));
    return 0;
}
