#include "settings/ToolSettings.h"

#include "fileio/Failure.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vx {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

ToolSettings Loaded(const std::string& fileText) {
    TempDir dir;
    WriteFile(dir / kToolSettingsFileName, fileText);
    ToolSettings s;
    LoadToolSettings(s, dir / kToolSettingsFileName);
    return s;
}

TEST(ToolSettings, FreshFileHoldsTheSevenSectionsInOrder) {
    TempDir dir;
    SaveToolSettings(ToolSettings{}, dir / "sub" / kToolSettingsFileName);
    EXPECT_EQ(ReadFile(dir / "sub" / kToolSettingsFileName),
              "[Top]\nTop=55\n\n[Left]\nLeft=945\n\n[Width]\nWidth=868\n\n[Height]\nHeight=852\n\n"
              "[FW_Version]\nFW_Version=0\n\n[OptionInt]\nOptionInt=0\n\n[english]\nenglish=0\n");
}

TEST(ToolSettings, MissingFileKeepsTheValuesInForce) {
    TempDir dir;
    ToolSettings s;
    s.FirmwareVersion = 3;
    LoadToolSettings(s, dir / "none.ini");
    ToolSettings expected;
    expected.FirmwareVersion = 3;
    EXPECT_EQ(s, expected);
}

TEST(ToolSettings, ReadsEachKeyFromTheSectionOfItsName) {
    ToolSettings s = Loaded("[Top]\nTop=0x20\n[LEFT]\nleft=-40\n[Width]\nWidth=abc\n"
                            "[Other]\nHeight=1\n[Height]\n[FW_Version]\nFW_Version=408\n"
                            "[optionint]\nOPTIONINT=1\n[english]\nenglish = 7\n");
    EXPECT_EQ(s.top, 32);     // hexadecimal after 0x
    EXPECT_EQ(s.left, -40);   // names match whatever their case
    EXPECT_EQ(s.width, 868);  // a word keeps the value before reading
    EXPECT_EQ(s.height, 852); // a key under another section is not read
    EXPECT_EQ(s.FirmwareVersion, 408);
    EXPECT_EQ(s.OptionInt, 1);
    EXPECT_EQ(s.english, 7);
}

TEST(ToolSettings, ParsesValuesAsTheFileHoldsThem) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"55", 55},
        {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},
        {"2147483648", std::nullopt},
        {"007", 7},
        {"+5", 5},
        {"0x1f", 31},
        {"0X7FFFFFFF", INT32_MAX},
        {"0x80000000", std::nullopt},
        {"0x", std::nullopt},
        {"0x-5", std::nullopt},
        {"0xg", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"++5", std::nullopt},
        {"12.5", std::nullopt},
        {"5 ", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseSettingValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(ToolSettings, SaveKeepsUnknownEntriesAndUpdatesKnownOnes) {
    TempDir dir;
    auto file = dir / kToolSettingsFileName;
    WriteFile(file, "; a comment\n[Mine]\nColour=blue\n[top]\nTOP=1\nExtra=yes\n");
    ToolSettings s;
    s.top = 80;
    s.english = 1;
    SaveToolSettings(s, file);
    std::string text = ReadFile(file);
    EXPECT_NE(text.find("; a comment"), std::string::npos);
    EXPECT_NE(text.find("Colour=blue"), std::string::npos);
    EXPECT_NE(text.find("Extra=yes"), std::string::npos);
    EXPECT_EQ(text.find("TOP=1"), std::string::npos);
    ToolSettings reread;
    reread.top = 0;
    LoadToolSettings(reread, file);
    EXPECT_EQ(reread, s);
}

TEST(ToolSettings, SaveChangesOnlyTheLinesOfItsKeys) {
    TempDir dir;
    auto file = dir / kToolSettingsFileName;
    // CR LF line ends, odd spacing, a duplicate section and an unclosed header all stay.
    WriteFile(file,
              "[Top]\r\n Top = 3\r\n\r\n[Mine\r\nLeft=9\r\n[Left]\r\nx = 1\r\n\r\n[Top]\r\nTop=4");
    ToolSettings s;
    LoadToolSettings(s, file);
    EXPECT_EQ(s.top, 3);    // the first entry counts
    EXPECT_EQ(s.left, 945); // "Left" under the unclosed "[Mine" is not the section Left
    SaveToolSettings(s, file);
    EXPECT_EQ(ReadFile(file),
              "[Top]\r\nTop=3\r\n\r\n[Mine\r\nLeft=9\r\n[Left]\r\nx = 1\r\nLeft=945\r\n\r\n"
              "[Top]\r\nTop=4\r\n\r\n[Width]\r\nWidth=868\r\n\r\n[Height]\r\nHeight=852\r\n\r\n"
              "[FW_Version]\r\nFW_Version=0\r\n\r\n[OptionInt]\r\nOptionInt=0\r\n\r\n"
              "[english]\r\nenglish=0\r\n");
    std::string once = ReadFile(file);
    SaveToolSettings(s, file);
    EXPECT_EQ(ReadFile(file), once); // saving again changes nothing
}

TEST(ToolSettings, ValuesNeverChangedSurviveSaves) {
    TempDir dir;
    auto file = dir / kToolSettingsFileName;
    WriteFile(file, "[OptionInt]\nOptionInt=1\n[english]\nenglish=7\n");
    for (int run = 0; run < 3; ++run) {
        ToolSettings s;
        LoadToolSettings(s, file);
        SaveToolSettings(s, file);
    }
    ToolSettings s;
    LoadToolSettings(s, file);
    EXPECT_EQ(s.OptionInt, 1);
    EXPECT_EQ(s.english, 7);
}

TEST(ToolSettings, FailedSaveReportsAndKeepsTheFile) {
    TempDir dir;
    WriteFile(dir / "plain", "x");
    try {
        SaveToolSettings(ToolSettings{}, dir / "plain" / kToolSettingsFileName);
        FAIL() << "no failure";
    } catch (const Failure& f) {
        EXPECT_STREQ(f.what(), "In VolantrixTool.ini kann nicht geschrieben werden");
    }

    auto file = dir / kToolSettingsFileName;
    WriteFile(file, "[Top]\nTop=1\n");
    std::string result = test::RunWithFileSizeLimit(20, [&] {
        try {
            SaveToolSettings(ToolSettings{}, file);
        } catch (const Failure& f) {
            return std::string(f.what());
        }
        return std::string("written");
    });
    EXPECT_EQ(result, "In VolantrixTool.ini kann nicht geschrieben werden");
    EXPECT_EQ(ReadFile(file), "[Top]\nTop=1\n");
    EXPECT_EQ(dir.Listing(), "VolantrixTool.ini plain");
}

TEST(ToolSettings, FileLivesInTheUsersConfigurationFolder) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const char* oldHome = std::getenv("HOME");
    std::string savedXdg = oldXdg ? oldXdg : "";
    std::string savedHome = oldHome ? oldHome : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/vx-config", 1);
    EXPECT_EQ(ToolSettingsPath(), "/tmp/vx-config/VolantrixTool.ini");
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "/home/pilot", 1);
    EXPECT_EQ(ToolSettingsPath(), "/home/pilot/.config/VolantrixTool.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/dir", 1); // not absolute: ignored
    EXPECT_EQ(ToolSettingsPath(), "/home/pilot/.config/VolantrixTool.ini");
    if (oldXdg)
        ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    if (oldHome)
        ::setenv("HOME", savedHome.c_str(), 1);
}

} // namespace
} // namespace vx
