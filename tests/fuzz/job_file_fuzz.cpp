// The saved-job reader under arbitrary text. Undoing the interpreter escaping gives back any
// text Save escaped; a line the reader takes splits, as the runtime splits it, into the engine,
// the folders it read and the words of its switches, and its switches with their words make up
// the rest of the line without a character lost. The first byte says whether the text is read
// as a command script; the text of the rest is also escaped as Save escapes a line.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "command/Arguments.h"
#include "command/CommandFile.h"
#include "command/JobFile.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/support/RuntimeArgv.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

void checkTaken(std::string_view line, const command::JobLine& job) {
    while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
    const std::vector<std::string> runtime = testsupport::runtimeArgv(line);
    if (runtime.size() < 3 || runtime[1] != job.source || runtime[2] != job.destination)
        fuzz::fail("folders read otherwise than the runtime reads them: " + std::string(line));
    std::string rest;
    for (const auto& s : job.switches) {
        if (s.token.empty() || s.token[0] != '/') fuzz::fail("a switch without its slash: " + s.token);
        rest += (rest.empty() ? "" : " ") + s.token + s.tail;
    }
    if (rest.empty()) return;
    if (rest.size() > line.size() || line.substr(line.size() - rest.size()) != rest)
        fuzz::fail("switches [" + rest + "] do not make up the rest of " + std::string(line));
    std::vector<std::string> words = command::splitArguments(rest);
    if (std::vector<std::string>(runtime.begin() + 3, runtime.end()) != words)
        fuzz::fail("switch words split otherwise than the line: " + std::string(line));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool script = data[0] & 1;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    std::string back;
    if (command::scriptLineText(command::interpreterLine(text), back) || back != text)
        fuzz::fail("escaped text does not come back: " + text);

    command::JobLine job;
    if (command::readJobText(text, script, job)) return 0;
    const std::string_view line = *command::firstLine(text);
    if (!script) {
        checkTaken(line, job);
        return 0;
    }
    std::string unescaped;
    command::scriptLineText(line, unescaped);
    checkTaken(unescaped, job);
    return 0;
}
