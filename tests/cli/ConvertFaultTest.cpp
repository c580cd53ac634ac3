// The batch converter on failing media: the failed log is reported with its German message, an
// older output stays byte for byte, no partial file is left, and the next log of the same run
// converts.

#include "../logconv/FlakyLog.h"
#include "ProgramRun.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/mount.h>

namespace vx {
namespace {

using test::Convert;
using test::ProgramRun;

const std::string kGoodLine = "00;12;125;3;1234;5;6;7;8;9;8123456;48123456;345;54;14;15;16\r\n";

std::string Lines(int count) {
    std::string log;
    for (int i = 0; i < count; ++i)
        log += kGoodLine;
    return log;
}

TEST(ConvertFault, GoesOnAfterAFullCard) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "card");
    if (::mount("vxcard", (dir / "card").c_str(), "tmpfs", 0, "size=1600k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs: " << std::strerror(errno);
    const std::string log = Lines(20000); // 1.24 MB; its GPX output does not fit beside it
    test::WriteFile(dir / "card" / "VXL00001.CSV", log);
    test::WriteFile(dir / "card" / "VXL00001.GPX", "older\r\n");
    test::WriteFile(dir / "card" / "VXL00002.CSV", kGoodLine);
    const ProgramRun run = Convert(dir, "--to gpx card/VXL00001.CSV card/VXL00002.CSV");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "card/VXL00001.CSV: E/A-Fehler " + std::to_string(ENOSPC) + "\n");
    EXPECT_EQ(run.out, "card/VXL00002.GPX\n");
    EXPECT_EQ(test::ReadFile(dir / "card" / "VXL00001.GPX"), "older\r\n");
    EXPECT_EQ(test::ReadFile(dir / "card" / "VXL00001.CSV"), log);
    EXPECT_TRUE(test::ReadFile(dir / "card" / "VXL00002.GPX").ends_with("</gpx>\r\n"));
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "card"))
        entries += entry.is_regular_file();
    EXPECT_EQ(entries, 4u) << "a temporary file was left";
    ::umount2((dir / "card").c_str(), MNT_DETACH);
}

TEST(ConvertFault, GoesOnAfterALogThatFailsMidRead) {
    test::TempDir dir;
    test::WriteFile(dir / "VXL00001.CSV", "");
    test::WriteFile(dir / "VXL00001.kml", "older\r\n");
    test::WriteFile(dir / "VXL00002.CSV", kGoodLine);
    test::FlakyLog flaky(dir / "VXL00001.CSV", Lines(20000), 300000, EIO);
    if (!flaky.MountError().empty())
        GTEST_SKIP() << flaky.MountError();
    const ProgramRun run = Convert(dir, "--to kml3d-baro VXL00001.CSV VXL00002.CSV");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "VXL00001.CSV: E/A-Fehler " + std::to_string(EIO) + "\n");
    EXPECT_EQ(run.out, "VXL00002.kml\n");
    EXPECT_EQ(flaky.FailedReads(), 1);
    EXPECT_EQ(test::ReadFile(dir / "VXL00001.kml"), "older\r\n");
    EXPECT_EQ(dir.Listing(), "VXL00001.CSV VXL00001.kml VXL00002.CSV VXL00002.kml");
}

TEST(ConvertFault, GoesOnAfterALogPathThroughARegularFile) {
    test::TempDir dir;
    test::WriteFile(dir / "card", "not a folder");
    test::WriteFile(dir / "VXL00002.CSV", kGoodLine);
    const ProgramRun run = Convert(dir, "--to skyplotter card/VXL00001.CSV VXL00002.CSV");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "card/VXL00001.CSV: E/A-Fehler " + std::to_string(ENOTDIR) + "\n");
    EXPECT_EQ(run.out, "SKP00002.CSV\n");
    EXPECT_EQ(dir.Listing(), "SKP00002.CSV VXL00002.CSV card");
}

} // namespace
} // namespace vx
