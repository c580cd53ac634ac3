#include "logconv/Skyplotter.h"

#include "fileio/AtomicFile.h"
#include "fileio/Failure.h"
#include "logconv/LogLine.h"
#include "logconv/LogReader.h"
#include "logconv/NumberText.h"
#include "logconv/OutputFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vx {

namespace {

// Firmware after this one logs the GPS height and the fields beside it.
constexpr std::int32_t kLastFirmwareWithoutGpsFields = 407;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Writes the integer part of `text` into `out` (kNumberTextCapacity bytes); nullptr when the
// text is not a decimal number.
char* WriteIntegerPart(char* out, std::string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++i;
    const std::size_t digitsStart = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    const std::size_t digitsEnd = i;
    if (digitsEnd == digitsStart)
        return nullptr;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
    }
    if (i != text.size())
        return nullptr;
    std::size_t first = digitsStart;
    while (first + 1 < digitsEnd && text[first] == '0')
        ++first;
    const std::string_view digits = text.substr(first, digitsEnd - first);
    if (digits == "0") {
        *out++ = '0';
        return out;
    }
    if (digits.size() <= 15) {
        if (negative)
            *out++ = '-';
        return std::copy(digits.begin(), digits.end(), out);
    }
    double value = 0; // beyond 15 digits the number text rounds and takes exponent form
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (parsed.ec != std::errc())
        return nullptr; // too large for any floating-point value, as the device's tools say too
    return WriteNumber(out, negative ? -value : value);
}

std::string_view EditCoordinate(std::string_view text) {
    if (!text.empty() && text.front() == '0')
        text.remove_prefix(1);
    if (!text.empty())
        text.remove_suffix(1);
    return text;
}

// S9 is edited only when it sorts after "0" byte by byte.
bool SortsAfterZero(std::string_view text) {
    return !text.empty() &&
           (static_cast<unsigned char>(text[0]) > '0' || (text[0] == '0' && text.size() > 1));
}

[[noreturn]] void ThrowNotDecimal(std::string_view text) {
    throw Failure("'" + Latin1ToUtf8(text) + "' ist kein gültiger Gleitkommawert");
}

void Field(AtomicFile& out, std::string_view value) {
    out.Write(value);
    out.Put(';');
}

} // namespace

std::string IntegerPartOfDecimal(std::string_view text) {
    char out[kNumberTextCapacity];
    char* end = WriteIntegerPart(out, text);
    if (!end)
        ThrowNotDecimal(text);
    return std::string(out, end);
}

std::string ExportSkyplotter(const std::filesystem::path& log, std::int32_t firmwareVersion) {
    LogReader reader(log);
    const std::string bare = BareName(log);
    const std::string outputName = "SKP" + (bare.size() > 3 ? bare.substr(3) : std::string());
    AtomicFile out(OutputPathBeside(log, outputName));
    out.Write("2;126;71;49;0;0;0;10;\r\n0;0;0;\r\n");

    const bool gpsFields = firmwareVersion > kLastFirmwareWithoutGpsFields;
    const std::size_t fieldsNeeded = gpsFields ? 15 : 11;
    LogRecord record;
    std::string_view line;
    char height[kNumberTextCapacity];
    while (reader.NextLine(line)) {
        if (!IsLogDataLine(line))
            continue;
        SplitLogLine(line.substr(std::min<std::size_t>(3, line.size())), record);
        const auto& s = record.fields;
        if (s.size() < fieldsNeeded)
            continue;
        const std::string_view longitude = SortsAfterZero(s[9]) ? EditCoordinate(s[9]) : s[9];
        const std::string_view latitude = s[10] != "0" ? EditCoordinate(s[10]) : s[10];
        std::string_view gpsHeight = "0";
        if (gpsFields) {
            char* end = WriteIntegerPart(height, s[11]);
            if (!end)
                ThrowNotDecimal(s[11]);
            gpsHeight = std::string_view(height, static_cast<std::size_t>(end - height));
        }
        if (longitude == "0" || latitude == "0")
            continue;
        const std::string_view zero = "0";
        out.Write("0;");
        Field(out, s[3]);
        Field(out, s[2]);
        Field(out, s[4]);
        Field(out, s[5]);
        Field(out, gpsFields ? s[14] : zero);
        Field(out, gpsFields ? s[12] : zero);
        out.Write("0;");
        Field(out, s[8]);
        Field(out, s[6]);
        Field(out, s[7]);
        Field(out, gpsFields ? s[13] : zero);
        out.Write("0;");
        Field(out, latitude);
        Field(out, longitude);
        Field(out, gpsHeight);
        out.Write("\r\n");
    }
    out.Commit();
    return outputName;
}

} // namespace vx
