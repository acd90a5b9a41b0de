#include "tests/fake/FakePlatform.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace fake {

namespace {

// A few letters of code page 437: the character and its byte.
constexpr std::pair<unsigned, unsigned char> k437[] = {{0xE9, 0x82}, {0xE8, 0x8A}, {0xFC, 0x81},
                                                       {0xE4, 0x84}, {0xF6, 0x94}, {0xC9, 0x90}};

void appendUtf8(std::string& out, unsigned code) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
}

}  // namespace

bool FakePlatform::isLocaleNumber(const std::string& text) {
    if (text.empty()) return false;
    const char* begin = text.c_str();
    char* end = nullptr;
    std::strtod(begin, &end);
    // strtod also reads "inf", "nan" and hexadecimal; the locale conversion does not.
    for (char c : text)
        if (!(c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E' || (c >= '0' && c <= '9'))) return false;
    return end != begin && *end == '\0';
}

std::optional<std::string> FakePlatform::encode(const std::string& utf8, platform::CodePage page) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        // Two-byte sequences only: U+0080..U+07FF.
        if ((c & 0xE0) != 0xC0 || i + 1 >= utf8.size()) return std::nullopt;
        unsigned code = ((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
        if (page == platform::CodePage::Ansi) {
            if (code < 0xA0 || code > 0xFF) return std::nullopt;
            out += static_cast<char>(code);
        } else {
            bool found = false;
            for (auto [u, b] : k437)
                if (u == code) {
                    out += static_cast<char>(b);
                    found = true;
                }
            if (!found) return std::nullopt;
        }
    }
    return out;
}

std::optional<std::string> FakePlatform::decode(const std::string& bytes, platform::CodePage page) {
    std::string out;
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else if (page == platform::CodePage::Ansi) {
            if (b < 0xA0) return std::nullopt;
            appendUtf8(out, b);
        } else {
            const auto* hit =
                std::find_if(std::begin(k437), std::end(k437), [b](const auto& e) { return e.second == b; });
            if (hit == std::end(k437)) return std::nullopt;
            appendUtf8(out, hit->first);
        }
    }
    return out;
}

}  // namespace fake
