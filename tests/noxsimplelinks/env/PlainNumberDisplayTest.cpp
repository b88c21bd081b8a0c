#include <gtest/gtest.h>

#include "noxsimplelinks/env/PlainNumberDisplay.h"

using noxsimplelinks::PlainNumberDisplay;

namespace {

// Numbers are appended one after another; separators of more than one character group and separate
// as single ones do; a text that is not plain leaves what was written before untouched.
TEST(PlainNumberDisplay, AppendsEachNumberGroupedUnderItsSeparators) {
    const PlainNumberDisplay wide(" , ", "''");
    std::string out = "[";
    for (const char* text : {"1", "12", "123", "1234", "-12345", "123456.5", "-1234567.25", "0.0001"}) {
        ASSERT_TRUE(wide.Append(out, text)) << text;
        out += "|";
    }
    EXPECT_EQ(out, "[1|12|123|1''234|-12''345|123''456 , 5|-1''234''567 , 25|0 , 0001|");
    for (const char* other : {"", "-", "1.", ".5", "01", "-0", "1.50", "1e5", "1 ", "0.00001", "1234567890123456"})
        EXPECT_FALSE(wide.Append(out, other)) << other;
    EXPECT_EQ(out, "[1|12|123|1''234|-12''345|123''456 , 5|-1''234''567 , 25|0 , 0001|");
}

TEST(PlainNumberDisplay, SeparatorsThatLookLikeDigitsShowNothing) {
    std::string out;
    for (auto [decimal, thousands] : {std::pair{"", ","}, {"1", ","}, {",", "-"}, {".", ". "}}) {
        EXPECT_FALSE(PlainNumberDisplay(decimal, thousands).Append(out, "1234.5")) << decimal << thousands;
    }
    EXPECT_TRUE(out.empty());
    EXPECT_TRUE(PlainNumberDisplay(",", ",").Append(out, "1234.5"));
    EXPECT_EQ(out, "1,234,5");
}

TEST(PlainNumberDisplay, PowerOfTenOfTheFirstSignificantDigit) {
    const std::pair<const char*, int> plain[] = {{"0", 0},      {"7", 0},         {"-12.5", 1}, {"123456789012345", 14},
                                                 {"0.5", -1},   {"-0.0012", -3},  {"0.0001", -4}};
    for (auto [text, exponent] : plain) EXPECT_EQ(PlainNumberDisplay::PlainExponent(text), exponent) << text;
    for (const char* other : {"00", "0.", "+1", "1,5", "0.00001", "12.30", "0.1234567890123456"})
        EXPECT_FALSE(PlainNumberDisplay::PlainExponent(other)) << other;
}

}  // namespace
