#pragma once
// Number texts as every conversion writes them: at most 15 significant digits, '.' as the
// decimal separator whatever the locale, exponent form below 0.0001 or beyond 15 integer digits.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// Room for any text the Write* functions below produce.
inline constexpr std::size_t kNumberTextCapacity = 32;

// Each Write* function writes into `out` (at least kNumberTextCapacity bytes) and returns the end.
char* WriteNumber(char* out, double value);
char* WriteWholeNumber(char* out, std::int32_t value);
char* WriteTenths(char* out, std::int32_t value);

// "8.33333312281563E-5", "48.2057600021362", "12", "0".
std::string FormatNumber(double value);
// The same significant digits, never in exponent form ("0.0000833333312281563").
std::string FormatPlainDecimal(double value);

// A signed 32-bit decimal integer: an optional '+' or '-', then digits (leading zeros allowed).
// Throws vx::Failure("'<text>' ist kein gültiger Integerwert") for anything else.
std::int32_t ParseInt32(std::string_view text);

// The log's coordinate encoding (ddmm.mmmm without the point) as decimal degrees. The fraction
// passes through single precision, as the device's own tools have always done.
double NmeaCoordinateDegrees(std::int32_t encoded);

std::string ConvertNmeaCoordinate(std::string_view text);
std::string FormatWholeNumber(std::string_view text);
std::string FormatTenths(std::string_view text);

} // namespace vx
