#pragma once
// The log rewritten as the semicolon-separated input of the program Skyplotter.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vx {

// Writes the log's name with "SKP" for its first three characters beside the log and returns
// that bare name. Firmware after 407 logs the fields that fill positions 6, 7, 12 and 16; for
// older firmware those positions hold "0".
std::string ExportSkyplotter(const std::filesystem::path& log, std::int32_t firmwareVersion);

// The integer part of a decimal text (sign, digits, optional '.' or ',' fraction), cut toward
// zero, as number text. Throws vx::Failure("'<text>' ist kein gültiger Gleitkommawert").
std::string IntegerPartOfDecimal(std::string_view text);

} // namespace vx
