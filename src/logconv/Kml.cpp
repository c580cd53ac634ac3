#include "logconv/Kml.h"

#include "fileio/AtomicFile.h"
#include "logconv/LogLine.h"
#include "logconv/LogReader.h"
#include "logconv/Maker.h"
#include "logconv/NumberText.h"
#include "logconv/OutputFile.h"

#include <algorithm>
#include <cstdint>

namespace vx {

namespace {

struct KmlVariant {
    const char* name;
    const char* colour; // alpha, blue, green, red
    const char* altitudeMode;
};

constexpr KmlVariant kKml2D{"Volantrix_2D", "ff00ff00", "clampToGround"};
constexpr KmlVariant kKmlBaro{"Volantrix_3D_BH", "ffff0000", "relativeToGround"};
constexpr KmlVariant kKmlGps{"Volantrix_3D_GH", "ff0000ff", "absolute"};

// The opening text; its two lone CRs are part of the format that viewers have always been given.
std::string KmlHeader(const KmlVariant& variant) {
    std::string text = R"(<?xml version="1.0" encoding="ISO-8859-1"?><kml xmlns=")";
    text += "http://earth.google.com/kml/2.0";
    text += R"("><Document>)";
    text += '\r';
    text += R"(<description><![CDATA[This route was created by<br><a href=")";
    text += kMakerWebAddress;
    text += R"(">)";
    text += variant.name;
    text += "</a>]]></description>";
    text += '\r';
    text += "<Placemark><name>route</name><Style><LineStyle><color>";
    text += variant.colour;
    text += "</color><width>3</width></LineStyle><IconStyle><Icon></Icon></IconStyle></Style>"
            "<LineString><tessellate>1</tessellate><altitudeMode>";
    text += variant.altitudeMode;
    text += "</altitudeMode><coordinates>\r\n";
    return text;
}

} // namespace

std::string ExportKml(const std::filesystem::path& log, bool threeD, bool useGpsHeight) {
    LogReader reader(log);
    const std::string outputName = ReplaceExtension(BareName(log), ".kml");
    AtomicFile out(OutputPathBeside(log, outputName));
    out.Write(KmlHeader(useGpsHeight ? kKmlGps : threeD ? kKmlBaro : kKml2D));

    const std::size_t heightField = useGpsHeight ? kGpsHeightField : kBaroHeightField;
    const std::size_t fieldsNeeded = std::max(heightField, kLatitudeField) + 1;
    LogRecord record;
    std::string_view line;
    char text[3 * kNumberTextCapacity + 4];
    while (reader.NextLine(line)) {
        if (!IsLogDataLine(line))
            continue;
        SplitLogLine(line, record);
        if (record.fields.size() < fieldsNeeded)
            continue;
        const std::string_view longitude = record.fields[kLongitudeField];
        const std::string_view latitude = record.fields[kLatitudeField];
        if (latitude == "0" || longitude == "0")
            continue;
        // Converted in this order so that the first bad field is the one reported.
        const std::int32_t height = ParseInt32(record.fields[heightField]);
        const double latitudeDegrees = NmeaCoordinateDegrees(ParseInt32(latitude));
        const double longitudeDegrees = NmeaCoordinateDegrees(ParseInt32(longitude));
        char* end = WriteNumber(text, longitudeDegrees);
        *end++ = ',';
        end = WriteNumber(end, latitudeDegrees);
        *end++ = ',';
        end = useGpsHeight ? WriteWholeNumber(end, height) : WriteTenths(end, height);
        *end++ = '\r';
        *end++ = '\n';
        out.Write(std::string_view(text, static_cast<std::size_t>(end - text)));
    }
    out.Write("</coordinates>\r\n</LineString></Placemark>\r\n</Document></kml>\r\n");
    out.Commit();
    return outputName;
}

} // namespace vx
