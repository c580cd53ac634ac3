// Conversions on failing media, as the tests run them as root: a full card, a write-protected
// card, a log whose card fails in the middle of reading, a log path through a regular file.
// Each stops with its German message, leaves an older output byte for byte and no partial or
// temporary file, and the next log converts.

#include "FlakyLog.h"
#include "fileio/Failure.h"
#include "logconv/Conversions.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/mount.h>
#include <vector>

namespace vx {
namespace {

const std::string kGoodLine = "00;12;125;3;1234;5;6;7;8;9;8123456;48123456;345;54;14;15;16\r\n";

const struct {
    const char* id;
    const char* output; // of the log VXL00001.CSV
    const char* closing;
} kConversions[] = {
    {"kml2d", "VXL00001.kml", "</Document></kml>\r\n"},
    {"kml3d-gps", "VXL00001.kml", "</Document></kml>\r\n"},
    {"kml3d-baro", "VXL00001.kml", "</Document></kml>\r\n"},
    {"gpx", "VXL00001.GPX", "</gpx>\r\n"},
    {"skyplotter", "SKP00001.CSV", "0;1234;3;5;6;15;54;0;9;7;8;14;0;4812345;812345;345;\r\n"},
};

std::string Lines(int count) {
    std::string log;
    for (int i = 0; i < count; ++i)
        log += kGoodLine;
    return log;
}

// The conversion's failure message, or "" when it succeeded.
std::string FailureOf(const char* id, const std::filesystem::path& log) {
    try {
        RunConversion(*FindConversion(id), log, 408);
        return "";
    } catch (const Failure& failure) {
        return failure.what();
    }
}

// Converts a good log in `folder`: "converted" when its output ends as it must, else what
// went wrong. Usable in a child process, whose test failures the parent would not see.
std::string NextLogOutcome(const char* id, const std::filesystem::path& folder,
                           const char* closing) {
    const std::filesystem::path log = folder / "VXL00002.CSV";
    test::WriteFile(log, kGoodLine);
    std::string outcome;
    try {
        const ConversionResult result = RunConversion(*FindConversion(id), log, 408);
        outcome = test::ReadFile(result.outputPath).ends_with(closing) ? "converted" : "cut short";
        std::filesystem::remove(result.outputPath);
    } catch (const Failure& failure) {
        outcome = failure.what();
    }
    std::filesystem::remove(log);
    return outcome;
}

void ExpectTheNextLogConverts(const char* id, const std::filesystem::path& folder,
                              const char* closing) {
    EXPECT_EQ(NextLogOutcome(id, folder, closing), "converted") << id;
}

std::string Listing(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string out;
    for (const auto& name : names)
        out += (out.empty() ? "" : " ") + name;
    return out;
}

std::string Sorted(std::string a, std::string b) {
    return a < b ? a + " " + b : b + " " + a;
}

// A memory-backed file system of a fixed size mounted over a folder: a memory card.
class Card {
  public:
    Card(const std::filesystem::path& folder, std::string options)
        : folder_(folder), options_(std::move(options)) {
        std::filesystem::create_directory(folder_);
        if (::mount("vxcard", folder_.c_str(), "tmpfs", 0, options_.c_str()) != 0)
            error_ = "cannot mount a tmpfs: " + std::string(std::strerror(errno));
    }
    ~Card() {
        if (error_.empty())
            ::umount2(folder_.c_str(), MNT_DETACH);
    }
    const std::string& MountError() const { return error_; }
    void SetReadOnly(bool readOnly) {
        ASSERT_EQ(::mount(nullptr, folder_.c_str(), nullptr,
                          MS_REMOUNT | (readOnly ? MS_RDONLY : 0), options_.c_str()),
                  0)
            << std::strerror(errno);
    }

  private:
    std::filesystem::path folder_;
    std::string options_;
    std::string error_;
};

TEST(ConversionFault, AFullCardKeepsTheOlderOutputAndTheNextLogConverts) {
    const std::string log = Lines(20000); // 1.24 MB; every output is larger than the room left
    for (const auto& c : kConversions) {
        test::TempDir dir;
        Card card(dir / "card", "size=1600k");
        if (!card.MountError().empty())
            GTEST_SKIP() << card.MountError();
        test::WriteFile(dir / "card" / "VXL00001.CSV", log);
        const std::string older = "older output\r\n";
        test::WriteFile(dir / "card" / c.output, older);
        EXPECT_EQ(FailureOf(c.id, dir / "card" / "VXL00001.CSV"),
                  "E/A-Fehler " + std::to_string(ENOSPC))
            << c.id;
        EXPECT_EQ(test::ReadFile(dir / "card" / c.output), older) << c.id;
        EXPECT_EQ(test::ReadFile(dir / "card" / "VXL00001.CSV"), log) << c.id;
        EXPECT_EQ(Listing(dir / "card"), Sorted("VXL00001.CSV", c.output)) << c.id;
        ExpectTheNextLogConverts(c.id, dir / "card", c.closing); // the failed one left the room
    }
}

TEST(ConversionFault, AWriteProtectedCardIsNotWrittenEvenByRoot) {
    for (const auto& c : kConversions) {
        test::TempDir dir;
        Card card(dir / "card", "size=1m");
        if (!card.MountError().empty())
            GTEST_SKIP() << card.MountError();
        test::WriteFile(dir / "card" / "VXL00001.CSV", Lines(10));
        const std::string older = "older output\r\n";
        test::WriteFile(dir / "card" / c.output, older);
        card.SetReadOnly(true);
        EXPECT_EQ(FailureOf(c.id, dir / "card" / "VXL00001.CSV"),
                  "E/A-Fehler " + std::to_string(EROFS))
            << c.id;
        EXPECT_EQ(test::ReadFile(dir / "card" / c.output), older) << c.id;
        card.SetReadOnly(false);
        EXPECT_EQ(Listing(dir / "card"), Sorted("VXL00001.CSV", c.output)) << c.id;
        ExpectTheNextLogConverts(c.id, dir / "card", c.closing);
    }
}

TEST(ConversionFault, ALogWhoseCardFailsMidReadKeepsTheOlderOutput) {
    const std::string log = Lines(20000);
    const struct {
        int error;
        std::string message;
    } failures[] = {
        {EIO, "E/A-Fehler " + std::to_string(EIO)}, // a bad sector
        {EACCES, "Dateizugriff verweigert"},        // access withdrawn, as network shares do
    };
    for (const auto& f : failures) {
        for (const auto& c : kConversions) {
            test::TempDir dir;
            test::WriteFile(dir / "VXL00001.CSV", "");
            const std::string older = "older output\r\n";
            test::WriteFile(dir / c.output, older);
            {
                test::FlakyLog flaky(dir / "VXL00001.CSV", log, 300000, f.error);
                if (!flaky.MountError().empty())
                    GTEST_SKIP() << flaky.MountError();
                EXPECT_EQ(FailureOf(c.id, dir / "VXL00001.CSV"), f.message) << c.id;
                EXPECT_GE(flaky.Reads(), 2) << "the failure came after the first read";
                EXPECT_EQ(flaky.FailedReads(), 1) << c.id;
                EXPECT_EQ(test::ReadFile(dir / c.output), older) << c.id;
                EXPECT_EQ(Listing(dir.path()), Sorted("VXL00001.CSV", c.output)) << c.id;
                ExpectTheNextLogConverts(c.id, dir.path(), c.closing);
            }
        }
    }
}

TEST(ConversionFault, AFileSizeLimitBitesOneBytePastTheOutput) {
    const std::string log = Lines(3000);
    for (const auto& c : kConversions) {
        test::TempDir dir;
        test::WriteFile(dir / "VXL00001.CSV", log);
        const ConversionResult free =
            RunConversion(*FindConversion(c.id), dir / "VXL00001.CSV", 408);
        const std::string expected = test::ReadFile(free.outputPath);
        const long size = static_cast<long>(expected.size());
        const std::string older = "older output\r\n";
        // Exactly at the limit the output still fits; one byte less, and the older one stays.
        const struct {
            long limit;
            std::string outcome;
        } limits[] = {{size, "|converted"},
                      {size - 1, "E/A-Fehler " + std::to_string(EFBIG) + "|converted"}};
        for (const auto& l : limits) {
            test::WriteFile(free.outputPath, older);
            const std::string outcome = test::RunWithFileSizeLimit(l.limit, [&] {
                const std::string failure = FailureOf(c.id, dir / "VXL00001.CSV");
                return failure + "|" + NextLogOutcome(c.id, dir.path(), c.closing);
            });
            EXPECT_EQ(outcome, l.outcome) << c.id << " limit " << l.limit;
            EXPECT_EQ(test::ReadFile(free.outputPath), l.limit == size ? expected : older)
                << c.id << " limit " << l.limit;
            EXPECT_EQ(Listing(dir.path()), Sorted("VXL00001.CSV", c.output)) << c.id;
        }
    }
}

TEST(ConversionFault, ALogPathThroughARegularFileWritesNothing) {
    for (const auto& c : kConversions) {
        test::TempDir dir;
        test::WriteFile(dir / "card", "not a folder");
        EXPECT_EQ(FailureOf(c.id, dir / "card" / "VXL00001.CSV"),
                  "E/A-Fehler " + std::to_string(ENOTDIR))
            << c.id;
        EXPECT_EQ(Listing(dir.path()), "card");
        ExpectTheNextLogConverts(c.id, dir.path(), c.closing);
    }
}

} // namespace
} // namespace vx
