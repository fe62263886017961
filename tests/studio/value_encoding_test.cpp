// How design files spell numbers, flags and headers, and how lenient the reader is.
#include "design/value_encoding.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kvx::studio {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(ValueEncodingTest, IntegersReadLeniently) {
    EXPECT_EQ(ReadInteger("42"), 42);
    EXPECT_EQ(ReadInteger("  \t-17"), -17);
    EXPECT_EQ(ReadInteger("+8"), 8);
    EXPECT_EQ(ReadInteger("12.5"), 12);
    EXPECT_EQ(ReadInteger("0.500000000"), 0);
    EXPECT_EQ(ReadInteger("100.000000"), 100);
    EXPECT_EQ(ReadInteger("abc"), 0);
    EXPECT_EQ(ReadInteger(""), 0);
    EXPECT_EQ(ReadInteger("-"), 0);
    EXPECT_EQ(ReadInteger("- 5"), 0) << "no white space between sign and digits";
    EXPECT_EQ(ReadInteger("7 8"), 7);
    EXPECT_EQ(ReadInteger("$1F"), 31);
    EXPECT_EQ(ReadInteger("$ff"), 255);
    EXPECT_EQ(ReadInteger("-$10"), -16);
    EXPECT_EQ(ReadInteger("%101"), 5);
    EXPECT_EQ(ReadInteger("%102"), 2);
    EXPECT_EQ(ReadInteger("$"), 0);
    EXPECT_EQ(ReadInteger("$G"), 0);
    EXPECT_EQ(ReadInteger("\xE9"
                          "5"),
              0)
        << "a Latin-1 byte is no white space";
}

TEST(ValueEncodingTest, IntegersBeyondThirtyTwoBitsSaturateOrWrapAsBitPatterns) {
    EXPECT_EQ(ReadInteger("2147483647"), kMax);
    EXPECT_EQ(ReadInteger("-2147483648"), kMin);
    EXPECT_EQ(ReadInteger("2147483648"), kMax);
    EXPECT_EQ(ReadInteger("-2147483649"), kMin);
    EXPECT_EQ(ReadInteger("99999999999999999999999999999999999999"), kMax);
    EXPECT_EQ(ReadInteger("-99999999999999999999999999999999999999"), kMin);
    EXPECT_EQ(ReadInteger(std::string(100000, '9')), kMax);
    EXPECT_EQ(ReadInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ReadInteger("$80000000"), kMin);
    EXPECT_EQ(ReadInteger("$123456789"), 0x23456789);
    EXPECT_EQ(ReadInteger("-$80000000"), kMin);
    EXPECT_EQ(ReadInteger("%" + std::string(40, '1')), -1);
}

TEST(ValueEncodingTest, FlagsRealsAndTruncation) {
    EXPECT_TRUE(ReadBoolean("True"));
    for (const char* text : {"true", "TRUE", "True ", " True", "1", "", "False"})
        EXPECT_FALSE(ReadBoolean(text)) << text;
    EXPECT_STREQ(BooleanText(true), "True");
    EXPECT_STREQ(BooleanText(false), "False");

    EXPECT_EQ(RealText(0.5), "0.500000000");
    EXPECT_EQ(RealText(0), "0.00000000");
    EXPECT_EQ(RealText(1), "1.00000000");
    EXPECT_EQ(RealText(100), "100.000000");
    EXPECT_EQ(RealText(-2.5), "-2.50000000");
    EXPECT_EQ(RealText(1e12), "1.00000000e+12");

    EXPECT_EQ(TruncateToInteger(2.7), 2);
    EXPECT_EQ(TruncateToInteger(-2.7), -2);
    EXPECT_EQ(TruncateToInteger(1e30), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(TruncateToInteger(-1e30), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(TruncateToInteger(std::nan("")), 0);
    EXPECT_EQ(TruncateToInteger(INFINITY), std::numeric_limits<int64_t>::max());
}

TEST(ValueEncodingTest, ItemsOfAnyBytesComeBackFromTheirLine) {
    const std::vector<std::string> items = {"plain", "a|b", "back\\slash\\", "two\nlines\r", "", "\xe9t\xe9"};
    const std::string line = studio::ItemsText(items);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(studio::ReadItems(line), items);
    EXPECT_EQ(studio::ItemsText({}), "") << "as files without items have it";
    EXPECT_TRUE(studio::ReadItems("").empty());
    EXPECT_EQ(studio::ReadItems("end\\"), std::vector<std::string>{"end\\"}) << "a lone backslash at the end stays";
}

TEST(ValueEncodingTest, HeadersUpperCaseOnlyTheLettersAToZ) {
    EXPECT_EQ(HeaderLine("CustomButton"), "[CUSTOMBUTTON]");
    EXPECT_EQ(HeaderLine("Labeltext"), "[LABELTEXT]");
    EXPECT_EQ(UpperCaseLetters("a\xE9z{`1_"), "A\xE9Z{`1_");
    EXPECT_EQ(UpperCaseLetters(""), "");
}

}  // namespace
}  // namespace kvx::studio
