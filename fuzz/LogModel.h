#pragma once
// A second, deliberately plain reading of the log rules for the log fuzz targets: lines, fields,
// integers and number texts written the slow obvious way, so that the fast code is checked
// against something that shares none of its shortcuts.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::fuzz {

// The model is the yardstick, not the code under test: its branches would only crowd the
// fuzzer's coverage and slow every run down.
#define VX_FUZZ_MODEL __attribute__((no_sanitize("coverage")))

// Lines of a log: LF ends a line, every CR is dropped, a 0x1A starting a line ends the input.
VX_FUZZ_MODEL inline std::vector<std::string> ModelLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t lf = bytes.find('\n', start);
        std::string_view raw =
            bytes.substr(start, lf == std::string_view::npos ? bytes.npos : lf - start);
        if (!raw.empty() && raw[0] == '\x1A')
            break;
        std::string line;
        for (char c : raw)
            if (c != '\r')
                line += c;
        lines.push_back(line);
        if (lf == std::string_view::npos)
            break;
        start = lf + 1;
    }
    return lines;
}

VX_FUZZ_MODEL inline bool ModelBlank(char c) {
    return static_cast<unsigned char>(c) >= 1 && static_cast<unsigned char>(c) <= 32;
}

struct ModelField {
    std::string text;
    bool quoted = false;
};

// Fields of a line, one character at a time.
VX_FUZZ_MODEL inline std::vector<ModelField> ModelSplit(std::string_view s) {
    std::vector<ModelField> fields;
    std::size_t i = 0;
    while (i < s.size() && ModelBlank(s[i]))
        ++i;
    while (i < s.size()) {
        ModelField field;
        if (s[i] == '"') {
            field.quoted = true;
            ++i;
            while (i < s.size()) {
                if (s[i] == '"') {
                    if (i + 1 < s.size() && s[i + 1] == '"') {
                        field.text += '"';
                        i += 2;
                        continue;
                    }
                    ++i; // the closing quotation mark
                    break;
                }
                field.text += s[i++];
            }
        } else {
            while (i < s.size() && s[i] != ';' && !ModelBlank(s[i]))
                field.text += s[i++];
        }
        fields.push_back(field);
        while (i < s.size() && ModelBlank(s[i]))
            ++i;
        if (i < s.size() && s[i] == ';') {
            if (i + 1 == s.size())
                fields.push_back(ModelField{});
            ++i;
            while (i < s.size() && ModelBlank(s[i]))
                ++i;
        }
    }
    return fields;
}

VX_FUZZ_MODEL inline std::size_t CountSemicolons(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        n += c == ';';
    return n;
}

// A signed 32-bit decimal: optional sign, at least one digit, nothing else.
VX_FUZZ_MODEL inline std::optional<std::int32_t> ModelInt32(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    if (i == s.size())
        return std::nullopt;
    long long value = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return std::nullopt;
        value = value * 10 + (s[i] - '0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

VX_FUZZ_MODEL inline std::string ModelUtf8(std::string_view latin1) {
    std::string out;
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

VX_FUZZ_MODEL inline std::string NotInteger(std::string_view text) {
    return "'" + ModelUtf8(text) + "' ist kein gültiger Integerwert";
}

VX_FUZZ_MODEL inline std::string NotDecimal(std::string_view text) {
    return "'" + ModelUtf8(text) + "' ist kein gültiger Gleitkommawert";
}

// The decimal digits of a double rounded to 15 significant digits, by the C library.
struct Digits {
    std::string digits; // without trailing zeros, at least one digit
    int exponent;       // of the first digit
    bool negative;
};

VX_FUZZ_MODEL inline Digits FifteenDigits(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", value);
    Digits d{};
    const char* p = text;
    d.negative = *p == '-';
    if (d.negative)
        ++p;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.')
            d.digits += *p;
    d.exponent = std::atoi(p + 1);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

VX_FUZZ_MODEL inline std::string PlainFromDigits(const Digits& d) {
    std::string out = d.negative ? "-" : "";
    if (d.exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    } else if (d.digits.size() <= static_cast<std::size_t>(d.exponent) + 1) {
        out += d.digits + std::string(d.exponent + 1 - d.digits.size(), '0');
    } else {
        out += d.digits.substr(0, d.exponent + 1) + "." + d.digits.substr(d.exponent + 1);
    }
    return out;
}

// The number text: 15 significant digits, '.', exponent form below 0.0001 or from 1E15 on.
VX_FUZZ_MODEL inline std::string ModelNumberText(double value) {
    if (value == 0)
        return "0";
    const Digits d = FifteenDigits(value);
    if (d.exponent >= -4 && d.exponent < 15)
        return PlainFromDigits(d);
    std::string out = d.negative ? "-" : "";
    out += d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        out += "." + d.digits.substr(1);
    return out + "E" + std::to_string(d.exponent);
}

// The same digits never in exponent form, as GPX coordinates are written.
VX_FUZZ_MODEL inline std::string ModelPlainText(double value) {
    return value == 0 ? "0" : PlainFromDigits(FifteenDigits(value));
}

VX_FUZZ_MODEL inline double ModelDegrees(std::int32_t v) {
    const long long m = v < 0 ? -static_cast<long long>(v) : v;
    const long long d = m / 1000000;
    const float f = static_cast<float>(m - d * 1000000) / 1000000.0f;
    const double r =
        static_cast<double>(static_cast<float>(d)) + (static_cast<double>(f) * 100.0) / 60.0;
    return v < 0 ? -r : r;
}

VX_FUZZ_MODEL inline std::string ModelTenths(std::int32_t v) {
    const long long m = v < 0 ? -static_cast<long long>(v) : v;
    std::string out = v < 0 ? "-" : "";
    out += std::to_string(m / 10);
    if (m % 10 != 0)
        out += "." + std::to_string(m % 10);
    return out;
}

// Whether `text` has the documented form of a number text (the digits aside).
VX_FUZZ_MODEL inline bool IsNumberText(std::string_view t, bool allowExponent = true) {
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-')
        ++i;
    const std::size_t start = i;
    auto digitsFrom = [&](std::size_t& k) {
        const std::size_t from = k;
        while (k < t.size() && t[k] >= '0' && t[k] <= '9')
            ++k;
        return k - from;
    };
    const std::size_t intDigits = digitsFrom(i);
    if (intDigits == 0)
        return false;
    if (t.substr(start) == "0")
        return start == 0; // zero is "0", never "-0"
    std::size_t fracDigits = 0;
    std::size_t fracStart = i;
    if (i < t.size() && t[i] == '.') {
        fracStart = ++i;
        fracDigits = digitsFrom(i);
        if (fracDigits == 0 || t[i - 1] == '0')
            return false; // no trailing zeros, no bare point
    }
    if (i == t.size()) { // plain form
        std::string sig(t.substr(start, intDigits));
        sig += t.substr(fracStart, fracDigits);
        sig.erase(0, sig.find_first_not_of('0'));
        while (!sig.empty() && sig.back() == '0')
            sig.pop_back();
        if (intDigits > 1 && t[start] == '0')
            return false;
        if (intDigits > 15 || sig.size() > 15 || sig.empty())
            return false;
        return allowExponent ? std::strtod(std::string(t).c_str(), nullptr) != 0 &&
                                   std::abs(std::strtod(std::string(t).c_str(), nullptr)) >= 1e-4
                             : true;
    }
    if (!allowExponent || intDigits != 1 || t[start] == '0' || t[i] != 'E')
        return false;
    if (1 + fracDigits > 15)
        return false;
    ++i;
    if (i < t.size() && t[i] == '-')
        ++i;
    std::size_t expStart = i;
    if (digitsFrom(i) == 0 || i != t.size() || t[expStart] == '0')
        return false;
    const int exponent =
        std::atoi(std::string(t.substr(expStart - (t[expStart - 1] == '-'))).c_str());
    return exponent < -4 || exponent >= 15;
}

VX_FUZZ_MODEL inline std::string ListingOf(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string out;
    for (const auto& n : names)
        out += (out.empty() ? "" : " ") + n;
    return out;
}

} // namespace vx::fuzz
