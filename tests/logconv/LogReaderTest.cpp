#include "logconv/LogReader.h"
#include "fileio/Failure.h"
#include "support/TempDir.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vx {
namespace {

std::vector<std::string> ReadLines(const std::filesystem::path& file) {
    LogReader reader(file);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.NextLine(line))
        lines.emplace_back(line);
    EXPECT_FALSE(reader.NextLine(line)) << "the end stays the end";
    return lines;
}

std::vector<std::string> ReadLinesOf(std::string_view bytes) {
    test::TempDir dir;
    test::WriteFile(dir / "VXL00001.CSV", bytes);
    return ReadLines(dir / "VXL00001.CSV");
}

using Lines = std::vector<std::string>;

TEST(LogReader, EndsLinesAtLfAndDropsEveryCr) {
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb\nc", {"a", "b", "c"}}, // mixed line ends, last line without one
        {"\n\r\n\n", {"", "", ""}},
        {"a\rb\r\r\nc\r", {"ab", "c"}},
        {"\r", {""}},
        {"a;b\x1A"
         "c\nd",
         {"a;b\x1A"
          "c",
          "d"}}, // 0x1A inside a line is a character
        {"a\n\x1A"
         "b\nc\n",
         {"a"}}, // at a line's start it ends the input
        {"a\n\x1A", {"a"}},
        {"\x1A\n", {}},
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadLinesOf(c.bytes), c.lines) << c.bytes;
}

TEST(LogReader, ReadsLinesAcrossBufferBoundaries) {
    std::string bytes;
    Lines expected;
    for (int i = 0; bytes.size() < 5 * LogReader::kBufferSize; ++i) {
        std::string line = std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), 'x');
        bytes += line + (i % 3 ? "\r\n" : "\n");
        expected.push_back(line);
    }
    EXPECT_EQ(ReadLinesOf(bytes), expected);
}

TEST(LogReader, ReadsALineLongerThanItsBufferWhole) {
    const std::string longLine = std::string(3 * LogReader::kBufferSize + 17, 'v') + "\rw";
    const std::string bufferSized(LogReader::kBufferSize, 'b');
    const Lines lines = ReadLinesOf("short\n" + longLine + "\r\n" + bufferSized + "\n" +
                                    std::string(LogReader::kBufferSize + 1, 'z'));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "short");
    EXPECT_EQ(lines[1], std::string(3 * LogReader::kBufferSize + 17, 'v') + "w");
    EXPECT_EQ(lines[2], bufferSized);
    EXPECT_EQ(lines[3], std::string(LogReader::kBufferSize + 1, 'z'));
}

TEST(LogReader, EndsAtA1AThatStartsALongLine) {
    const Lines lines =
        ReadLinesOf("a\n" + std::string(LogReader::kBufferSize - 1, 'p') + "\n\x1A" +
                    std::string(2 * LogReader::kBufferSize, 'q') + "\nafter\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].size(), LogReader::kBufferSize - 1);
}

TEST(LogReader, ReportsAMissingLogAndAFolder) {
    test::TempDir dir;
    try {
        LogReader reader(dir / "VXL00001.CSV");
        FAIL() << "opened a missing log";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "Datei nicht gefunden");
    }
    try {
        LogReader reader(dir.path());
        FAIL() << "read a folder";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.what(), "E/A-Fehler " + std::to_string(EISDIR));
    }
    test::WriteFile(dir / "file", "x");
    try {
        LogReader reader(dir / "file" / "VXL00001.CSV");
        FAIL() << "opened a log below a file";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.what(), "E/A-Fehler " + std::to_string(ENOTDIR));
    }
}

} // namespace
} // namespace vx
