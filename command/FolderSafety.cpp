#include "command/FolderSafety.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <vector>

#include "command/Arguments.h"

namespace command {

namespace {

// Windows compares folder names without case in every script; these ranges (upper case first,
// and what to add for the lower case) cover ASCII, Latin-1, Greek and Cyrillic.
struct CaseRange {
    char32_t first, last, toLower;
};
constexpr CaseRange kUpperCase[] = {
    {U'A', U'Z', 0x20}, {0xC0, 0xDE, 0x20}, {0x391, 0x3AB, 0x20}, {0x400, 0x40F, 0x50}, {0x410, 0x42F, 0x20}};

char32_t lowerCase(char32_t c) {
    if (c == 0xD7 || c == 0x3A2) return c;  // the multiplication sign, and a gap among the Greek capitals
    for (const CaseRange& r : kUpperCase)
        if (c >= r.first && c <= r.last) return c + r.toLower;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

// Lower case, with "/" taken as "\" as Windows takes it. Only one- and two-byte UTF-8 letters
// have a case here; every other byte stays as it is.
std::string foldedText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool pair =
            (byte & 0xE0) == 0xC0 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
        if (text[i] == '/') {
            out += '\\';
        } else if (byte < 0x80) {
            out += static_cast<char>(lowerCase(byte));
        } else if (!pair) {
            out += text[i];
        } else {
            appendUtf8(out, lowerCase(static_cast<char32_t>(((byte & 0x1F) << 6) | (text[++i] & 0x3F))));
        }
    }
    return out;
}

bool consume(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

bool isDrive(std::string_view segment) { return segment.size() == 2 && segment[1] == ':'; }

// The non-empty segments between backslashes.
std::vector<std::string_view> segmentsOf(std::string_view text) {
    std::vector<std::string_view> segments;
    while (!text.empty()) {
        const size_t end = text.find('\\');
        if (end != 0) segments.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return segments;
}

std::string joined(const std::vector<std::string_view>& segments, size_t from) {
    std::string out;
    for (size_t i = from; i < segments.size(); ++i) {
        if (i > from) out += '\\';
        out += segments[i];
    }
    return out;
}

bool isShareRoot(std::string_view normal) { return normal.starts_with("\\\\") && segmentsOf(normal).size() <= 2; }

bool isDriveRoot(std::string_view normal) { return normal.size() == 3 && isDrive(normal.substr(0, 2)); }

// The switches among these slots that the command holds, as a person reads them.
std::string heldSwitches(const slots::SwitchSlots& s, std::initializer_list<slots::Slot> which) {
    std::string out;
    for (slots::Slot slot : which) {
        std::string_view text = s.*slot;
        if (text.empty()) continue;
        if (!out.empty()) out += " and ";
        while (text.starts_with(' ')) text.remove_prefix(1);
        out += text;
    }
    return out;
}

// The levels " /LEV:n" lets the engine copy (1 is the source folder alone); 0 for no limit,
// which is also how a text that is not a positive number is taken, so that it never hides a risk.
unsigned levelsCopied(std::string_view levelSwitch) {
    constexpr std::string_view kLevel = " /LEV:";
    if (!consume(levelSwitch, kLevel)) return 0;
    unsigned levels = 0;
    auto [end, error] = std::from_chars(levelSwitch.data(), levelSwitch.data() + levelSwitch.size(), levels);
    if (error != std::errc() || end != levelSwitch.data() + levelSwitch.size()) return 0;
    return levels;
}

// The entries of the folder exclusion list, split as the engine splits its arguments, up to
// the first word the engine would read as a switch of its own.
std::vector<std::string> excludedFolders(std::string_view excludeSwitch) {
    constexpr std::string_view kExclude = " /XD ";
    std::vector<std::string> entries;
    if (!consume(excludeSwitch, kExclude)) return entries;
    for (std::string& word : splitArguments(excludeSwitch)) {
        if (word.starts_with('/')) break;
        entries.push_back(normalFolder(word));
    }
    return entries;
}

// Whether a sub-folder copy of the source takes in the destination below it. It does not when
// the levels copied stop above it, or when the exclusion list holds the destination or a folder
// on the way down to it, by its full path or by its name (the engine leaves out every folder of
// that name, and with it everything inside).
bool copiesDestination(const std::string& source, const std::string& destination, const slots::SwitchSlots& s) {
    const size_t skip = source.back() == '\\' ? source.size() : source.size() + 1;
    const std::vector<std::string_view> below = segmentsOf(std::string_view(destination).substr(skip));
    const unsigned levels = levelsCopied(s.LevelSwitch);
    if (levels != 0 && below.size() >= levels) return false;
    const std::vector<std::string> excluded = excludedFolders(s.ExcludeDirsSwitch);
    std::string folder = source.back() == '\\' ? source.substr(0, source.size() - 1) : source;
    for (std::string_view name : below) {
        folder += '\\';
        folder += name;
        for (const std::string& entry : excluded)
            if (entry == folder || entry == name) return false;
    }
    return true;
}

}  // namespace

std::string normalFolder(std::string_view folder) {
    const std::string folded = foldedText(folder);
    std::string_view rest = folded;
    bool share = false;
    if (consume(rest, "\\\\?\\unc\\") || consume(rest, "\\\\.\\unc\\"))
        share = true;
    else if (!consume(rest, "\\\\?\\") && !consume(rest, "\\\\.\\"))
        share = consume(rest, "\\\\");

    const std::vector<std::string_view> segments = segmentsOf(rest);
    // The server and the share, or the drive: ".." never takes them off.
    size_t root = 0;
    if (share)
        root = std::min<size_t>(2, segments.size());
    else if (!segments.empty() && isDrive(segments[0]))
        root = 1;
    std::vector<std::string_view> kept(segments.begin(), segments.begin() + static_cast<std::ptrdiff_t>(root));
    for (size_t i = root; i < segments.size(); ++i) {
        if (segments[i] == ".") continue;
        if (segments[i] != "..")
            kept.push_back(segments[i]);
        else if (kept.size() > root)
            kept.pop_back();
    }
    if (share) return "\\\\" + joined(kept, 0);
    if (root) return std::string(kept[0]) + "\\" + joined(kept, 1);
    return joined(kept, 0);
}

bool isInside(std::string_view inner, std::string_view outer) {
    if (outer.empty() || inner.size() <= outer.size() || !inner.starts_with(outer)) return false;
    return outer.back() == '\\' || inner[outer.size()] == '\\';
}

FolderCheck checkFolders(std::string_view source, std::string_view destination, const slots::SwitchSlots& s) {
    using slots::SwitchSlots;
    const std::string from = normalFolder(source), to = normalFolder(destination);
    if (from == to) return {FolderRisk::SameFolder, ""};

    const std::string purges = heldSwitches(s, {&SwitchSlots::PurgeSwitch, &SwitchSlots::MirSwitch});
    if (!purges.empty() && isInside(from, to)) return {FolderRisk::SourceInsideDestination, purges};

    const std::string subfolders = heldSwitches(s, {&SwitchSlots::SubdirSwitch, &SwitchSlots::MirSwitch});
    if (!subfolders.empty() && isInside(to, from) && copiesDestination(from, to, s))
        return {FolderRisk::DestinationInsideSource, subfolders};

    if (purges.empty()) return {};
    if (isDriveRoot(to)) return {FolderRisk::DestinationIsDriveRoot, purges};
    if (isShareRoot(to)) return {FolderRisk::DestinationIsShareRoot, purges};
    return {};
}

}  // namespace command
