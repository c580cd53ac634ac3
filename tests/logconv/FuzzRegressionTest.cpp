// The logs the fuzz targets found faults with, each converted as a user would and checked for
// what the conversion must give. The fixtures are the fuzz inputs themselves: for the targets
// whose first byte picks a variant, the log is the rest.

#include "fileio/Failure.h"
#include "logconv/Conversions.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace vx {
namespace {

const std::filesystem::path kRegressions = VX_FUZZ_REGRESSION_DIR;

struct Regression {
    const char* fixture; // below the regressions folder
    const char* conversion;
    std::int32_t firmware;
    std::string outcome; // the failure message, or the last output line without its CR LF
};

const Regression kRegressionCases[] = {
    // A GPS height beyond any floating-point value was written as "0".
    {"fuzz_skyplotter/gps-height-beyond-double-range.bin", "skyplotter", 408,
     "'" + std::string(400, '9') + "' ist kein gültiger Gleitkommawert"},
};

std::string Outcome(const Regression& r, const test::TempDir& dir) {
    std::string log = test::ReadFile(kRegressions / r.fixture);
    const std::string target = std::filesystem::path(r.fixture).parent_path().string();
    if (target == "fuzz_kml" || target == "fuzz_skyplotter")
        log.erase(0, 1); // the variant byte
    test::WriteFile(dir / "VXL00001.CSV", log);
    try {
        const ConversionResult result =
            RunConversion(*FindConversion(r.conversion), dir / "VXL00001.CSV", r.firmware);
        std::string output = test::ReadFile(result.outputPath);
        output.resize(output.size() - 2);
        return output.substr(output.rfind('\n') + 1);
    } catch (const Failure& failure) {
        return failure.what();
    }
}

TEST(FuzzRegression, EachFoundLogConvertsAsItMust) {
    for (const Regression& r : kRegressionCases) {
        test::TempDir dir;
        const std::string outcome = Outcome(r, dir);
        EXPECT_EQ(outcome, r.outcome) << r.fixture;
    }
}

} // namespace
} // namespace vx
