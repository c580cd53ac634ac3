// ExportKml on an arbitrary log, in the variant the first input byte picks: the output is the
// model's byte for byte, a well-formed KML document of kml/Document/Placemark/LineString/
// coordinates with one line of three number texts per accepted sample, or the conversion stops
// with the message for the first field that is not an integer and leaves nothing behind.

#include "FuzzConversion.h"
#include "XmlShape.h"
#include "logconv/Kml.h"

#include <cstdint>

namespace {

using namespace vx::fuzz;

struct Variant {
    bool threeD, useGpsHeight;
    const char *name, *colour, *altitudeMode;
};

constexpr Variant kVariants[] = {
    {false, false, "Volantrix_2D", "ff00ff00", "clampToGround"},
    {true, true, "Volantrix_3D_GH", "ff0000ff", "absolute"},
    {true, false, "Volantrix_3D_BH", "ffff0000", "relativeToGround"},
    {false, true, "Volantrix_3D_GH", "ff0000ff", "absolute"}, // not in the menu; as GPS
};

std::string Opening(const Variant& v) {
    return std::string("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><kml "
                       "xmlns=\"http://earth.google.com/kml/2.0\"><Document>\r"
                       "<description><![CDATA[This route was created by<br><a "
                       "href=\"https://www.brelvik.example\">") +
           v.name +
           "</a>]]></description>\r<Placemark><name>route</name><Style><LineStyle><color>" +
           v.colour +
           "</color><width>3</width></LineStyle><IconStyle><Icon></Icon></IconStyle></Style>"
           "<LineString><tessellate>1</tessellate><altitudeMode>" +
           v.altitudeMode + "</altitudeMode><coordinates>\r\n";
}

const char* const kClosing = "</coordinates>\r\n</LineString></Placemark>\r\n</Document></kml>\r\n";

Expected Model(std::string_view log, const Variant& v) {
    Expected e;
    e.output = Opening(v);
    const std::size_t heightField = v.useGpsHeight ? 12 : 4;
    for (const std::string& line : ModelLines(log)) {
        if (CountSemicolons(line) != 16)
            continue;
        const std::vector<ModelField> f = ModelSplit(line);
        if (f.size() < (v.useGpsHeight ? 13u : 12u))
            continue; // fewer fields than the conversion reads
        const std::string &lon = f[10].text, &lat = f[11].text, &h = f[heightField].text;
        if (lat == "0" || lon == "0")
            continue;
        const auto height = ModelInt32(h);
        const auto latitude = ModelInt32(lat);
        const auto longitude = ModelInt32(lon);
        if (!height || !latitude || !longitude) {
            e.failure = NotInteger(!height ? h : !latitude ? lat : lon);
            return e;
        }
        e.output += ModelNumberText(ModelDegrees(*longitude)) + "," +
                    ModelNumberText(ModelDegrees(*latitude)) + "," +
                    (v.useGpsHeight ? std::to_string(*height) : ModelTenths(*height)) + "\r\n";
    }
    e.output += kClosing;
    return e;
}

void CheckShape(const std::string& output, const Variant& v) {
    const XmlShape shape = ParseXml(output);
    VX_FUZZ_CHECK(shape.wellFormed);
    const std::string placemark = "kml/Document/Placemark";
    const std::string line = placemark + "/LineString";
    const std::vector<std::string> paths = {"kml",
                                            "kml/Document",
                                            "kml/Document/description",
                                            placemark,
                                            placemark + "/name",
                                            placemark + "/Style",
                                            placemark + "/Style/LineStyle",
                                            placemark + "/Style/LineStyle/color",
                                            placemark + "/Style/LineStyle/width",
                                            placemark + "/Style/IconStyle",
                                            placemark + "/Style/IconStyle/Icon",
                                            line,
                                            line + "/tessellate",
                                            line + "/altitudeMode",
                                            line + "/coordinates"};
    VX_FUZZ_CHECK(shape.elements.size() == paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i)
        VX_FUZZ_CHECK(shape.elements[i].path == paths[i]);
    VX_FUZZ_CHECK(shape.elements[7].text == v.colour);
    VX_FUZZ_CHECK(shape.elements[13].text == v.altitudeMode);

    // Each coordinate line: longitude, latitude, altitude, all number texts.
    std::string_view coordinates = shape.elements.back().text;
    std::size_t lines = 0;
    VX_FUZZ_CHECK(coordinates.starts_with('\n') && coordinates.ends_with('\n'));
    coordinates.remove_prefix(1);
    while (!coordinates.empty()) {
        const std::size_t end = coordinates.find('\n');
        std::string_view entry = coordinates.substr(0, end);
        coordinates.remove_prefix(end + 1);
        for (int value = 0; value < 3; ++value) {
            const std::size_t comma = entry.find(',');
            VX_FUZZ_CHECK((comma == std::string_view::npos) == (value == 2));
            VX_FUZZ_CHECK(IsNumberText(entry.substr(0, comma)));
            entry.remove_prefix(value == 2 ? entry.size() : comma + 1);
        }
        ++lines;
    }
    std::vector<std::string_view> all;
    VX_FUZZ_CHECK(SplitCrLfLines(output, all));
    VX_FUZZ_CHECK(all.size() == lines + 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const Variant& v = kVariants[data[0] % 4];
    const std::string_view log(reinterpret_cast<const char*>(data) + 1, size - 1);
    const Expected expected = Model(log, v);
    const auto output = RunConversion(log, "VXL00001.kml", expected, [&](const auto& path) {
        return vx::ExportKml(path, v.threeD, v.useGpsHeight);
    });
    if (output)
        CheckShape(*output, v);
    return 0;
}
