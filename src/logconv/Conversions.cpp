#include "logconv/Conversions.h"

#include "logconv/Kml.h"
#include "logconv/Skyplotter.h"

#include <array>

namespace vx {

namespace {

ConversionResult Beside(const std::filesystem::path& log, std::string outputName) {
    std::filesystem::path outputPath = log.parent_path() / outputName;
    return {std::move(outputName), std::move(outputPath), std::nullopt};
}

ConversionResult RunKml2D(const std::filesystem::path& log, std::int32_t) {
    return Beside(log, ExportKml(log, false, false));
}

ConversionResult RunKmlGps(const std::filesystem::path& log, std::int32_t) {
    return Beside(log, ExportKml(log, true, true));
}

ConversionResult RunKmlBaro(const std::filesystem::path& log, std::int32_t) {
    return Beside(log, ExportKml(log, true, false));
}

ConversionResult RunGpx(const std::filesystem::path& log, std::int32_t) {
    GpxResult gpx = ExportGpx(log);
    ConversionResult result = Beside(log, std::move(gpx.outputName));
    result.baseTime = gpx.baseTime;
    return result;
}

ConversionResult RunSkyplotter(const std::filesystem::path& log, std::int32_t firmwareVersion) {
    return Beside(log, ExportSkyplotter(log, firmwareVersion));
}

constexpr std::array<ConversionFormat, 5> kConversionFormats{{
    {"kml2d", "nachKML2D1", "nach KML 2D", RunKml2D},
    {"kml3d-gps", "nachKML3D1", "nach KML 3D mit GPS-Höhe", RunKmlGps},
    {"kml3d-baro", "nachKMLmitbaromHhe1", "nach KML 3D mit barom. Höhe", RunKmlBaro},
    {"gpx", "nachGMX1", "nach GPX mit GPS-Höhe", RunGpx},
    {"skyplotter", "frSkyplotter1", "für Skyplotter", RunSkyplotter},
}};

} // namespace

std::span<const ConversionFormat> ConversionFormats() {
    return kConversionFormats;
}

const ConversionFormat* FindConversion(std::string_view id) {
    for (const ConversionFormat& format : kConversionFormats) {
        if (id == format.id)
            return &format;
    }
    return nullptr;
}

ConversionResult RunConversion(const ConversionFormat& format, const std::filesystem::path& log,
                               std::int32_t firmwareVersion) {
    return format.run(log, firmwareVersion);
}

std::string CompletionMessage(std::string_view outputName) {
    std::string message = "Fertig mit Konvertierung nach:\r";
    message += outputName;
    return message;
}

} // namespace vx
