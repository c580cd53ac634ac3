#pragma once
// Names on a memory card and in the settings file match without regard to ASCII letter case;
// other bytes must be equal.

#include <algorithm>
#include <string_view>

namespace vx {

inline char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

} // namespace vx
