#include "logconv/NumberText.h"

#include "fileio/Failure.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace vx {

namespace {

__extension__ typedef unsigned __int128 Uint128; // exact products of 53 by 64 bits

constexpr std::uint64_t kPow10[] = {1ull,
                                    10ull,
                                    100ull,
                                    1000ull,
                                    10000ull,
                                    100000ull,
                                    1000000ull,
                                    10000000ull,
                                    100000000ull,
                                    1000000000ull,
                                    10000000000ull,
                                    100000000000ull,
                                    1000000000000ull,
                                    10000000000000ull,
                                    100000000000000ull,
                                    1000000000000000ull,
                                    10000000000000000ull,
                                    100000000000000000ull,
                                    1000000000000000000ull};

int DecimalDigits(std::uint64_t n) {
    int digits = 1;
    while (digits < 19 && n >= kPow10[digits])
        ++digits;
    return digits;
}

char* WriteDigits(char* out, std::uint64_t n, int count) {
    for (int i = count - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    return out + count;
}

// Exponent form from the shortest 15-digit scientific text: "8.33333312281563E-5", "1E15".
char* WriteExponentForm(char* out, double magnitude) {
    char text[40];
    auto [end, ec] =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14);
    (void)ec;
    const char* e = static_cast<const char*>(std::memchr(text, 'e', end - text));
    const char* mantissaEnd = e;
    while (mantissaEnd > text + 1 && mantissaEnd[-1] == '0')
        --mantissaEnd;
    if (mantissaEnd[-1] == '.')
        --mantissaEnd;
    out = std::copy(static_cast<const char*>(text), mantissaEnd, out);
    *out++ = 'E';
    const char* exponent = e + 1;
    if (*exponent == '-')
        *out++ = '-';
    ++exponent; // the sign, '+' or '-'
    while (exponent + 1 < end && *exponent == '0')
        ++exponent;
    return std::copy(exponent, static_cast<const char*>(end), out);
}

// Plain form for 1e-4 <= magnitude < 1e15, rounded half up on the exact binary value; returns
// nullptr when rounding carries the value into exponent form.
char* WritePlainForm(char* out, double magnitude) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(magnitude);
    const std::uint64_t mantissa = (bits & ((1ull << 52) - 1)) | (1ull << 52);
    const int shift = 1075 - static_cast<int>(bits >> 52); // magnitude = mantissa / 2^shift

    int fractionDigits;
    if (magnitude >= 1.0)
        fractionDigits = 15 - DecimalDigits(static_cast<std::uint64_t>(magnitude));
    else
        fractionDigits = 15;
    Uint128 scaled;
    std::uint64_t kept;
    for (;;) {
        scaled = static_cast<Uint128>(mantissa) * kPow10[fractionDigits];
        kept = static_cast<std::uint64_t>(scaled >> shift);
        if (kept >= kPow10[14] || fractionDigits == 18)
            break;
        ++fractionDigits;
    }
    const Uint128 rest = scaled & ((static_cast<Uint128>(1) << shift) - 1);
    if (rest >= (static_cast<Uint128>(1) << (shift - 1)))
        ++kept;
    if (kept == kPow10[15]) {
        kept = kPow10[14];
        if (--fractionDigits < 0)
            return nullptr;
    }
    while (fractionDigits > 0 && kept % 10 == 0) {
        kept /= 10;
        --fractionDigits;
    }
    const int digits = DecimalDigits(kept);
    const int integerDigits = digits - fractionDigits;
    if (integerDigits > 0) {
        char all[20];
        WriteDigits(all, kept, digits);
        out = std::copy(all, all + integerDigits, out);
        if (fractionDigits > 0) {
            *out++ = '.';
            out = std::copy(all + integerDigits, all + digits, out);
        }
        return out;
    }
    *out++ = '0';
    *out++ = '.';
    for (int i = integerDigits; i < 0; ++i)
        *out++ = '0';
    return WriteDigits(out, kept, digits);
}

} // namespace

char* WriteNumber(char* out, double value) {
    if (value == 0.0 || std::isnan(value)) {
        *out++ = '0';
        return out;
    }
    const double magnitude = std::fabs(value);
    if (std::signbit(value))
        *out++ = '-';
    if (magnitude >= 1e-4 && magnitude < 1e15) {
        if (char* end = WritePlainForm(out, magnitude))
            return end;
    }
    return WriteExponentForm(out, magnitude);
}

char* WriteWholeNumber(char* out, std::int32_t value) {
    return std::to_chars(out, out + kNumberTextCapacity, value).ptr;
}

char* WriteTenths(char* out, std::int32_t value) {
    const std::uint32_t magnitude =
        value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    if (value < 0)
        *out++ = '-';
    out = std::to_chars(out, out + kNumberTextCapacity, magnitude / 10).ptr;
    if (magnitude % 10 != 0) {
        *out++ = '.';
        *out++ = static_cast<char>('0' + magnitude % 10);
    }
    return out;
}

std::string FormatNumber(double value) {
    char text[kNumberTextCapacity];
    return std::string(text, WriteNumber(text, value));
}

std::string FormatPlainDecimal(double value) {
    const std::string number = FormatNumber(value);
    const std::size_t e = number.find('E');
    if (e == std::string::npos)
        return number;
    const bool negative = number[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
        if (number[i] != '.')
            digits += number[i];
    }
    const int exponent = std::stoi(number.substr(e + 1));
    std::string out = negative ? "-" : "";
    if (exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
        }
    }
    return out;
}

std::int32_t ParseInt32(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint64_t magnitude = 0;
    const std::uint64_t limit = negative ? 2147483648ull : 2147483647ull;
    bool valid = i < text.size();
    for (; valid && i < text.size(); ++i) {
        const unsigned digit = static_cast<unsigned char>(text[i]) - unsigned{'0'};
        magnitude = magnitude * 10 + digit;
        valid = digit <= 9 && magnitude <= limit;
    }
    if (!valid)
        throw Failure("'" + Latin1ToUtf8(text) + "' ist kein gültiger Integerwert");
    return negative ? static_cast<std::int32_t>(0 - magnitude)
                    : static_cast<std::int32_t>(magnitude);
}

double NmeaCoordinateDegrees(std::int32_t encoded) {
    const std::uint32_t magnitude = encoded < 0 ? 0u - static_cast<std::uint32_t>(encoded)
                                                : static_cast<std::uint32_t>(encoded);
    const std::uint32_t degrees = magnitude / 1000000;
    const float fraction = static_cast<float>(magnitude - degrees * 1000000) / 1000000.0f;
    const double result = static_cast<double>(static_cast<float>(degrees)) +
                          (static_cast<double>(fraction) * 100.0) / 60.0;
    return encoded < 0 ? -result : result;
}

std::string ConvertNmeaCoordinate(std::string_view text) {
    return FormatNumber(NmeaCoordinateDegrees(ParseInt32(text)));
}

std::string FormatWholeNumber(std::string_view text) {
    char out[kNumberTextCapacity];
    return std::string(out, WriteWholeNumber(out, ParseInt32(text)));
}

std::string FormatTenths(std::string_view text) {
    char out[kNumberTextCapacity];
    return std::string(out, WriteTenths(out, ParseInt32(text)));
}

} // namespace vx
