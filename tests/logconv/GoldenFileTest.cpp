// Each conversion of one small hand-written log that holds the tricky lines, compared byte for
// byte with its expected output.

#include "logconv/Gpx.h"
#include "logconv/Kml.h"
#include "logconv/Skyplotter.h"
#include "support/TempDir.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace vx {
namespace {

const std::filesystem::path kLogs = std::filesystem::path(VX_FIXTURE_DIR) / "logs";

// The first difference as offsets and hex bytes, with some context, so a failure shows the byte.
std::string FirstDifference(const std::string& actual, const std::string& expected) {
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    if (at == actual.size() && at == expected.size())
        return "";
    auto hex = [at](const std::string& bytes) {
        std::string out;
        const std::size_t from = at >= 8 ? at - 8 : 0;
        for (std::size_t i = from; i < bytes.size() && i < at + 16; ++i) {
            char byte[4];
            std::snprintf(byte, sizeof byte, "%02X ", static_cast<unsigned char>(bytes[i]));
            out += (i == at ? "[" : "") + std::string(byte);
        }
        return out;
    };
    return "first difference at byte " + std::to_string(at) + "\n  actual:   " + hex(actual) +
           "\n  expected: " + hex(expected);
}

struct GoldenCase {
    const char* label;
    const char* expectedFile;
    const char* outputName;
    std::function<std::string(const std::filesystem::path&)> convert;
};

void PrintTo(const GoldenCase& golden, std::ostream* out) {
    *out << golden.label;
}

class GoldenFile : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenFile, MatchesByteForByte) {
    const GoldenCase& golden = GetParam();
    test::TempDir dir;
    const std::filesystem::path log = dir / "VXL00042.CSV";
    std::filesystem::copy_file(kLogs / "tricky-lines.csv", log);
    EXPECT_EQ(golden.convert(log), golden.outputName);
    const std::string actual = test::ReadFile(dir / golden.outputName);
    const std::string expected = test::ReadFile(kLogs / golden.expectedFile);
    EXPECT_EQ(FirstDifference(actual, expected), "");
    EXPECT_EQ(test::ReadFile(log), test::ReadFile(kLogs / "tricky-lines.csv"));
    const std::string name = golden.outputName;
    EXPECT_EQ(dir.Listing(),
              name < "VXL00042.CSV" ? name + " VXL00042.CSV" : "VXL00042.CSV " + name);
}

const LocalDateTime kNewYearsEve{2010, 12, 31, 23, 59, 58};

INSTANTIATE_TEST_SUITE_P(
    TrickyLines, GoldenFile,
    testing::Values(GoldenCase{"Kml2D", "tricky-lines.2d.kml", "VXL00042.kml",
                               [](const auto& log) { return ExportKml(log, false, false); }},
                    GoldenCase{"KmlGps", "tricky-lines.3d-gps.kml", "VXL00042.kml",
                               [](const auto& log) { return ExportKml(log, true, true); }},
                    GoldenCase{"KmlGpsWithoutThreeD", "tricky-lines.3d-gps.kml",
                               "VXL00042.kml", // not offered; as the GPS variant
                               [](const auto& log) { return ExportKml(log, false, true); }},
                    GoldenCase{"KmlBaro", "tricky-lines.3d-baro.kml", "VXL00042.kml",
                               [](const auto& log) { return ExportKml(log, true, false); }},
                    GoldenCase{"Gpx", "tricky-lines.GPX", "VXL00042.GPX",
                               [](const auto& log) {
                                   const GpxResult result = ExportGpx(log, kNewYearsEve);
                                   EXPECT_EQ(result.baseTime, kNewYearsEve);
                                   return result.outputName;
                               }},
                    GoldenCase{"SkyplotterFirmware408", "tricky-lines.fw408.skp", "SKP00042.CSV",
                               [](const auto& log) { return ExportSkyplotter(log, 408); }},
                    GoldenCase{"SkyplotterFirmware1", "tricky-lines.fw1.skp", "SKP00042.CSV",
                               [](const auto& log) { return ExportSkyplotter(log, 1); }},
                    GoldenCase{"SkyplotterFirmware407", "tricky-lines.fw1.skp", "SKP00042.CSV",
                               [](const auto& log) { return ExportSkyplotter(log, 407); }}),
    [](const testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.label); });

} // namespace
} // namespace vx
