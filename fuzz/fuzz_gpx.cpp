// ExportGpx on an arbitrary log with a fixed base time: the output is the model's byte for byte,
// a well-formed GPX document of gpx/trk/trkseg/trkpt with ele, time and name in each point, or
// the conversion stops with the message for the first field that is not an integer (the time
// even on a line it then skips) and leaves nothing behind.

#include "FuzzConversion.h"
#include "XmlShape.h"
#include "logconv/Gpx.h"

#include <cstdint>
#include <ctime>

namespace {

using namespace vx::fuzz;

constexpr vx::LocalDateTime kBase{2010, 6, 12, 14, 22, 10};

const char* const kOpening =
    "<?xml version=\"1.0\" standalone=\"yes\" ?>\r<gpx version=\"1.1\" creator=\"brelvik\" "
    "xmlns=\"http://www.topografix.com/GPX/1/1\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
    "http://www.topografix.com/GPX/1/1/gpx.xsd\">\r\n"
    "<trk>\r\n<name>Track</name>\r\n<number>1</number>\r\n<trkseg>\r\n";
const char* const kClosing = "</trkseg>\r\n</trk>\r\n</gpx>\r\n";

// The base time plus `seconds` on the calendar, by the C library's UTC arithmetic.
std::string PointTime(std::int32_t seconds) {
    std::tm base{};
    base.tm_year = kBase.year - 1900;
    base.tm_mon = kBase.month - 1;
    base.tm_mday = kBase.day;
    base.tm_hour = kBase.hour;
    base.tm_min = kBase.minute;
    base.tm_sec = kBase.second;
    const std::time_t at = ::timegm(&base) + seconds;
    std::tm t{};
    ::gmtime_r(&at, &t);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.tm_year + 1900,
                  t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

Expected Model(std::string_view log) {
    Expected e;
    e.output = kOpening;
    for (const std::string& line : ModelLines(log)) {
        if (CountSemicolons(line) != 16)
            continue;
        const std::vector<ModelField> f = ModelSplit(line);
        if (f.size() < 14)
            continue;
        const auto fail = [&](const std::string& text) {
            e.failure = NotInteger(text);
            return e;
        };
        const auto time = ModelInt32(f[2].text);
        if (!time)
            return fail(f[2].text);
        if (f[11].text == "0" || f[10].text == "0" || f[2].text == "0")
            continue;
        const auto lon = ModelInt32(f[10].text);
        if (!lon)
            return fail(f[10].text);
        const auto lat = ModelInt32(f[11].text);
        if (!lat)
            return fail(f[11].text);
        const auto ele = ModelInt32(f[12].text);
        if (!ele)
            return fail(f[12].text);
        const auto baro = ModelInt32(f[4].text);
        if (!baro)
            return fail(f[4].text);
        const auto speed = ModelInt32(f[13].text);
        if (!speed)
            return fail(f[13].text);
        e.output += "<trkpt lat=\"" + ModelPlainText(ModelDegrees(*lat)) + "\" lon=\"" +
                    ModelPlainText(ModelDegrees(*lon)) + "\">\r\n<ele>" + std::to_string(*ele) +
                    "</ele>\r\n<time>" + PointTime(*time) +
                    "Z</time>\r\n<name>tp:" + std::to_string(*time) +
                    "s   v=" + std::to_string(*speed) + "km/h   h=" + ModelTenths(*baro) +
                    "m</name>\r\n</trkpt>\r\n";
    }
    e.output += kClosing;
    return e;
}

bool IsWholeNumber(std::string_view t) {
    return ModelInt32(t) && std::to_string(*ModelInt32(t)) == t;
}

bool IsPointTime(std::string_view t) {
    if (t.size() != 20 || t.back() != 'Z')
        return false;
    for (std::size_t i = 0; i < 19; ++i) {
        const char sep = i == 4 || i == 7 ? '-' : i == 10 ? 'T' : i == 13 || i == 16 ? ':' : 0;
        if (sep ? t[i] != sep : (t[i] < '0' || t[i] > '9'))
            return false;
    }
    return true;
}

// "tp:125s   v=54km/h   h=123.4m"
bool IsPointName(std::string_view t) {
    auto take = [&t](std::string_view prefix, std::string_view until) {
        if (!t.starts_with(prefix))
            return std::string_view();
        t.remove_prefix(prefix.size());
        const std::size_t end = t.find(until);
        if (end == std::string_view::npos)
            return std::string_view();
        std::string_view value = t.substr(0, end);
        t.remove_prefix(end);
        return value;
    };
    const std::string_view time = take("tp:", "s   v=");
    const std::string_view speed = take("s   v=", "km/h   h=");
    const std::string_view height = take("km/h   h=", "m");
    return IsWholeNumber(time) && IsWholeNumber(speed) && IsNumberText(height) && t == "m";
}

void CheckShape(const std::string& output) {
    const XmlShape shape = ParseXml(output);
    VX_FUZZ_CHECK(shape.wellFormed);
    VX_FUZZ_CHECK(shape.elements.size() >= 5 && (shape.elements.size() - 5) % 4 == 0);
    const char* const head[] = {"gpx", "gpx/trk", "gpx/trk/name", "gpx/trk/number",
                                "gpx/trk/trkseg"};
    for (std::size_t i = 0; i < 5; ++i)
        VX_FUZZ_CHECK(shape.elements[i].path == head[i]);
    VX_FUZZ_CHECK(shape.elements[0].attributes.size() == 5);
    VX_FUZZ_CHECK(shape.elements[0].attributes[0].first == "version" &&
                  shape.elements[0].attributes[0].second == "1.1");
    for (std::size_t i = 5; i < shape.elements.size(); i += 4) {
        const auto& point = shape.elements[i];
        VX_FUZZ_CHECK(point.path == "gpx/trk/trkseg/trkpt");
        VX_FUZZ_CHECK(point.attributes.size() == 2 && point.attributes[0].first == "lat" &&
                      point.attributes[1].first == "lon");
        for (const auto& attribute : point.attributes)
            VX_FUZZ_CHECK(IsNumberText(attribute.second, false));
        VX_FUZZ_CHECK(shape.elements[i + 1].path == point.path + "/ele");
        VX_FUZZ_CHECK(IsWholeNumber(shape.elements[i + 1].text));
        VX_FUZZ_CHECK(shape.elements[i + 2].path == point.path + "/time");
        VX_FUZZ_CHECK(IsPointTime(shape.elements[i + 2].text));
        VX_FUZZ_CHECK(shape.elements[i + 3].path == point.path + "/name");
        VX_FUZZ_CHECK(IsPointName(shape.elements[i + 3].text));
    }
    std::vector<std::string_view> lines;
    VX_FUZZ_CHECK(SplitCrLfLines(output, lines));
    VX_FUZZ_CHECK(lines.size() == 8 + 5 * ((shape.elements.size() - 5) / 4));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view log(reinterpret_cast<const char*>(data), size);
    const Expected expected = Model(log);
    const auto output = RunConversion(log, "VXL00001.GPX", expected, [](const auto& path) {
        const vx::GpxResult result = vx::ExportGpx(path, kBase);
        VX_FUZZ_CHECK(result.baseTime == kBase);
        return result.outputName;
    });
    if (output)
        CheckShape(*output);
    return 0;
}
