// ExportSkyplotter on an arbitrary log, for firmware 1 or 408 as the first input byte picks: the
// output is the model's byte for byte, the two opening lines and then lines of 16 values each
// followed by ';' and CR LF, or the conversion stops with the message for a GPS height that is
// not a decimal number and leaves nothing behind.

#include "FuzzConversion.h"
#include "logconv/Skyplotter.h"

#include <cmath>
#include <cstdint>

namespace {

using namespace vx::fuzz;

const char* const kOpening = "2;126;71;49;0;0;0;10;\r\n0;0;0;\r\n";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The integer part of an optional sign, digits and an optional '.' or ',' fraction.
std::optional<std::string> IntegerPart(std::string_view t) {
    std::size_t i = 0;
    const bool negative = !t.empty() && t[0] == '-';
    if (!t.empty() && (t[0] == '-' || t[0] == '+'))
        ++i;
    std::string digits;
    while (i < t.size() && IsDigit(t[i]))
        digits += t[i++];
    if (digits.empty())
        return std::nullopt;
    if (i < t.size() && (t[i] == '.' || t[i] == ','))
        for (++i; i < t.size() && IsDigit(t[i]);)
            ++i;
    if (i != t.size())
        return std::nullopt;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (digits == "0")
        return digits;
    if (digits.size() <= 15)
        return (negative ? "-" : "") + digits;
    const double value = std::strtod(digits.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt; // beyond what a floating-point value holds
    return ModelNumberText(negative ? -value : value);
}

std::string Edited(std::string text) {
    if (!text.empty() && text[0] == '0')
        text.erase(0, 1);
    if (!text.empty())
        text.pop_back();
    return text;
}

Expected Model(std::string_view log, bool gpsFields) {
    Expected e;
    e.output = kOpening;
    for (const std::string& line : ModelLines(log)) {
        if (CountSemicolons(line) != 16)
            continue;
        const std::vector<ModelField> f =
            ModelSplit(line.substr(std::min<std::size_t>(3, line.size())));
        if (f.size() < (gpsFields ? 15u : 11u))
            continue;
        auto s = [&f](std::size_t k) { return f[k].text; };
        const std::string& s9 = f[9].text;
        const bool after = !s9.empty() && (static_cast<unsigned char>(s9[0]) > '0' ||
                                           (s9[0] == '0' && s9.size() > 1));
        const std::string longitude = after ? Edited(s9) : s9;
        const std::string latitude = s(10) != "0" ? Edited(s(10)) : s(10);
        std::string height = "0";
        if (gpsFields) {
            const auto part = IntegerPart(s(11));
            if (!part) {
                e.failure = NotDecimal(s(11));
                return e;
            }
            height = *part;
        }
        if (longitude == "0" || latitude == "0")
            continue;
        const std::string zero = "0";
        const std::string values[16] = {zero,
                                        s(3),
                                        s(2),
                                        s(4),
                                        s(5),
                                        gpsFields ? s(14) : zero,
                                        gpsFields ? s(12) : zero,
                                        zero,
                                        s(8),
                                        s(6),
                                        s(7),
                                        gpsFields ? s(13) : zero,
                                        zero,
                                        latitude,
                                        longitude,
                                        height};
        for (const std::string& value : values)
            e.output += value + ";";
        e.output += "\r\n";
    }
    return e;
}

void CheckShape(const std::string& output) {
    std::vector<std::string_view> lines;
    VX_FUZZ_CHECK(SplitCrLfLines(output, lines));
    VX_FUZZ_CHECK(lines.size() >= 2);
    VX_FUZZ_CHECK(lines[0] == "2;126;71;49;0;0;0;10;" && lines[1] == "0;0;0;");
    for (std::size_t i = 2; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        VX_FUZZ_CHECK(line.ends_with(';'));
        std::vector<std::string_view> values;
        while (!line.empty()) {
            const std::size_t end = line.find(';');
            values.push_back(line.substr(0, end));
            line.remove_prefix(end + 1);
        }
        // A copied value may hold a ';' of its own (from a quoted log field), never fewer.
        VX_FUZZ_CHECK(values.size() >= 16);
        VX_FUZZ_CHECK(values[0] == "0");
        if (values.size() == 16) {
            VX_FUZZ_CHECK(values[7] == "0" && values[12] == "0");
            VX_FUZZ_CHECK(IsNumberText(values[15]));
            VX_FUZZ_CHECK(values[13] != "0" && values[14] != "0");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::int32_t firmware = data[0] & 1 ? 408 : 1;
    const std::string_view log(reinterpret_cast<const char*>(data) + 1, size - 1);
    const Expected expected = Model(log, firmware > 407);
    const auto output = RunConversion(log, "SKP00001.CSV", expected, [&](const auto& path) {
        return vx::ExportSkyplotter(path, firmware);
    });
    if (output)
        CheckShape(*output);
    return 0;
}
