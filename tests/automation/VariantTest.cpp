#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "automation/Dispatch.h"
#include "automation/SafeArray.h"
#include "automation/VariantText.h"

using namespace automation;
using testsupport::ErrorOf;

namespace {

TEST(Variant, TheFourKindsOfNothingStayApart) {
    Variant empty, null = Variant::Null(), nothing = Variant::Nothing(), text = Variant("");
    EXPECT_EQ(empty.TypeName(), "Empty");
    EXPECT_EQ(null.TypeName(), "Null");
    EXPECT_EQ(nothing.TypeName(), "Nothing");
    EXPECT_EQ(Variant::Missing().TypeName(), "Error");
    EXPECT_FALSE(empty == null);
    EXPECT_FALSE(empty == text);
    EXPECT_FALSE(null == nothing);
    EXPECT_FALSE(Variant::Missing() == empty);
    EXPECT_EQ(empty.ToString(), "");
    EXPECT_EQ(ErrorOf([&] { null.ToString(); }).Number(), errors::kInvalidUseOfNull);
    EXPECT_EQ(ErrorOf([&] { nothing.ToString(); }).Number(), errors::kTypeMismatch);
    EXPECT_EQ(null.TextOr("-"), "-");
    EXPECT_EQ(nothing.TextOr("-"), "-");
    EXPECT_EQ(text.TextOr("-"), "");
}

TEST(Variant, ToLongRoundsToEvenAndChecksRange) {
    const std::tuple<Variant, int32_t, int32_t> cases[] = {  // input, value, or the error it raises
        {Variant(2.5), 2, 0},          {Variant(3.5), 4, 0},          {Variant(-2.5), -2, 0},
        {Variant(0.5), 0, 0},          {Variant(1.5), 2, 0},          {Variant(2.4999), 2, 0},
        {Variant("  42 "), 42, 0},     {Variant("&HFF"), 255, 0},     {Variant("&HFFFF"), -1, 0},
        {Variant(true), -1, 0},        {Variant(), 0, 0},             {Variant("1e3"), 1000, 0},
        {Variant(2147483647.4), 2147483647, 0},                       {Variant(2147483648.0), 0, errors::kOverflow},
        {Variant("abc"), 0, errors::kTypeMismatch},                   {Variant(""), 0, errors::kTypeMismatch},
        {Variant::Null(), 0, errors::kInvalidUseOfNull},              {Variant::Nothing(), 0, errors::kTypeMismatch},
        {Variant("1e400"), 0, errors::kOverflow},
    };
    for (const auto& [input, expected, error] : cases) {
        SCOPED_TRACE(input.TypeName() + " " + input.TextOr("(none)"));
        if (error) EXPECT_EQ(ErrorOf([&input = input] { input.ToLong(); }).Number(), error);
        else EXPECT_EQ(input.ToLong(), expected);
    }
}

TEST(Variant, ToIntegerIsSixteenBitsAndFromLongThirtyTwo) {
    EXPECT_EQ(Variant(32767.4).ToInteger(), 32767);
    EXPECT_EQ(Variant(-32768).ToInteger(), -32768);
    EXPECT_EQ(Variant(6.5).ToInteger(), 6);
    EXPECT_EQ(ErrorOf([] { Variant(32767.5).ToInteger(); }).Number(), errors::kOverflow);
    EXPECT_EQ(ErrorOf([] { Variant(int32_t{40000}).ToInteger(); }).Number(), errors::kOverflow);
    EXPECT_EQ(Variant::FromLong(-2147220504).ToLong(), errors::kUserError);
    EXPECT_EQ(ErrorOf([] { Variant::FromLong(int64_t{1} << 31); }).Number(), errors::kOverflow);
}

TEST(Variant, ToStringWritesTheClassicForms) {
    const std::pair<Variant, const char*> cases[] = {
        {Variant(true), "True"},        {Variant(false), "False"},       {Variant(int16_t{-7}), "-7"},
        {Variant(int32_t{123456}), "123456"},                            {Variant(0.1), "0.1"},
        {Variant(1.0 / 3.0), "0.333333333333333"},                       {Variant(1e16), "1E+16"},
        {Variant(1.5e-7), "1.5E-07"},   {Variant(2.5f), "2.5"},          {Variant(Date{0.5}), "12:00:00 PM"},
        {Variant(MakeDate(2004, 3, 5)), "3/5/2004"},
        {Variant(MakeDate(2004, 3, 5, 14, 7, 9)), "3/5/2004 2:07:09 PM"},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(input.ToString(), expected);
    // Fifteen digits round the largest numbers beyond the range: their text reads back as an overflow.
    EXPECT_EQ(Variant(-1.7976931348623157e308).ToString(), "-1.79769313486232E+308");
    EXPECT_EQ(ErrorOf([] { Variant("-1.79769313486232E+308").ToDouble(); }).Number(), errors::kOverflow);
}

// A number beyond a double's range overflows only when it is too large; one too small is zero.
TEST(Variant, NumbersBeyondTheRangeOverflowOnlyWhenTooLarge) {
    for (const char* large : {"1e400", "-1E+309", "12345678e302", "0.001e312", "1e99999999999999999999"})
        EXPECT_EQ(ErrorOf([large] { Variant(large).ToDouble(); }).Number(), errors::kOverflow) << large;
    for (const char* small : {"1e-400", "-1E-999", "123e-400", "100000e-330", ".0001e-330", "1e-99999999999999999999"})
        EXPECT_EQ(Variant(small).ToDouble(), 0.0) << small;
}

// From a value that is going away the text is moved out; other values convert as ever.
TEST(Variant, TextOfAValueGoingAwayIsMovedOut) {
    const std::string long_text(1000, 'x');
    Variant text(long_text);
    EXPECT_EQ(std::move(text).ToString(), long_text);
    EXPECT_EQ(text.ToString(), "");
    EXPECT_EQ(Variant(long_text).TextOr("-"), long_text);
    EXPECT_EQ(Variant::Null().TextOr("-"), "-");
    EXPECT_EQ(Variant(int32_t{7}).ToString(), "7");
    EXPECT_THROW(Variant::Null().ToString(), AutomationError);
}

// A shared text is one text however many values hold it; it reads like any other text, and a text
// taken out of it is a copy, the shared one staying whole.
TEST(Variant, ASharedTextIsHeldNotCopied) {
    const auto text = std::make_shared<const std::string>("12.5");
    Variant shared = Variant::SharedText(text);
    const Variant copy = shared;
    EXPECT_EQ(copy.IfString(), text.get());
    EXPECT_EQ(Variant(copy).AsText().IfString(), text.get());
    EXPECT_EQ(Variant(copy).ShareText(), text);
    EXPECT_EQ(copy.TypeName(), "String");
    EXPECT_EQ(copy.ToDouble(), 12.5);
    EXPECT_TRUE(copy.IsNumeric());
    EXPECT_EQ(copy, Variant("12.5"));
    EXPECT_EQ(Variant("12.5"), copy);
    EXPECT_FALSE(copy == Variant(12.5));
    EXPECT_EQ(std::move(shared).ToString(), "12.5");
    EXPECT_EQ(*text, "12.5");
    EXPECT_EQ(Variant::SharedText(nullptr), Variant(""));
    EXPECT_EQ(*Variant(int32_t{7}).ShareText(), "7");
    EXPECT_EQ(Variant(int32_t{7}).AsText(), Variant("7"));
    EXPECT_THROW(Variant::Null().AsText(), AutomationError);
}

TEST(Variant, ToBoolAndIsNumericFollowTheClassicRules) {
    for (const char* yes : {"TRUE", "-1"}) EXPECT_TRUE(Variant(yes).ToBool()) << yes;
    for (const char* no : {"false", "0"}) EXPECT_FALSE(Variant(no).ToBool()) << no;
    EXPECT_FALSE(Variant().ToBool());
    EXPECT_EQ(ErrorOf([] { Variant("yes").ToBool(); }).Number(), errors::kTypeMismatch);
    for (const Variant& v : {Variant(), Variant(" 12.5 "), Variant(true)}) EXPECT_TRUE(v.IsNumeric()) << v.TypeName();
    for (const Variant& v : {Variant("12a"), Variant::Null(), Variant(MakeDate(2004, 3, 5))})
        EXPECT_FALSE(v.IsNumeric()) << v.TypeName();
}

TEST(Variant, DatesConvertBothWays) {
    EXPECT_EQ(Variant("03/05/2004").ToDate(), MakeDate(2004, 3, 5));
    EXPECT_EQ(Variant("2004-03-05T10:20:30").ToDate(), MakeDate(2004, 3, 5, 10, 20, 30));
    EXPECT_EQ(Variant("3/5/2004 10:20 PM").ToDate(), MakeDate(2004, 3, 5, 22, 20, 0));
    EXPECT_EQ(Variant(38051.0).ToDate(), MakeDate(2004, 3, 5));
    EXPECT_EQ(MakeDate(1899, 12, 30).serial, 0.0);
    EXPECT_EQ(MakeDate(1900, 1, 1).serial, 2.0);
    // Before the epoch the time of day still counts forward from the date.
    EXPECT_EQ(SplitDate(Date{-1.25}).hour, 6);
    EXPECT_EQ(SplitDate(Date{-1.25}).day, 29);
    EXPECT_EQ(ErrorOf([] { Variant("2004-02-30").ToDate(); }).Number(), errors::kTypeMismatch);
    EXPECT_EQ(ErrorOf([] { Variant(3e6).ToDate(); }).Number(), errors::kOverflow);
}

TEST(Variant, ArraysAreCopiedOnWrite) {
    Variant a(SafeArray::Of({Variant(1), Variant("two")}));
    Variant b = a;
    b.MutableArray().At(0) = Variant("changed");
    EXPECT_EQ(a.ToArray().At(0).ToLong(), 1);
    EXPECT_EQ(b.ToArray().At(0).ToString(), "changed");
    EXPECT_EQ(a.TypeName(), "Variant()");
}

}  // namespace
