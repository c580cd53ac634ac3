#include "logconv/Conversions.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace vx {
namespace {

TEST(Conversions, ListsTheFiveInMenuOrder) {
    const struct {
        const char* id;
        const char* menuItem;
        const char* caption;
    } expected[] = {
        {"kml2d", "nachKML2D1", "nach KML 2D"},
        {"kml3d-gps", "nachKML3D1", "nach KML 3D mit GPS-H\xC3\xB6he"},
        {"kml3d-baro", "nachKMLmitbaromHhe1", "nach KML 3D mit barom. H\xC3\xB6he"},
        {"gpx", "nachGMX1", "nach GPX mit GPS-H\xC3\xB6he"},
        {"skyplotter", "frSkyplotter1", "f\xC3\xBCr Skyplotter"},
    };
    const auto formats = ConversionFormats();
    ASSERT_EQ(formats.size(), std::size(expected));
    for (std::size_t i = 0; i < formats.size(); ++i) {
        EXPECT_STREQ(formats[i].id, expected[i].id);
        EXPECT_STREQ(formats[i].menuItemName, expected[i].menuItem);
        EXPECT_STREQ(formats[i].caption, expected[i].caption);
        EXPECT_EQ(FindConversion(expected[i].id), &formats[i]);
    }
    EXPECT_EQ(FindConversion("kml"), nullptr);
    EXPECT_EQ(FindConversion("GPX"), nullptr);
}

TEST(Conversions, RunEachBesideTheLogAndTellWhatTheyWrote) {
    const struct {
        const char* id;
        const char* output;
        const char* start;
        bool hasBaseTime;
    } cases[] = {
        {"kml2d", "VXL00007.kml", "<?xml", false},
        {"kml3d-gps", "VXL00007.kml", "<?xml", false},
        {"kml3d-baro", "VXL00007.kml", "<?xml", false},
        {"gpx", "VXL00007.GPX", "<?xml version=\"1.0\" standalone", true},
        {"skyplotter", "SKP00007.CSV", "2;126;71;49;", false},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        std::filesystem::create_directory(dir / "card");
        const auto log = dir / "card" / "VXL00007.CSV";
        test::WriteFile(log, "00;12;125;3;1234;5;6;7;8;9;8123456;48123456;345;54;14;15;16\r\n");
        const ConversionResult result = RunConversion(*FindConversion(c.id), log, 408);
        EXPECT_EQ(result.outputName, c.output);
        EXPECT_EQ(result.outputPath, dir / "card" / c.output);
        EXPECT_EQ(result.baseTime.has_value(), c.hasBaseTime) << c.id;
        EXPECT_TRUE(test::ReadFile(result.outputPath).starts_with(c.start)) << c.id;
    }
}

TEST(Conversions, CompletionMessageBreaksTheLineWithACr) {
    EXPECT_EQ(CompletionMessage("VXL00001.kml"), "Fertig mit Konvertierung nach:\rVXL00001.kml");
}

} // namespace
} // namespace vx
