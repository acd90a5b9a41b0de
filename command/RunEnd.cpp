#include "command/RunEnd.h"

#include <cstdio>

namespace command {
namespace {

constexpr std::uint32_t kFailureBits = 8;
constexpr std::uint32_t kSeriousBits = 16;
constexpr std::uint32_t kKnownBits = 31;

struct Bit {
    std::uint32_t bit;
    std::string_view words;
};
constexpr Bit kBits[] = {
    {1, "files copied"},
    {2, "extra files or folders found at the destination"},
    {4, "mismatched files or folders found"},
    {8, "some files or folders could not be copied"},
    {16, "a serious error: nothing was copied (a bad parameter, no access to a folder, or missing rights)"},
};

// The words and the code: "files copied, no failures (exit code 1)". Large codes are the
// system's (a console closed, a process ended from outside): shown in hex.
std::string wordsAndCode(std::uint32_t code) {
    char text[32];
    std::snprintf(text, sizeof text, code > 0xFFFF ? "0x%08X" : "%u", code);
    return exitCodeWords(code) + " (exit code " + text + ")";
}

}  // namespace

bool runFailed(std::uint32_t exitCode) { return exitCode >= kFailureBits; }

bool runFailedSeriously(std::uint32_t exitCode) { return exitCode >= kSeriousBits; }

std::string exitCodeWords(std::uint32_t exitCode) {
    if (exitCode > kKnownBits) return "robocopy.exe did not end by itself (it was closed or stopped)";
    if (exitCode == 0) return "nothing needed copying, no failures";
    std::string words;
    for (const Bit& b : kBits)
        if (exitCode & b.bit) words += (words.empty() ? "" : ", ") + std::string(b.words);
    if (!runFailed(exitCode)) words += ", no failures";
    return words;
}

std::string runEndedStatus(std::string_view time, std::uint32_t exitCode) {
    return "Ended " + std::string(time) + ": " + wordsAndCode(exitCode);
}

std::string runStatus(std::string_view lastEnded, std::size_t running) {
    std::string going;
    if (running == 1) going = "1 copy running";
    if (running > 1) going = std::to_string(running) + " copies running";
    if (lastEnded.empty()) return going;
    return going.empty() ? std::string(lastEnded) : std::string(lastEnded) + "; " + going;
}

std::string runFailedText(std::string_view source, std::string_view destination, std::string_view time,
                          std::uint32_t exitCode) {
    return "The copy from \"" + std::string(source) + "\" to \"" + std::string(destination) + "\" ended at " +
        std::string(time) + " with a failure:\r\n" + wordsAndCode(exitCode) + ".";
}

}  // namespace command
