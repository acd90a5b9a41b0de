#include "command/JobFile.h"

#include "command/Arguments.h"
#include "command/CommandFile.h"
#include "command/CommandLine.h"
#include "command/NoCase.h"

namespace command {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimEnd(std::string_view s) {
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The blank-separated word of the line around a position, for a message.
std::string_view wordAt(std::string_view line, std::size_t at) {
    std::size_t begin = at, end = at;
    while (begin > 0 && !isBlank(line[begin - 1])) --begin;
    while (end < line.size() && !isBlank(line[end])) ++end;
    return line.substr(begin, end - begin);
}

// "%%" back to "%"; the offset of a "%" that stands alone, which the interpreter would expand.
std::optional<std::size_t> undoubledPercents(std::string_view line, std::string& out) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        out += line[i];
        if (line[i] != '%') continue;
        if (i + 1 >= line.size() || line[i + 1] != '%') return i;
        ++i;
    }
    return std::nullopt;
}

// The engine, with or without its extension, and after any folder.
bool namesEngine(std::string_view program) {
    const std::size_t slash = program.find_last_of("\\/");
    if (slash != std::string_view::npos) program.remove_prefix(slash + 1);
    std::string_view bare = kEngineName.substr(0, kEngineName.rfind('.'));
    return equalsNoCase(program, kEngineName) || equalsNoCase(program, bare);
}

}  // namespace

std::string_view JobSwitch::name() const {
    std::string_view t = token;
    t.remove_prefix(1);
    return t.substr(0, t.find(':'));
}

std::string_view JobSwitch::afterColon() const {
    const std::size_t colon = token.find(':');
    return colon == std::string::npos ? std::string_view() : std::string_view(token).substr(colon + 1);
}

JobRefusal cannotTake(std::string_view token) {
    return {"It holds \"" + std::string(token) + "\", which this program cannot take."};
}

bool isJobFileName(std::string_view name) { return isCommandScriptName(name) || endsWithNoCase(name, ".txt"); }

std::optional<std::string_view> firstLine(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        for (char c : line)
            if (!isBlank(c)) return line;
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return std::nullopt;
}

std::optional<JobRefusal> scriptLineText(std::string_view line, std::string& out) {
    std::string escaped;
    if (const std::optional<std::size_t> at = undoubledPercents(line, escaped)) return cannotTake(wordAt(line, *at));
    bool quoted = false;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const char c = escaped[i];
        if (c == '"') quoted = !quoted;
        if (quoted || (c != '^' && c != '&' && c != '|' && c != '<' && c != '>')) {
            out += c;
            continue;
        }
        if (c != '^' || i + 1 >= escaped.size()) return cannotTake(wordAt(escaped, i));
        // The caret's character is taken as it is; a quote it escapes groups nothing for the
        // interpreter, though it still does for the engine.
        out += escaped[++i];
    }
    return std::nullopt;
}

std::optional<JobRefusal> parseJobLine(std::string_view line, JobLine& job) {
    line = trimEnd(line);
    const PlacedLine placed = splitPlacedCommandLine(line);
    const auto& args = placed.arguments;
    auto written = [&](const PlacedArgument& a) { return line.substr(a.begin, a.end - a.begin); };
    auto isSwitch = [&](const PlacedArgument& a) { return a.end > a.begin && line[a.begin] == '/'; };

    if (!namesEngine(args[0].value)) return cannotTake(written(args[0]));
    if (placed.quoteOpen) return cannotTake(written(args.back()));
    for (std::size_t i = 1; i <= 2; ++i) {
        if (i >= args.size()) return JobRefusal{"It does not name both a source and a destination folder."};
        if (isSwitch(args[i])) return cannotTake(written(args[i]));
    }

    job = {args[1].value, args[2].value, {}};
    for (std::size_t i = 3; i < args.size(); ++i) {
        if (!isSwitch(args[i])) {
            // A word after a switch belongs to it; before any switch it would be a third folder.
            if (job.switches.empty()) return cannotTake(written(args[i]));
            continue;
        }
        std::size_t next = i + 1;
        while (next < args.size() && !isSwitch(args[next])) ++next;
        // The writer puts one blank before each switch; anything else is the value's own.
        const std::size_t tailEnd = next < args.size() ? args[next].begin - 1 : line.size();
        job.switches.push_back(
            {std::string(written(args[i])), std::string(line.substr(args[i].end, tailEnd - args[i].end))});
    }
    return std::nullopt;
}

std::optional<JobRefusal> readJobText(std::string_view text, bool commandScript, JobLine& job) {
    const std::optional<std::string_view> line = firstLine(text);
    if (!line) return JobRefusal{"It holds no robocopy command line."};
    if (!commandScript) return parseJobLine(*line, job);
    std::string unescaped;
    if (auto refused = scriptLineText(*line, unescaped)) return refused;
    return parseJobLine(unescaped, job);
}

std::optional<JobRefusal> readJobFile(const std::string& path, platform::Platform& p, JobLine& job) {
    const platform::Result<std::string> bytes = p.readFile(path, kJobFileMostBytes + 1);
    if (bytes.isFailed()) return JobRefusal{bytes.reason};
    if (bytes.value.size() > kJobFileMostBytes) return JobRefusal{"It is larger than 64 KB, which no saved job is."};
    const bool script = isCommandScriptName(path);
    const std::optional<std::string> text =
        p.decode(bytes.value, script ? platform::CodePage::Oem : platform::CodePage::Ansi);
    if (!text)
        return JobRefusal{script ? "It is not text in the OEM code page, in which .cmd and .bat files are saved."
                                 : "It is not text in the ANSI code page of this system."};
    return readJobText(*text, script, job);
}

std::string jobRefusedText(std::string_view path, std::string_view reason) {
    return "The job could not be opened:\r\n" + std::string(path) + "\r\n" + std::string(reason) +
        "\r\nThe window was left as it was.";
}

}  // namespace command
