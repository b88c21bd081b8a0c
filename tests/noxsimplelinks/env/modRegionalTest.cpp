#include <gtest/gtest.h>

#include "automation/AutomationError.h"
#include "automation/ObjectFactory.h"
#include "noxsimplelinks/Registration.h"
#include "noxsimplelinks/env/clsDate.h"
#include "noxsimplelinks/env/modRegional.h"
#include "support/TestWorld.h"

using namespace noxsimplelinks;
using automation::Variant;
using testsupport::TestWorld;

namespace {

struct Conversion {
    std::string from, to;
};

TEST(modRegional, NumbersShownFromTheServerAndTypedForIt) {
    TestWorld world;
    world.UseSeparators(",", ".");
    const Conversion shown[] = {
        {"1234.5", "1.234,5"},       {"12", "12"},          {"-0.25", "-0,25"},   {"1234567.125", "1.234.567,125"},
        {"0", "0"},                  {"-1000", "-1.000"},   {"100.50", "100,5"},  {"0.000000000000001", "0,000000000000001"},
        {"1234.5678", "1.234,5678"}, {"1,5,0", "1,5,0"},    {"ABC", "ABC"},       {"", ""},
        {"   ", ""},                 {"1E+400", "1E+400"},  {"-1e-400", "0"},
    };
    for (const auto& c : shown) EXPECT_EQ(modRegional::FormatNumberForDisplay(c.from), c.to) << c.from;
    const Conversion typed[] = {
        {"1.234,5", "1234.5"}, {"12", "12"}, {"-0,25", "-0.25"}, {"12,", "12"}, {" 7 ", "7"},
        {"abc", "abc"},        {"1,2,3", "1,2,3"}, {"", ""},    {"  ", ""},
    };
    for (const auto& c : typed) EXPECT_EQ(modRegional::NumberToServer(c.from), c.to) << c.from;
    world.UseSeparators(".", ",");
    EXPECT_EQ(modRegional::FormatNumberForDisplay("9876543.21"), "9,876,543.21");
    EXPECT_EQ(modRegional::FormatNumberForDisplay("1.2.3"), "1.2.3");
    EXPECT_EQ(modRegional::NumberToServer("9,876,543.21"), "9876543.21");
}

// Plain numbers are shown from their own digits; anything else is left to the conversion through a
// double, which must give the same text for the plain ones.
TEST(modRegional, PlainNumbersShownFromTheirDigits) {
    TestWorld world;
    world.UseSeparators(",", ".");
    const Conversion plain[] = {
        {"1234.5", "1.234,5"},   {"-1234567.25", "-1.234.567,25"}, {"0", "0"},      {"0.0001", "0,0001"},
        {"-0.5", "-0,5"},        {"123456789012345", "123.456.789.012.345"},       {"12", "12"},
        {"99.9999999999999", "99,9999999999999"},                  {"0.123456789012345", "0,123456789012345"},
    };
    for (const auto& c : plain) {
        EXPECT_EQ(modRegional::FormatPlainNumberForDisplay(c.from), c.to) << c.from;
        EXPECT_EQ(modRegional::FormatNumberForDisplay(Variant(Variant(c.from).ToDouble()).ToString()), c.to) << c.from;
    }
    // Nines up to the 15th digit: the logarithm rounds up to the next power of ten, the digits stay.
    EXPECT_EQ(modRegional::FormatNumberForDisplay("999999999999999"), "999.999.999.999.999");
    for (const char* other : {"0.00001", "1.50", "007", "-0", "+1", "1e5", "1234567890123456", "1.", ".5", "", "1,5",
                              "0.1234567890123456", " 12", "1.2.3"})
        EXPECT_FALSE(modRegional::FormatPlainNumberForDisplay(other)) << other;
    world.UseSeparators("", ",");
    EXPECT_FALSE(modRegional::FormatPlainNumberForDisplay("1.5"));
    world.UseSeparators("1", ",");
    EXPECT_FALSE(modRegional::FormatPlainNumberForDisplay("1.5"));
}

// Next to a power of ten the digits and the double may disagree on the power; wherever the digits
// answer, they answer what the conversion through a double ("+" keeps a text off the digits' path) gives.
TEST(modRegional, PlainNumbersNextToPowersOfTenAgreeWithTheDouble) {
    TestWorld world;
    world.UseSeparators(",", ".");
    std::vector<std::string> texts = {"0.001", "0.0001", "0.000999", "0.1", "0.9999", "0.99999999999999"};
    for (size_t digits = 1; digits <= 15; ++digits) {
        texts.push_back("1" + std::string(digits - 1, '0'));
        texts.push_back(std::string(digits, '9'));
        if (digits > 1) texts.push_back("1" + std::string(digits - 2, '0') + "1");
        if (digits > 1) texts.push_back(std::string(digits - 1, '9') + ".9");
    }
    for (const std::string& text : texts) {
        if (auto shown = modRegional::FormatPlainNumberForDisplay(text)) {
            EXPECT_EQ(*shown, modRegional::FormatNumberForDisplay("+" + text)) << text;
        }
    }
}

TEST(clsDate, DateToServer) {
    clsDate dates;
    const std::pair<Variant, std::string> cases[] = {
        {Variant(automation::MakeDate(1999, 12, 31, 23, 59, 0)), "12/31/1999"}, {Variant("FOREVER"), "FOREVER"},
        {Variant(), ""}, {Variant(""), ""}, {Variant("3/5/2004"), "03/05/2004"}};
    for (const auto& [date, text] : cases) EXPECT_EQ(dates.DateToServer(date), text) << text;
    EXPECT_THROW(dates.DateToServer(Variant("soon")), automation::AutomationError);
    RegisterClasses();
    EXPECT_EQ(automation::CreateObject("noxsimplelinks.clsDate")->Call("DateToServer", automation::MakeDate(2004, 3, 5)).ToString(),
              "03/05/2004");
}

// A date the user types is read in the user's own form (or year first), and goes to the server
// month first; the numbers typed go with a point.
TEST(clsDate, WhatTheUserTypesIsReadInTheUsersForm) {
    const struct {
        std::string locale, date, otherForm, number;
    } cases[] = {
        {"en_US.UTF-8", "3/5/2004", "05.03.2004", "1,234.5"},
        {"de_DE.UTF-8", "05.03.2004", "3/5/2004", "1.234,5"},
        {"en_GB.UTF-8", "05/03/04 14:30", "2004/03/05", "1,234.5"},
    };
    clsDate dates;
    for (const auto& c : cases) {
        TestWorld world;
        world.UseLocale(c.locale);
        EXPECT_EQ(dates.DateToServer(Variant(c.date)), "03/05/2004") << c.locale;
        EXPECT_EQ(dates.DateToServer(Variant("2004-03-05")), "03/05/2004") << c.locale;
        EXPECT_THROW(dates.DateToServer(Variant(c.otherForm)), automation::AutomationError) << c.locale;
        EXPECT_EQ(modRegional::NumberToServer(c.number), "1234.5") << c.locale;
    }
}

}  // namespace
