#include "logconv/NumberText.h"
#include "fileio/Failure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace vx {
namespace {

TEST(FormatNumber, WritesFifteenSignificantDigitsWithPointAndNoTrailingZeros) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {12.0, "12"},
        {12.3, "12.3"},
        {0.5, "0.5"},
        {-0.5, "-0.5"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E15"},
        {1234567890123456.0, "1.23456789012346E15"},
        {9.9999999999999995, "10"}, // rounding carries into a new digit
        {0.00009999999, "9.999999E-5"},
        {8.33333312281563e-5, "8.33333312281563E-5"},
        {-1.5e-7, "-1.5E-7"},
        {1e100, "1E100"},
        {1e-300, "1E-300"},
        // Exact halves round up, whatever the library does with them.
        {-73055077174189.25, "-73055077174189.3"},
        {0.4029083251953125, "0.402908325195313"},
        {2.5e-5, "2.5E-5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value), c.text) << c.value;
}

// True when the exact value lies halfway between two 15-digit texts.
bool IsExactHalf(double value) {
    char text[80];
    auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 40).ptr;
    const std::string digits(text, static_cast<std::size_t>(end - text));
    const std::size_t sixteenth = digits.find('.') + 15;
    return digits[sixteenth] == '5' &&
           digits.find_first_not_of('0', sixteenth + 1) == digits.find('e');
}

// The general 15-digit form of the C++ library, with the exponent spelt as the number text has it.
std::string ReferenceNumberText(double value) {
    char text[64];
    auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15).ptr;
    std::string out(text, end);
    const std::size_t e = out.find('e');
    if (e == std::string::npos)
        return out == "-0" ? "0" : out;
    std::string exponent = out.substr(e + 1);
    const bool negative = exponent[0] == '-';
    exponent.erase(0, 1);
    exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
    return out.substr(0, e) + "E" + (negative ? "-" : "") + exponent;
}

TEST(FormatNumber, AgreesWithTheLibrarysRoundingAcrossMagnitudes) {
    std::mt19937_64 random(20100612);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 18);
    for (int i = 0; i < 200000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random)) * (i % 2 ? -1 : 1);
        if (!IsExactHalf(value)) {
            ASSERT_EQ(FormatNumber(value), ReferenceNumberText(value)) << value;
        }
    }
}

TEST(FormatNumber, AgreesWithTheLibraryOnEveryKindOfCoordinate) {
    for (std::int32_t degrees : {0, 8, 48, 123, 179, 2147}) {
        for (std::int32_t rest = 0; rest < 1000000; rest += 7) {
            const std::int64_t encoded = std::int64_t{degrees} * 1000000 + rest;
            if (encoded > INT32_MAX)
                break; // 2147 degrees go only as far as the largest log integer
            const double value = NmeaCoordinateDegrees(static_cast<std::int32_t>(encoded));
            if (!IsExactHalf(value)) {
                ASSERT_EQ(FormatNumber(value), ReferenceNumberText(value))
                    << degrees << " " << rest;
            }
        }
    }
}

TEST(FormatPlainDecimal, KeepsTheDigitsWithoutExponent) {
    EXPECT_EQ(FormatPlainDecimal(8.33333312281563e-5), "0.0000833333312281563");
    EXPECT_EQ(FormatPlainDecimal(-1.5e-7), "-0.00000015");
    EXPECT_EQ(FormatPlainDecimal(48.2057600021362), "48.2057600021362");
    EXPECT_EQ(FormatPlainDecimal(1234567890123456.0), "1234567890123460");
    EXPECT_EQ(FormatPlainDecimal(1e15), "1000000000000000");
    EXPECT_EQ(FormatPlainDecimal(0.0), "0");
}

TEST(ConvertNmeaCoordinate, ShowsTheSinglePrecisionFraction) {
    const struct {
        const char* text;
        const char* degrees;
    } cases[] = {
        {"48123456", "48.2057600021362"},
        {"47300000", "47.5000000198682"},
        {"-8123456", "-8.20576000213623"},
        {"48000000", "48"},
        {"50", "8.33333312281563E-5"},
        {"-123300000", "-123.500000019868"},
        {"0", "0"},
        {"00", "0"},
        {"+8123456", "8.20576000213623"},
        {"-2147483648", "-2147.80608000358"},
        {"2147483647", "2147.80607831478"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertNmeaCoordinate(c.text), c.degrees) << c.text;
}

TEST(FormatWholeNumber, DropsSignAndLeadingZeros) {
    const struct {
        const char* text;
        const char* number;
    } cases[] = {{"007", "7"},
                 {"+5", "5"},
                 {"-0", "0"},
                 {"0345", "345"},
                 {"-12", "-12"},
                 {"2147483647", "2147483647"},
                 {"-2147483648", "-2147483648"},
                 {"0000000000000000000001", "1"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatWholeNumber(c.text), c.number) << c.text;
}

TEST(FormatTenths, PutsThePointBeforeTheLastDigitExactly) {
    const struct {
        const char* text;
        const char* number;
    } cases[] = {{"123", "12.3"},
                 {"120", "12"},
                 {"-5", "-0.5"},
                 {"7", "0.7"},
                 {"0", "0"},
                 {"-0", "0"},
                 {"-15", "-1.5"},
                 {"-10", "-1"},
                 {"2147483647", "214748364.7"},
                 {"-2147483648", "-214748364.8"},
                 {"+4567", "456.7"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatTenths(c.text), c.number) << c.text;
}

TEST(ParseInt32, RejectsEverythingButASigned32BitDecimal) {
    const char* bad[] = {"",
                         "-",
                         "+",
                         "abc",
                         "12.3",
                         "1,5",
                         " 12",
                         "12 ",
                         "0x10",
                         "1e3",
                         "2147483648",
                         "-2147483649",
                         "99999999999999999999",
                         "+-1",
                         "--1"};
    for (const char* text : bad) {
        try {
            ParseInt32(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.what(), "'" + std::string(text) + "' ist kein gültiger Integerwert");
        }
    }
}

TEST(ParseInt32, QuotesASingleByteTextAsUtf8) {
    try {
        ParseInt32("H\xF6he");
        FAIL() << "accepted a text with letters";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "'H\xC3\xB6he' ist kein gültiger Integerwert");
    }
}

} // namespace
} // namespace vx
