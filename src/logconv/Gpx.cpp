#include "logconv/Gpx.h"

#include "fileio/AtomicFile.h"
#include "logconv/LogLine.h"
#include "logconv/LogReader.h"
#include "logconv/NumberText.h"
#include "logconv/OutputFile.h"

#include <algorithm>
#include <cstring>
#include <ctime>

namespace vx {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, and back (Howard Hinnant's algorithms).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy =
        (153 * static_cast<unsigned>(m + (m > 2 ? -3 : 9)) + 2) / 5 + static_cast<unsigned>(d) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, LocalDateTime& out) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    out.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    out.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    out.year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (out.month <= 2));
}

std::int64_t SecondsSinceEpoch(const LocalDateTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

LocalDateTime FromSecondsSinceEpoch(std::int64_t seconds) {
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    LocalDateTime out{};
    CivilFromDays(days, out);
    out.hour = static_cast<int>(rest / 3600);
    out.minute = static_cast<int>(rest / 60 % 60);
    out.second = static_cast<int>(rest % 60);
    return out;
}

char* Append(char* out, std::string_view text) {
    return std::copy(text.begin(), text.end(), out);
}

char* WriteTwoDigits(char* out, int value) {
    *out++ = static_cast<char>('0' + value / 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

// "2010-06-12T14:24:15": the local time, to which the track point appends its "Z".
char* WritePointTime(char* out, const LocalDateTime& t) {
    if (t.year >= 0 && t.year <= 9999) {
        out = WriteTwoDigits(out, t.year / 100);
        out = WriteTwoDigits(out, t.year % 100);
    } else {
        out = WriteWholeNumber(out, t.year);
    }
    *out++ = '-';
    out = WriteTwoDigits(out, t.month);
    *out++ = '-';
    out = WriteTwoDigits(out, t.day);
    *out++ = 'T';
    out = WriteTwoDigits(out, t.hour);
    *out++ = ':';
    out = WriteTwoDigits(out, t.minute);
    *out++ = ':';
    return WriteTwoDigits(out, t.second);
}

// The schema types lat, lon and ele as plain decimals, so no exponent form here.
char* WriteCoordinate(char* out, double degrees) {
    char* end = WriteNumber(out, degrees);
    if (std::memchr(out, 'E', static_cast<std::size_t>(end - out)) == nullptr)
        return end;
    const std::string plain = FormatPlainDecimal(degrees);
    return std::copy(plain.begin(), plain.end(), out);
}

constexpr const char* kGpxNamespace = "http://www.topografix.com/GPX/1/1";

std::string GpxOpening() {
    std::string text = R"(<?xml version="1.0" standalone="yes" ?>)";
    text += '\r';
    text += R"(<gpx version="1.1" creator="brelvik" xmlns=")";
    text += kGpxNamespace;
    text += R"(" xmlns:xsi=")";
    text += "http://www.w3.org/2001/XMLSchema-instance";
    text += R"(" xsi:schemaLocation=")";
    text += kGpxNamespace;
    text += ' ';
    text += kGpxNamespace;
    text += "/gpx.xsd";
    text += R"(">)";
    text += "\r\n<trk>\r\n<name>Track</name>\r\n<number>1</number>\r\n<trkseg>\r\n";
    return text;
}

LocalDateTime ModificationTimeToTwoSeconds(std::time_t modified) {
    std::tm local{};
    ::localtime_r(&modified, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec & ~1};
}

GpxResult WriteGpx(LogReader& reader, const std::filesystem::path& log,
                   const LocalDateTime& baseTime) {
    const std::string outputName = ReplaceExtension(BareName(log), ".GPX");
    AtomicFile out(OutputPathBeside(log, outputName));
    out.Write(GpxOpening());

    const std::int64_t baseSeconds = SecondsSinceEpoch(baseTime);
    LogRecord record;
    std::string_view line;
    // A coordinate without exponent needs at most 22 characters; the point time at most 30.
    char text[4 * kNumberTextCapacity + 64];
    while (reader.NextLine(line)) {
        if (!IsLogDataLine(line))
            continue;
        SplitLogLine(line, record);
        if (record.fields.size() <= kSpeedField)
            continue;
        const auto& f = record.fields;
        // The time is read before the skip test: a bad time stops even a skipped line.
        const std::int32_t logTime = ParseInt32(f[kLogTimeField]);
        if (f[kLatitudeField] == "0" || f[kLongitudeField] == "0" || f[kLogTimeField] == "0")
            continue;
        const double longitude = NmeaCoordinateDegrees(ParseInt32(f[kLongitudeField]));
        const double latitude = NmeaCoordinateDegrees(ParseInt32(f[kLatitudeField]));
        char* end = Append(text, "<trkpt lat=\"");
        end = WriteCoordinate(end, latitude);
        end = Append(end, "\" lon=\"");
        end = WriteCoordinate(end, longitude);
        end = Append(end, "\">\r\n<ele>");
        end = WriteWholeNumber(end, ParseInt32(f[kGpsHeightField]));
        end = Append(end, "</ele>\r\n<time>");
        end = WritePointTime(end, FromSecondsSinceEpoch(baseSeconds + logTime));
        end = Append(end, "Z</time>\r\n");
        out.Write(std::string_view(text, static_cast<std::size_t>(end - text)));

        const std::int32_t baroHeight = ParseInt32(f[kBaroHeightField]);
        const std::int32_t speed = ParseInt32(f[kSpeedField]);
        end = Append(text, "<name>tp:");
        end = WriteWholeNumber(end, logTime);
        end = Append(end, "s   v=");
        end = WriteWholeNumber(end, speed);
        end = Append(end, "km/h   h=");
        end = WriteTenths(end, baroHeight);
        end = Append(end, "m</name>\r\n</trkpt>\r\n");
        out.Write(std::string_view(text, static_cast<std::size_t>(end - text)));
    }
    out.Write("</trkseg>\r\n</trk>\r\n</gpx>\r\n");
    out.Commit();
    return {outputName, baseTime};
}

} // namespace

LocalDateTime AddElapsedSeconds(const LocalDateTime& time, std::int64_t seconds) {
    return FromSecondsSinceEpoch(SecondsSinceEpoch(time) + seconds);
}

GpxResult ExportGpx(const std::filesystem::path& log) {
    LogReader reader(log);
    return WriteGpx(reader, log, ModificationTimeToTwoSeconds(reader.ModificationTime()));
}

GpxResult ExportGpx(const std::filesystem::path& log, const LocalDateTime& baseTime) {
    LogReader reader(log);
    return WriteGpx(reader, log, baseTime);
}

} // namespace vx
