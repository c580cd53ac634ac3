#include "setup/SetupFile.h"

#include "fileio/Failure.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

SetupRecord Arbitrary() {
    SetupRecord r;
    for (std::size_t i = 0; i < kSetupRecordSize; ++i)
        SetupByte(r, i) = static_cast<std::uint8_t>(i * 37 + 200); // values beyond every range
    return r;
}

std::string FailureText(const std::function<void()>& f) {
    try {
        f();
    } catch (const Failure& e) {
        return e.what();
    }
    return "no failure";
}

TEST(SetupFile, SaveWritesTheTwentyRawBytes) {
    TempDir dir;
    SetupRecord r;
    LoadDefaultSetup(r);
    WriteSetupFile(dir / kSetupFileName, r);
    EXPECT_EQ(ReadFile(dir / "VOLANTRI.HEX"),
              Bytes({1, 0x3C, 0x14, 0x14, 1, 1, 0x2F, 0, 1, 0, 0, 0, 0, 1, 2, 1, 3, 0, 0, 0}));
}

TEST(SetupFile, RoundTripKeepsEveryByte) {
    TempDir dir;
    SetupRecord saved = Arbitrary();
    WriteSetupFile(dir / kSetupFileName, saved);
    SetupRecord loaded;
    EXPECT_EQ(ReadSetupFile(dir / kSetupFileName, loaded), 20);
    EXPECT_EQ(loaded, saved);
    WriteSetupFile(dir / kSetupFileName, loaded);
    EXPECT_EQ(ReadFile(dir / kSetupFileName).size(), 20u);
}

TEST(SetupFile, ReadTakesAtMostTwentyLeadingBytes) {
    struct Case {
        std::string content;
        int count;
    };
    const Case cases[] = {
        {"", 0},
        {Bytes({26, 26, 0, 9, 8}), 5}, // 0x1A is data, also first
        {std::string(30, '\x07'), 20}, // bytes after the 20th are ignored
        {std::string(20, '\x1A'), 20},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteFile(dir / "any.name", c.content);
        SetupRecord before = Arbitrary();
        SetupRecord r = before;
        EXPECT_EQ(ReadSetupFile(dir / "any.name", r), c.count);
        for (std::size_t i = 0; i < kSetupRecordSize; ++i) {
            std::uint8_t expected = static_cast<int>(i) < c.count
                                        ? static_cast<std::uint8_t>(c.content[i])
                                        : SetupByte(before, i);
            EXPECT_EQ(SetupByte(r, i), expected) << "byte " << i << " of " << c.count;
        }
    }
}

TEST(SetupFile, ReadFailuresLeaveTheRecordUnchanged) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    SetupRecord r = Arbitrary();
    EXPECT_EQ(FailureText([&] { ReadSetupFile(dir / "missing.HEX", r); }), "Datei nicht gefunden");
    EXPECT_EQ(FailureText([&] { ReadSetupFile(dir / "folder", r); }), "E/A-Fehler 21");
    EXPECT_EQ(r, Arbitrary());
}

TEST(SetupFile, FailedSaveKeepsTheExistingFile) {
    TempDir dir;
    WriteFile(dir / "plain", "x");
    EXPECT_EQ(FailureText([&] { WriteSetupFile(dir / "plain" / kSetupFileName, Arbitrary()); }),
              "E/A-Fehler 20");

    WriteFile(dir / kSetupFileName, "previous");
    std::string result = test::RunWithFileSizeLimit(10, [&] {
        return FailureText([&] { WriteSetupFile(dir / kSetupFileName, Arbitrary()); });
    });
    EXPECT_EQ(result, "E/A-Fehler 27");
    EXPECT_EQ(ReadFile(dir / kSetupFileName), "previous");
    EXPECT_EQ(dir.Listing(), "VOLANTRI.HEX plain");
}

} // namespace
} // namespace vx
