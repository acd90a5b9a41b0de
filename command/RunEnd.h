// How a copy run ended, in the words the window tells it: the engine's exit code is a set of bits,
// 8 and above meaning that something could not be copied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace command {

// Whether the user must not miss it: some files were not copied, or nothing was.
bool runFailed(std::uint32_t exitCode);
// Whether nothing was copied at all (16), or the engine did not end by itself.
bool runFailedSeriously(std::uint32_t exitCode);
// The exit code in plain words: "files copied, no failures".
std::string exitCodeWords(std::uint32_t exitCode);
// The status line after a run ended: "Ended 14:32: files copied, no failures (exit code 1)".
std::string runEndedStatus(std::string_view time, std::uint32_t exitCode);
// The status line: what ended last (may be empty) and, while runs go on, how many.
std::string runStatus(std::string_view lastEnded, std::size_t running);
// The message for a failed run, naming its folders.
std::string runFailedText(std::string_view source, std::string_view destination, std::string_view time,
                          std::uint32_t exitCode);

}  // namespace command
