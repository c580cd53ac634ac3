#include "fileio/Failure.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace vx {
namespace {

TEST(IoErrorMessage, UsesTheSystemsGermanTexts) {
    EXPECT_EQ(IoErrorMessage(ENOENT), "Datei nicht gefunden");
    EXPECT_EQ(IoErrorMessage(EACCES), "Dateizugriff verweigert");
    EXPECT_EQ(IoErrorMessage(EPERM), "Dateizugriff verweigert");
    EXPECT_EQ(IoErrorMessage(ENOSPC), "E/A-Fehler 28");
    EXPECT_EQ(IoErrorMessage(EISDIR), "E/A-Fehler 21");
}

TEST(Latin1ToUtf8, KeepsAsciiAndEncodesHighBytes) {
    EXPECT_EQ(Latin1ToUtf8("abc;1"), "abc;1");
    EXPECT_EQ(Latin1ToUtf8("H\xF6he"), "H\xC3\xB6he");
    EXPECT_EQ(Latin1ToUtf8(std::string_view("\xFF\x00", 2)), std::string("\xC3\xBF\x00", 3));
}

} // namespace
} // namespace vx
