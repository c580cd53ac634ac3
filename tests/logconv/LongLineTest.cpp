// A single line of 100 MB is read whole, by the reader and by a conversion, in linear time: the
// bytes allocated while reading it stay within a small multiple of its length (growing it piece
// by piece with a fresh copy each time would allocate thousands of times its length), and a
// CTest time-out guards against slowness of any other kind.

#include "logconv/Kml.h"
#include "logconv/LogReader.h"
#include "logconv/Skyplotter.h"
#include "support/TempDir.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>
#include <string>

namespace {
std::atomic<std::size_t> allocatedBytes{0};
}

// Every allocation of this test program is counted.
void* operator new(std::size_t size) {
    allocatedBytes += size;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace vx {
namespace {

constexpr std::size_t kHundredMegabytes = 100u * 1000 * 1000;

// Field 3 holds the 100 MB; the fields the conversions read stand after it.
std::string LongDataLine() {
    std::string line = "00;12;125;";
    line.append(kHundredMegabytes, '7');
    line += ";1234;5;6;7;8;9;8123456;48123456;345;54;14;15;16";
    return line;
}

TEST(LongLine, IsReadWholeAsOneLine) {
    test::TempDir dir;
    const std::string line = LongDataLine();
    test::WriteFile(dir / "VXL00001.CSV", "head\r\n" + line + "\r\nafter");
    LogReader reader(dir / "VXL00001.CSV");
    std::string_view read;
    ASSERT_TRUE(reader.NextLine(read));
    EXPECT_EQ(read, "head");
    const std::size_t before = allocatedBytes;
    ASSERT_TRUE(reader.NextLine(read));
    EXPECT_LT(allocatedBytes - before, 4 * line.size()) << "the line was copied again and again";
    EXPECT_EQ(read.size(), line.size());
    EXPECT_TRUE(read == line) << "the long line's bytes differ";
    ASSERT_TRUE(reader.NextLine(read));
    EXPECT_EQ(read, "after");
    EXPECT_FALSE(reader.NextLine(read));
}

TEST(LongLine, ConvertsWithTheFieldsAfterIt) {
    test::TempDir dir;
    test::WriteFile(dir / "VXL00001.CSV", LongDataLine() + "\n");
    ExportKml(dir / "VXL00001.CSV", false, false);
    const std::string kml = test::ReadFile(dir / "VXL00001.kml");
    EXPECT_NE(
        kml.find("<coordinates>\r\n8.20576000213623,48.2057600021362,123.4\r\n</coordinates>"),
        std::string::npos);

    ExportSkyplotter(dir / "VXL00001.CSV", 408);
    const std::string skp = test::ReadFile(dir / "SKP00001.CSV");
    const std::string opening = "2;126;71;49;0;0;0;10;\r\n0;0;0;\r\n0;1234;";
    ASSERT_EQ(skp.size(), opening.size() + kHundredMegabytes + 45);
    EXPECT_EQ(skp.substr(0, opening.size()), opening);
    EXPECT_EQ(skp.find_first_not_of('7', opening.size()), opening.size() + kHundredMegabytes);
    EXPECT_EQ(skp.substr(opening.size() + kHundredMegabytes),
              ";5;6;15;54;0;9;7;8;14;0;4812345;812345;345;\r\n");
}

} // namespace
} // namespace vx
