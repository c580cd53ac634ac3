// Conversions that stop: the German message, no partial output, an older output untouched.

#include "fileio/Failure.h"
#include "logconv/Conversions.h"
#include "support/TempDir.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace vx {
namespace {

// Runs the conversion and returns its failure message, or "" when it succeeded.
std::string FailureOf(const char* id, const std::filesystem::path& log,
                      std::int32_t firmware = 408) {
    const ConversionFormat* format = FindConversion(id);
    if (!format)
        return "no conversion " + std::string(id);
    try {
        RunConversion(*format, log, firmware);
        return "";
    } catch (const Failure& failure) {
        return failure.what();
    }
}

const char* const kAllIds[] = {"kml2d", "kml3d-gps", "kml3d-baro", "gpx", "skyplotter"};

const std::string kGoodLine = "00;12;125;3;1234;5;6;7;8;9;8123456;48123456;345;54;14;15;16\r\n";

TEST(ConversionFailure, AMissingLogOrAFolderWritesNothing) {
    for (const char* id : kAllIds) {
        test::TempDir dir;
        EXPECT_EQ(FailureOf(id, dir / "VXL00001.CSV"), "Datei nicht gefunden") << id;
        std::filesystem::create_directory(dir / "VXL00002.CSV");
        EXPECT_EQ(FailureOf(id, dir / "VXL00002.CSV"), "E/A-Fehler " + std::to_string(EISDIR))
            << id;
        EXPECT_EQ(dir.Listing(), "VXL00002.CSV") << id;
    }
}

TEST(ConversionFailure, AnOutputThatCannotBeWrittenLeavesTheOlderOne) {
    std::string bigLog;
    for (int i = 0; i < 20000; ++i)
        bigLog += kGoodLine;
    for (const char* id : kAllIds) {
        test::TempDir dir;
        test::WriteFile(dir / "VXL00001.CSV", bigLog);
        const std::string older = "older output\r\n";
        for (const char* name : {"VXL00001.kml", "VXL00001.GPX", "SKP00001.CSV"})
            test::WriteFile(dir / name, older);
        const std::string message = test::RunWithFileSizeLimit(
            256 * 1024, [&] { return FailureOf(id, dir / "VXL00001.CSV"); });
        EXPECT_EQ(message, "E/A-Fehler " + std::to_string(EFBIG)) << id;
        for (const char* name : {"VXL00001.kml", "VXL00001.GPX", "SKP00001.CSV"})
            EXPECT_EQ(test::ReadFile(dir / name), older) << id << " " << name;
        EXPECT_EQ(dir.Listing(), "SKP00001.CSV VXL00001.CSV VXL00001.GPX VXL00001.kml") << id;
    }
}

TEST(ConversionFailure, NeverWritesOverTheLogItself) {
    const struct {
        const char* id;
        const char* log;
        const char* output;
    } cases[] = {
        {"skyplotter", "SKP00001.CSV", "SKP00001.CSV"},
        {"skyplotter", "skp00001.csv", "SKP00001.csv"},
        {"skyplotter", "SKP", "SKP"},
        {"kml2d", "vxl00001.kml", "vxl00001.kml"},
        {"kml3d-gps", "VXL00001.KML", "VXL00001.kml"},
        {"gpx", "track.gpx", "track.GPX"},
        {"gpx", "track.GPX", "track.GPX"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        test::WriteFile(dir / c.log, kGoodLine);
        EXPECT_EQ(FailureOf(c.id, dir / c.log),
                  "'" + std::string(c.output) +
                      "' ist die Log-Datei selbst und wird nicht überschrieben")
            << c.id << " " << c.log;
        EXPECT_EQ(test::ReadFile(dir / c.log), kGoodLine);
        EXPECT_EQ(dir.Listing(), c.log);
    }
}

TEST(ConversionFailure, NeverWritesOverTheLogThroughAnotherLink) {
    test::TempDir dir;
    test::WriteFile(dir / "VXL00001.CSV", kGoodLine);
    ASSERT_EQ(::link((dir / "VXL00001.CSV").c_str(), (dir / "VXL00001.kml").c_str()), 0);
    EXPECT_EQ(FailureOf("kml2d", dir / "VXL00001.CSV"),
              "'VXL00001.kml' ist die Log-Datei selbst und wird nicht überschrieben");
    EXPECT_EQ(test::ReadFile(dir / "VXL00001.CSV"), kGoodLine);
    EXPECT_EQ(dir.Listing(), "VXL00001.CSV VXL00001.kml");
}

TEST(ConversionFailure, ABadNumberMidwayLeavesNoPartialFileAndTheOlderOutput) {
    const std::string log = kGoodLine + kGoodLine +
                            "00;12;abc;3;12x;5;6;7;8;9;8123456;48123456;3.5;54;14;15;16\r\n" +
                            kGoodLine;
    const struct {
        const char* id;
        const char* output;
        const char* message;
    } cases[] = {
        {"kml2d", "VXL00001.kml", "'12x' ist kein gültiger Integerwert"},
        {"kml3d-baro", "VXL00001.kml", "'12x' ist kein gültiger Integerwert"},
        {"kml3d-gps", "VXL00001.kml", "'3.5' ist kein gültiger Integerwert"},
        {"gpx", "VXL00001.GPX", "'abc' ist kein gültiger Integerwert"},
        {"skyplotter", "SKP00001.CSV", "'3.5x' ist kein gültiger Gleitkommawert"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        std::string thisLog = log;
        if (std::string(c.id) == "skyplotter")
            thisLog.replace(thisLog.find(";3.5;"), 5, ";3.5x;");
        test::WriteFile(dir / "VXL00001.CSV", thisLog);
        const std::string older(70000, '#');
        test::WriteFile(dir / c.output, older);
        EXPECT_EQ(FailureOf(c.id, dir / "VXL00001.CSV"), c.message) << c.id;
        EXPECT_EQ(test::ReadFile(dir / c.output), older) << c.id;
        EXPECT_EQ(test::ReadFile(dir / "VXL00001.CSV"), thisLog);
        const std::string output = c.output;
        EXPECT_EQ(dir.Listing(),
                  output < "VXL00001.CSV" ? output + " VXL00001.CSV" : "VXL00001.CSV " + output)
            << c.id;
    }
}

TEST(ConversionFailure, ReportsTheFirstFieldInConversionOrder) {
    // Every interpreted field is bad; each conversion names the one it converts first.
    const std::string line = "00;12;t;3;b;5;6;7;8;9;lon;lat;g;v;14;15;16\r\n";
    const struct {
        const char* id;
        const char* message;
    } cases[] = {
        {"kml2d", "'b' ist kein gültiger Integerwert"},
        {"kml3d-gps", "'g' ist kein gültiger Integerwert"},
        {"gpx", "'t' ist kein gültiger Integerwert"},
        {"skyplotter", "'g' ist kein gültiger Gleitkommawert"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        test::WriteFile(dir / "VXL00001.CSV", line);
        EXPECT_EQ(FailureOf(c.id, dir / "VXL00001.CSV"), c.message) << c.id;
    }
    const struct {
        const char* id;
        std::string line;
        const char* message;
    } later[] = {
        {"kml2d", "0;1;2;3;4;5;6;7;8;9;lon;lat;12;13;14;15;16",
         "'lat' ist kein gültiger Integerwert"},
        {"kml2d", "0;1;2;3;4;5;6;7;8;9;lon;4;12;13;14;15;16",
         "'lon' ist kein gültiger Integerwert"},
        {"gpx", "0;1;2;3;b;5;6;7;8;9;lon;lat;g;v;14;15;16", "'lon' ist kein gültiger Integerwert"},
        {"gpx", "0;1;2;3;b;5;6;7;8;9;1;lat;g;v;14;15;16", "'lat' ist kein gültiger Integerwert"},
        {"gpx", "0;1;2;3;b;5;6;7;8;9;1;1;g;v;14;15;16", "'g' ist kein gültiger Integerwert"},
        {"gpx", "0;1;2;3;b;5;6;7;8;9;1;1;1;v;14;15;16", "'b' ist kein gültiger Integerwert"},
        {"gpx", "0;1;2;3;4;5;6;7;8;9;1;1;1;v;14;15;16", "'v' ist kein gültiger Integerwert"},
        // The time is read before the skip test, the S11 number too.
        {"gpx", "0;1;abc;3;4;5;6;7;8;9;0;0;1;1;14;15;16", "'abc' ist kein gültiger Integerwert"},
        {"skyplotter", "00;1;2;3;4;5;6;7;8;9;0;0;;13;14;15;16",
         "'' ist kein gültiger Gleitkommawert"},
        {"skyplotter", "00;1;2;3;4;5;6;7;8;9;0;0;abc;13;14;15;16",
         "'abc' ist kein gültiger Gleitkommawert"},
    };
    for (const auto& c : later) {
        test::TempDir dir;
        test::WriteFile(dir / "VXL00001.CSV", c.line);
        EXPECT_EQ(FailureOf(c.id, dir / "VXL00001.CSV"), c.message) << c.id << " " << c.line;
    }
}

TEST(ConversionFailure, PassesOverBadFieldsOfLinesWithoutPosition) {
    // KML tests the position before it converts anything; GPX skips after reading the time.
    for (const char* id : {"kml2d", "kml3d-gps", "gpx"}) {
        test::TempDir dir;
        test::WriteFile(dir / "VXL00001.CSV", "0;1;2;3;b;5;6;7;8;9;0;lat;g;v;14;15;16\r\n");
        EXPECT_EQ(FailureOf(id, dir / "VXL00001.CSV"), "") << id;
    }
}

} // namespace
} // namespace vx
