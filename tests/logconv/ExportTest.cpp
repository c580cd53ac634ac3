#include "fileio/Failure.h"
#include "logconv/Gpx.h"
#include "logconv/Kml.h"
#include "logconv/Skyplotter.h"
#include "support/TempDir.h"

#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace vx {
namespace {

const std::string kKmlClosing =
    "</coordinates>\r\n</LineString></Placemark>\r\n</Document></kml>\r\n";
const std::string kGpxClosing = "</trkseg>\r\n</trk>\r\n</gpx>\r\n";
const std::string kSkyplotterOpening = "2;126;71;49;0;0;0;10;\r\n0;0;0;\r\n";

// A data line with the given fields 2, 4, 10, 11, 12 and 13 and the field number k elsewhere.
std::string DataLine(const char* logTime, const char* baro, const char* lon, const char* lat,
                     const char* gps, const char* speed) {
    return std::string("00;1;") + logTime + ";3;" + baro + ";5;6;7;8;9;" + lon + ";" + lat + ";" +
           gps + ";" + speed + ";14;15;16";
}

std::string Body(const std::string& output, std::size_t openingEnd, std::size_t closingSize) {
    return output.substr(openingEnd, output.size() - openingEnd - closingSize);
}

// The coordinate lines of the KML written for `log`.
std::string KmlPoints(const std::string& log, bool threeD, bool useGps) {
    test::TempDir dir;
    test::WriteFile(dir / "VXL00001.CSV", log);
    const std::string kml = test::ReadFile(dir / ExportKml(dir / "VXL00001.CSV", threeD, useGps));
    const std::size_t opening = kml.find("<coordinates>\r\n") + 15;
    EXPECT_TRUE(kml.ends_with(kKmlClosing));
    return Body(kml, opening, kKmlClosing.size());
}

TEST(ExportKml, WritesOneCoordinateLinePerPosition) {
    const std::string line = DataLine("1", "4567", "8123456", "48123456", "0345", "5");
    EXPECT_EQ(KmlPoints(line, false, false), "8.20576000213623,48.2057600021362,456.7\r\n");
    EXPECT_EQ(KmlPoints(line, true, false), "8.20576000213623,48.2057600021362,456.7\r\n");
    EXPECT_EQ(KmlPoints(line, true, true), "8.20576000213623,48.2057600021362,345\r\n");
    EXPECT_EQ(KmlPoints(DataLine("1", "120", "1", "2", "3", "4") + "\n" +
                            DataLine("1", "-5", "-1", "-2", "-3", "4"),
                        false, false),
              "1.66666666245874E-6,3.33333332491748E-6,12\r\n"
              "-1.66666666245874E-6,-3.33333332491748E-6,-0.5\r\n");
}

TEST(ExportKml, WritesOnlyOpeningAndClosingWithoutPositions) {
    const std::string log = "Kopfzeile\r\n" + DataLine("1", "1", "0", "48123456", "1", "1") +
                            "\r\n" + DataLine("1", "1", "8123456", "0", "1", "1") + "\r\n";
    EXPECT_EQ(KmlPoints(log, false, false), "");
    EXPECT_EQ(KmlPoints("", true, true), "");
}

TEST(ExportKml, ReadsOnlyTheHeightItsVariantNeeds) {
    const std::string badBaro = DataLine("1", "x", "8123456", "48123456", "345", "1");
    EXPECT_EQ(KmlPoints(badBaro, true, true), "8.20576000213623,48.2057600021362,345\r\n");
    const std::string badGps = DataLine("1", "1234", "8123456", "48123456", "y", "1");
    EXPECT_EQ(KmlPoints(badGps, true, false), "8.20576000213623,48.2057600021362,123.4\r\n");
}

TEST(ExportKml, SkipsADataLineWithTooFewFields) {
    // The quoted field swallows five separators: 16 semicolons but only fields 0 to 11.
    const std::string swallowed = "00;1;2;3;4;\"5;6;7;8;9;10\";11;12;13;14;15;16";
    EXPECT_EQ(KmlPoints(swallowed, false, false),
              "2.49999993684469E-5,2.66666665993398E-5,0.4\r\n");
    EXPECT_EQ(KmlPoints(swallowed, true, true), ""); // no field 12 for the GPS height
}

TEST(ExportKml, NamesTheOutputAfterTheLog) {
    const struct {
        const char* log;
        const char* output;
    } cases[] = {{"VXL00001.CSV", "VXL00001.kml"},
                 {"track", "track.kml"},
                 {"flug.vom.sonntag.csv", "flug.vom.sonntag.kml"},
                 {".csv", ".kml"}};
    for (const auto& c : cases) {
        test::TempDir dir;
        test::WriteFile(dir / c.log, "");
        EXPECT_EQ(ExportKml(dir / c.log, false, false), c.output);
        EXPECT_TRUE(std::filesystem::exists(dir / c.output)) << c.output;
    }
}

TEST(ExportKml, ReplacesAnExistingOutputBesideALogInAnyFolder) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "karte" / "flug 2");
    const auto log = dir / "karte" / "flug 2" / "VXL00001.CSV";
    test::WriteFile(log, DataLine("1", "10", "8123456", "48123456", "1", "1"));
    test::WriteFile(log.parent_path() / "VXL00001.kml", std::string(100000, 'o'));
    EXPECT_EQ(ExportKml(log, false, false), "VXL00001.kml");
    const std::string kml = test::ReadFile(log.parent_path() / "VXL00001.kml");
    EXPECT_TRUE(kml.starts_with("<?xml"));
    EXPECT_TRUE(kml.ends_with("8.20576000213623,48.2057600021362,1\r\n" + kKmlClosing));
}

TEST(AddElapsedSeconds, CarriesThroughTheCalendar) {
    const struct {
        LocalDateTime base;
        std::int64_t seconds;
        LocalDateTime result;
    } cases[] = {
        {{2010, 6, 12, 14, 22, 10}, 125, {2010, 6, 12, 14, 24, 15}},
        {{2010, 12, 31, 23, 59, 58}, 4, {2011, 1, 1, 0, 0, 2}},
        {{2010, 12, 31, 23, 59, 58}, 2, {2011, 1, 1, 0, 0, 0}},
        {{2012, 2, 28, 23, 0, 0}, 3600, {2012, 2, 29, 0, 0, 0}},
        {{2011, 2, 28, 23, 0, 0}, 3600, {2011, 3, 1, 0, 0, 0}},
        {{2010, 1, 1, 0, 0, 10}, -20, {2009, 12, 31, 23, 59, 50}},
        {{2010, 3, 28, 1, 30, 0}, 3600, {2010, 3, 28, 2, 30, 0}}, // no daylight-saving jump
        {{2000, 1, 1, 0, 0, 0}, 2147483647, {2068, 1, 19, 3, 14, 7}},
        {{2000, 1, 1, 0, 0, 0}, -2147483648LL, {1931, 12, 13, 20, 45, 52}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddElapsedSeconds(c.base, c.seconds), c.result) << c.seconds;
}

std::string GpxPoints(const std::string& log, const LocalDateTime& base) {
    test::TempDir dir;
    test::WriteFile(dir / "VXL00001.CSV", log);
    const GpxResult result = ExportGpx(dir / "VXL00001.CSV", base);
    EXPECT_EQ(result.outputName, "VXL00001.GPX");
    const std::string gpx = test::ReadFile(dir / "VXL00001.GPX");
    const std::size_t opening = gpx.find("<trkseg>\r\n") + 10;
    EXPECT_TRUE(gpx.ends_with(kGpxClosing));
    return Body(gpx, opening, kGpxClosing.size());
}

TEST(ExportGpx, WritesFiveLinesPerPoint) {
    EXPECT_EQ(GpxPoints(DataLine("125", "1234", "8123456", "48123456", "345", "54"),
                        {2010, 6, 12, 14, 22, 10}),
              "<trkpt lat=\"48.2057600021362\" lon=\"8.20576000213623\">\r\n"
              "<ele>345</ele>\r\n"
              "<time>2010-06-12T14:24:15Z</time>\r\n"
              "<name>tp:125s   v=54km/h   h=123.4m</name>\r\n"
              "</trkpt>\r\n");
}

TEST(ExportGpx, SkipsTimeZeroAndWritesTimesBeforeTheBase) {
    const std::string log = DataLine("0", "1", "8123456", "48123456", "1", "1") + "\n" +
                            DataLine("-10", "-15", "8123456", "48123456", "-1", "007");
    EXPECT_EQ(GpxPoints(log, {2010, 1, 1, 0, 0, 5}),
              "<trkpt lat=\"48.2057600021362\" lon=\"8.20576000213623\">\r\n"
              "<ele>-1</ele>\r\n"
              "<time>2009-12-31T23:59:55Z</time>\r\n"
              "<name>tp:-10s   v=7km/h   h=-1.5m</name>\r\n"
              "</trkpt>\r\n");
}

TEST(ExportGpx, WritesCoordinatesNearZeroWithoutExponent) {
    const std::string points =
        GpxPoints(DataLine("2", "0", "-50", "50", "0", "0"), {2010, 6, 12, 23, 59, 58});
    EXPECT_TRUE(points.starts_with(
        "<trkpt lat=\"0.0000833333312281563\" lon=\"-0.0000833333312281563\">\r\n"
        "<ele>0</ele>\r\n<time>2010-06-13T00:00:00Z</time>\r\n"))
        << points;
}

TEST(ExportGpx, HoldsOnlyHeaderAndClosingWithoutPoints) {
    test::TempDir dir;
    test::WriteFile(dir / "VXL00001.CSV", "kein;Datensatz\r\n");
    ExportGpx(dir / "VXL00001.CSV", {2010, 6, 12, 0, 0, 0});
    const std::string gpx = test::ReadFile(dir / "VXL00001.GPX");
    EXPECT_EQ(gpx.substr(gpx.find("\r\n<trk>")),
              "\r\n<trk>\r\n<name>Track</name>\r\n<number>1</number>\r\n<trkseg>\r\n" +
                  kGpxClosing);
}

TEST(ExportGpx, CountsFromTheLogsModificationTimeToTwoSeconds) {
    test::TempDir dir;
    const auto log = dir / "VXL00001.CSV";
    test::WriteFile(log, DataLine("5", "0", "8123456", "48123456", "0", "0"));
    std::tm local{};
    local.tm_year = 2010 - 1900;
    local.tm_mon = 5;
    local.tm_mday = 12;
    local.tm_hour = 14;
    local.tm_min = 22;
    local.tm_sec = 11; // an odd second counts as the even one below
    local.tm_isdst = -1;
    const timespec times[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, log.c_str(), times, 0), 0);
    const GpxResult result = ExportGpx(log);
    EXPECT_EQ(result.baseTime, (LocalDateTime{2010, 6, 12, 14, 22, 10}));
    EXPECT_NE(test::ReadFile(dir / "VXL00001.GPX").find("<time>2010-06-12T14:22:15Z</time>"),
              std::string::npos);
}

std::optional<std::string> SkyplotterLine(const std::string& logLine, std::int32_t firmware) {
    test::TempDir dir;
    test::WriteFile(dir / "VXL00001.CSV", logLine + "\r\n");
    EXPECT_EQ(ExportSkyplotter(dir / "VXL00001.CSV", firmware), "SKP00001.CSV");
    const std::string out = test::ReadFile(dir / "SKP00001.CSV");
    EXPECT_TRUE(out.starts_with(kSkyplotterOpening));
    if (out.size() == kSkyplotterOpening.size())
        return std::nullopt;
    return out.substr(kSkyplotterOpening.size());
}

std::string WithSkyplotterFields(const char* s9, const char* s10, const char* s11) {
    return std::string("00;1;2;3;4;5;6;7;8;9;") + s9 + ";" + s10 + ";" + s11 + ";13;14;15;16";
}

TEST(ExportSkyplotter, RearrangesAndEditsEachDataLine) {
    const struct {
        std::string line;
        std::optional<std::string> written;
    } cases[] = {
        {"00;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16", "0;4;3;5;6;15;13;0;9;7;8;14;0;1;1;12;\r\n"},
        {WithSkyplotterFields("008123456", "48123456", "345"),
         "0;4;3;5;6;15;13;0;9;7;8;14;0;4812345;0812345;345;\r\n"},
        {WithSkyplotterFields("-0812345", "-4812345", "0345"),
         "0;4;3;5;6;15;13;0;9;7;8;14;0;-481234;-0812345;345;\r\n"},
        {WithSkyplotterFields("1", "05", "-12.7"), "0;4;3;5;6;15;13;0;9;7;8;14;0;;;-12;\r\n"},
        {WithSkyplotterFields("1", "1", "-0,5"), "0;4;3;5;6;15;13;0;9;7;8;14;0;;;0;\r\n"},
        {WithSkyplotterFields("1", "1", "+7."), "0;4;3;5;6;15;13;0;9;7;8;14;0;;;7;\r\n"},
        {WithSkyplotterFields("1", "1", "12345678901234567"),
         "0;4;3;5;6;15;13;0;9;7;8;14;0;;;1.23456789012346E16;\r\n"},
        {WithSkyplotterFields("0", "48123456", "1"), std::nullopt},
        {WithSkyplotterFields("8123456", "0", "1"), std::nullopt},
        {WithSkyplotterFields("003", "48123456", "1"), std::nullopt}, // "003" edits to "0"
        {WithSkyplotterFields("8123456", "001", "1"), std::nullopt},
        {"0;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16", "0;4;3;5;6;15;13;0;9;7;8;14;0;1;1;12;\r\n"},
        // Three removed characters that are not a field and its ';' shift every field.
        {"000;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16", "0;3;2;4;5;14;12;0;8;6;7;13;0;1;;11;\r\n"},
        {"00;1;2;3;4;5;6;7;8;9;10;11;12;13;14;\"15\";\"a;b\"", // too few fields: skipped
         std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SkyplotterLine(c.line, 408), c.written) << c.line;
}

TEST(ExportSkyplotter, WritesZeroForTheFieldsOldFirmwareDoesNotLog) {
    EXPECT_EQ(SkyplotterLine(WithSkyplotterFields("8123456", "48123456", "abc"), 407),
              "0;4;3;5;6;0;0;0;9;7;8;0;0;4812345;812345;0;\r\n");
    // A quoted field swallows four separators: enough fields for old firmware only.
    const std::string swallowed = "00;1;2;3;4;5;6;7;8;9;10;11;\"12;13;14;15;16\"";
    EXPECT_EQ(SkyplotterLine(swallowed, 0), "0;4;3;5;6;0;0;0;9;7;8;0;0;1;1;0;\r\n");
    EXPECT_EQ(SkyplotterLine(swallowed, 408), std::nullopt);
}

TEST(ExportSkyplotter, NamesTheOutputWithSkpForTheFirstThreeCharacters) {
    const struct {
        const char* log;
        const char* output;
    } cases[] = {{"VXL00001.CSV", "SKP00001.CSV"}, {"ab", "SKP"}, {"abc", "SKP"}, {"abcd", "SKPd"}};
    for (const auto& c : cases) {
        test::TempDir dir;
        test::WriteFile(dir / c.log, "kopf\r\n");
        EXPECT_EQ(ExportSkyplotter(dir / c.log, 408), c.output);
        EXPECT_EQ(test::ReadFile(dir / c.output), kSkyplotterOpening);
    }
}

TEST(IntegerPartOfDecimal, CutsTowardZeroAndRejectsOtherTexts) {
    EXPECT_EQ(IntegerPartOfDecimal("345"), "345");
    EXPECT_EQ(IntegerPartOfDecimal("0345"), "345");
    EXPECT_EQ(IntegerPartOfDecimal("-12.7"), "-12");
    EXPECT_EQ(IntegerPartOfDecimal("-12,7"), "-12");
    EXPECT_EQ(IntegerPartOfDecimal("-0.5"), "0");
    EXPECT_EQ(IntegerPartOfDecimal("+3"), "3");
    EXPECT_EQ(IntegerPartOfDecimal("000"), "0");
    for (const char* bad : {"", "abc", "-", ".5", "1.2.3", "1e3", " 1", "1 ", "1,5,", "--1"}) {
        try {
            IntegerPartOfDecimal(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.what(),
                      "'" + std::string(bad) + "' ist kein gültiger Gleitkommawert");
        }
    }
}

} // namespace
} // namespace vx
