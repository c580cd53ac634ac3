#pragma once
// Data lines of a device log and their fields.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Field numbers the conversions interpret.
inline constexpr std::size_t kLogTimeField = 2;
inline constexpr std::size_t kBaroHeightField = 4;
inline constexpr std::size_t kLongitudeField = 10;
inline constexpr std::size_t kLatitudeField = 11;
inline constexpr std::size_t kGpsHeightField = 12;
inline constexpr std::size_t kSpeedField = 13;

// A data line holds exactly 16 semicolons; every other line is passed over.
bool IsLogDataLine(std::string_view line);

// One split line. Reused from line to line, so splitting allocates nothing once it has seen the
// longest line; the field views point into the line or into `unquoted` and stay valid until the
// next split or until the line's text goes away.
struct LogRecord {
    std::vector<std::string_view> fields;
    std::string unquoted; // quoted fields with doubled quotation marks, unescaped
};

// Splits at ';' with quoted texts ("..." with "" for a quotation mark); characters 1 to 32
// around a field are dropped, and inside an unquoted field they end it.
void SplitLogLine(std::string_view line, LogRecord& out);

} // namespace vx
