// One value in double quotes, as the tests write a value that must arrive whole: the backslashes
// before the closing quote are doubled, so that they stay backslashes and the quote ends the
// value. A value holding a double quote cannot be written this way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace testsupport {

inline std::string quoteArgument(std::string_view value) {
    std::size_t trailing = 0;
    while (trailing < value.size() && value[value.size() - 1 - trailing] == '\\') ++trailing;
    std::string out = "\"";
    out += value;
    out.append(trailing, '\\');
    out += '"';
    return out;
}

}  // namespace testsupport
