// Reading a saved job back: the command file's bytes in the code page Save wrote them in, its
// first non-empty line with Save's escaping undone, split as the engine's runtime splits it into
// the engine, the two folders and the switches. Which switches the window can show is the
// window's business (options/OpenJob.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace command {

// No saved job comes near it; a larger file is some other file.
inline constexpr std::size_t kJobFileMostBytes = 64 * 1024;

struct JobSwitch {
    std::string token;  // as written, quotes kept: "/LEV:3", "/log+:\"C:\\my logs\\a.log\""
    // What follows it up to the blank before the next switch, blanks kept: the rest of a value
    // or a list that holds blanks. Empty when the next switch follows after one blank.
    std::string tail;

    // The switch's name, without its slash and the colon and value after it: "LEV", "log+".
    std::string_view name() const;
    // The text after the colon, or "" for a switch without one.
    std::string_view afterColon() const;
};

struct JobLine {
    std::string source, destination;  // as the engine reads them: "E:\\" is E:\ .
    std::vector<JobSwitch> switches;  // in the file's order
};

// Why a job cannot be opened, as a sentence for the user.
struct JobRefusal {
    std::string reason;
    friend bool operator==(const JobRefusal&, const JobRefusal&) = default;
};

// The reason for the first token that a job cannot take.
JobRefusal cannotTake(std::string_view token);

// A name that Save gives a job: .cmd, .bat or .txt, in any case.
bool isJobFileName(std::string_view name);

// The first line that holds more than blanks, without its line end; nullopt when there is none.
std::optional<std::string_view> firstLine(std::string_view text);
// What interpreterLine() was given: "%%" is "%", and outside quotes a caret gives the character
// after it. A bare "%", "&", "|", "<" or ">" outside quotes, or a caret that ends the line,
// would make the command interpreter run something else: refused, quoting the word it is in.
// Each of these gives its result in the last argument, or the refusal.
std::optional<JobRefusal> scriptLineText(std::string_view line, std::string& text);
// The line split into its parts: the engine (robocopy or robocopy.exe, in any case, after any
// folder), two folders, then switches, each with the words that follow it.
std::optional<JobRefusal> parseJobLine(std::string_view line, JobLine&);
// The first line of a file's text, unescaped when the file is a command script, parsed.
std::optional<JobRefusal> readJobText(std::string_view text, bool commandScript, JobLine&);
// The file, read in the code page Save writes its kind of file in.
std::optional<JobRefusal> readJobFile(const std::string& path, platform::Platform&, JobLine&);

// The message of a refusal: the file and the reason.
std::string jobRefusedText(std::string_view path, std::string_view reason);

}  // namespace command
