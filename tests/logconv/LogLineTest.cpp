#include "logconv/LogLine.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vx {
namespace {

std::vector<std::string> Split(std::string_view line) {
    LogRecord record;
    SplitLogLine(line, record);
    return std::vector<std::string>(record.fields.begin(), record.fields.end());
}

using Fields = std::vector<std::string>;

TEST(IsLogDataLine, CountsExactlySixteenSemicolonsAnywhere) {
    const std::string sixteen = "0;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16";
    EXPECT_TRUE(IsLogDataLine(sixteen));
    EXPECT_FALSE(IsLogDataLine(sixteen + ";17"));
    EXPECT_FALSE(IsLogDataLine("0;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15"));
    EXPECT_FALSE(IsLogDataLine(""));
    EXPECT_TRUE(IsLogDataLine(std::string(16, ';')));
    EXPECT_TRUE(IsLogDataLine("\"a;b\";" + std::string(14, ';'))); // quoted ones count too
    std::string longLine = sixteen + std::string(300 - sixteen.size(), 'x');
    EXPECT_TRUE(IsLogDataLine(longLine));
    EXPECT_FALSE(IsLogDataLine(longLine + ";"));
}

TEST(SplitLogLine, SeparatesTrimsAndUnquotes) {
    const struct {
        const char* line;
        Fields fields;
    } cases[] = {
        {"1;;3", {"1", "", "3"}},
        {"1; 2 ;3", {"1", "2", "3"}},
        {"1 2;3", {"1", "2", "3"}}, // a blank ends an unquoted field
        {"1;2;", {"1", "2", ""}},
        {"1;2; ", {"1", "2"}}, // the empty last field only when ';' is the very last character
        {";", {"", ""}},
        {"", {}},
        {"   ", {}},
        {"\t1\x01;\x1A"
         "2",
         {"1", "2"}}, // codes 1 to 32 are all blanks
        {"\"a;b\";c", {"a;b", "c"}},
        {"\" x \";y", {" x ", "y"}},
        {"\"say \"\"hi\"\"\";z", {"say \"hi\"", "z"}},
        {"\"\";1", {"", "1"}},
        {"\"\"\"\"", {"\""}},
        {"\"open;to the end", {"open;to the end"}}, // no closing quotation mark
        {"\"open \"\"x\"\";y", {"open \"x\";y"}},
        {"\"a\"b;c", {"a", "b", "c"}},
        {"a\"b\";c", {"a\"b\"", "c"}}, // a quotation mark inside a field is an ordinary character
        {"\xE4\xF6;\xFC", {"\xE4\xF6", "\xFC"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Split(c.line), c.fields) << c.line;
}

TEST(SplitLogLine, GivesSeventeenFieldsForAPlainDataLine) {
    const Fields fields = Split("00;12;125;3;1234;5;6;7;8;9;8123456;48123456;345;54;14;15;16");
    ASSERT_EQ(fields.size(), 17u);
    EXPECT_EQ(fields[kLogTimeField], "125");
    EXPECT_EQ(fields[kBaroHeightField], "1234");
    EXPECT_EQ(fields[kLongitudeField], "8123456");
    EXPECT_EQ(fields[kLatitudeField], "48123456");
    EXPECT_EQ(fields[kGpsHeightField], "345");
    EXPECT_EQ(fields[kSpeedField], "54");
}

TEST(SplitLogLine, KeepsEveryUnquotedFieldValidInAReusedRecord) {
    LogRecord record;
    SplitLogLine("\"a\"\"1\";\"b\"\"2\";\"c\"\"3\";\"d\"\"4\"", record);
    SplitLogLine("\"first\"\"\";\"second\"\"\";\"" + std::string(5000, 'q') + "\"\"\"", record);
    ASSERT_EQ(record.fields.size(), 3u);
    EXPECT_EQ(record.fields[0], "first\"");
    EXPECT_EQ(record.fields[1], "second\"");
    EXPECT_EQ(record.fields[2], std::string(5000, 'q') + "\"");
}

} // namespace
} // namespace vx
