#include "ProgramRun.h"

#include <cerrno>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace vx {
namespace {

const std::filesystem::path kLogs = std::filesystem::path(VX_FIXTURE_DIR) / "logs";

using test::Convert;
using test::ProgramRun;

const std::string kGoodLine = "00;12;125;3;1234;5;6;7;8;9;8123456;48123456;345;54;14;15;16\r\n";

TEST(ConvertProgram, ConvertsEveryLogAndGoesOnAfterAFailure) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "card");
    std::filesystem::copy_file(kLogs / "tricky-lines.csv", dir / "card" / "VXL00001.CSV");
    test::WriteFile(dir / "VXL00002.CSV", kGoodLine);
    test::WriteFile(dir / "VXL00003.CSV",
                    "00;12;125;3;12x;5;6;7;8;9;8123456;48123456;345;54;14;15;16");
    const ProgramRun run =
        Convert(dir, "--to kml2d card/VXL00001.CSV missing.CSV VXL00003.CSV VXL00002.CSV");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "card/VXL00001.kml\nVXL00002.kml\n");
    EXPECT_EQ(run.err, "missing.CSV: Datei nicht gefunden\n"
                       "VXL00003.CSV: '12x' ist kein gültiger Integerwert\n");
    EXPECT_EQ(test::ReadFile(dir / "card" / "VXL00001.kml"),
              test::ReadFile(kLogs / "tricky-lines.2d.kml"));
    EXPECT_FALSE(std::filesystem::exists(dir / "VXL00003.kml"));
}

TEST(ConvertProgram, WritesEachFormatBesideItsLog) {
    const struct {
        const char* format;
        const char* output;
        const char* golden;
    } cases[] = {
        {"kml2d", "VXL00001.kml", "tricky-lines.2d.kml"},
        {"kml3d-gps", "VXL00001.kml", "tricky-lines.3d-gps.kml"},
        {"--to=kml3d-baro", "VXL00001.kml", "tricky-lines.3d-baro.kml"},
        {"skyplotter --firmware 408", "SKP00001.CSV", "tricky-lines.fw408.skp"},
        {"skyplotter --firmware=1", "SKP00001.CSV", "tricky-lines.fw1.skp"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        std::filesystem::copy_file(kLogs / "tricky-lines.csv", dir / "VXL00001.CSV");
        const std::string format = c.format;
        const ProgramRun run = Convert(dir, (format.starts_with("--") ? "" : "--to ") + format +
                                                " " + (dir / "VXL00001.CSV").string());
        EXPECT_EQ(run.status, 0) << c.format << run.err;
        EXPECT_EQ(run.out, (dir / c.output).string() + "\n");
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(test::ReadFile(dir / c.output), test::ReadFile(kLogs / c.golden)) << c.format;
    }
}

TEST(ConvertProgram, WritesGpxPointsFromTheLogsTime) {
    test::TempDir dir;
    test::WriteFile(dir / "VXL00001.CSV", kGoodLine);
    const ProgramRun run = Convert(dir, "--to gpx VXL00001.CSV");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "VXL00001.GPX\n");
    const std::string gpx = test::ReadFile(dir / "VXL00001.GPX");
    EXPECT_NE(gpx.find("<name>tp:125s   v=54km/h   h=123.4m</name>\r\n"), std::string::npos);
}

TEST(ConvertProgram, TakesTheFirmwareVersionFromTheSettingsFile) {
    test::TempDir dir;
    test::WriteFile(dir / "VXL00001.CSV", kGoodLine);
    const std::string newFirmware = "0;1234;3;5;6;15;54;0;9;7;8;14;0;4812345;812345;345;\r\n";
    const std::string oldFirmware = "0;1234;3;5;6;0;0;0;9;7;8;0;0;4812345;812345;0;\r\n";
    auto skyplotterLine = [&](const std::string& args) {
        const ProgramRun run = Convert(dir, "--to skyplotter " + args + " VXL00001.CSV");
        EXPECT_EQ(run.status, 0) << run.err;
        return test::ReadFile(dir / "SKP00001.CSV").substr(31);
    };
    EXPECT_EQ(skyplotterLine(""), oldFirmware); // no settings file: firmware 0
    std::filesystem::create_directory(dir / "config");
    test::WriteFile(dir / "config" / "VolantrixTool.ini", "[fw_version]\r\nFW_Version=408\r\n");
    EXPECT_EQ(skyplotterLine(""), newFirmware);
    EXPECT_EQ(skyplotterLine("--firmware 407"), oldFirmware);
    EXPECT_EQ(test::ReadFile(dir / "config" / "VolantrixTool.ini"),
              "[fw_version]\r\nFW_Version=408\r\n");
}

TEST(ConvertProgram, ReportsAWriteFailureUnderAFileSizeLimit) {
    test::TempDir dir;
    std::string log;
    for (int i = 0; i < 20000; ++i)
        log += kGoodLine;
    test::WriteFile(dir / "VXL00001.CSV", log);
    test::WriteFile(dir / "VXL00001.kml", "older\r\n");
    // 200 blocks of 512 bytes: room for the small outputs of this test, not for the KML.
    const ProgramRun run = Convert(dir, "--to kml2d VXL00001.CSV", "ulimit -f 200 && ");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "VXL00001.CSV: E/A-Fehler " + std::to_string(EFBIG) + "\n");
    EXPECT_EQ(test::ReadFile(dir / "VXL00001.kml"), "older\r\n");
    EXPECT_EQ(dir.Listing(), "VXL00001.CSV VXL00001.kml");
}

TEST(ConvertProgram, RefusesToWriteOverTheLog) {
    test::TempDir dir;
    test::WriteFile(dir / "SKP00001.CSV", kGoodLine);
    const ProgramRun run = Convert(dir, "--to skyplotter --firmware 408 SKP00001.CSV");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(
        run.err,
        "SKP00001.CSV: 'SKP00001.CSV' ist die Log-Datei selbst und wird nicht überschrieben\n");
    EXPECT_EQ(test::ReadFile(dir / "SKP00001.CSV"), kGoodLine);
}

TEST(ConvertProgram, ExitsWithTwoAndAShortUsageOnUsageErrors) {
    const struct {
        const char* args;
        const char* error;
    } cases[] = {
        {"", "--to FORMAT fehlt"},
        {"VXL00001.CSV", "--to FORMAT fehlt"},
        {"--to kml2d", "Kein LOG angegeben"},
        {"--to kml VXL00001.CSV", "Unbekanntes FORMAT 'kml'"},
        {"--to", "Option --to braucht einen Wert"},
        {"--to gpx --firmware 4.1 VXL00001.CSV", "'4.1' ist kein gültiger Integerwert"},
        {"--to gpx --quiet VXL00001.CSV", "Unbekannte Option --quiet"},
        {"--help=yes", "Option --help nimmt keinen Wert"},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        test::WriteFile(dir / "VXL00001.CSV", kGoodLine);
        const ProgramRun run = Convert(dir, c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
        EXPECT_TRUE(run.err.starts_with("volantrix-convert: " + std::string(c.error) +
                                        "\nAufruf: volantrix-convert --to FORMAT"))
            << run.err;
        EXPECT_EQ(dir.Listing(), "VXL00001.CSV") << c.args;
    }
}

TEST(ConvertProgram, ShowsHelpAndVersion) {
    test::TempDir dir;
    const ProgramRun help = Convert(dir, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* line :
         {"  kml2d       nach KML 2D\n", "  kml3d-gps   nach KML 3D mit GPS-Höhe\n",
          "  kml3d-baro  nach KML 3D mit barom. Höhe\n", "  gpx         nach GPX mit GPS-Höhe\n",
          "  skyplotter  für Skyplotter\n"})
        EXPECT_NE(help.out.find(line), std::string::npos) << line;
    const ProgramRun version = Convert(dir, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "V0.394\n");
}

TEST(ConvertProgram, TakesALogNamedLikeAnOptionAfterTheEndOfOptions) {
    test::TempDir dir;
    test::WriteFile(dir / "--help", kGoodLine);
    const ProgramRun run = Convert(dir, "--to kml2d -- --help");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "--help.kml\n");
}

} // namespace
} // namespace vx
