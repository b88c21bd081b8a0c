#include <gtest/gtest.h>

#include "platform/LocaleDates.h"
#include "support/ScopedVariable.h"

using automation::MakeDate;
using platform::LocaleDates;

namespace {

// The user's locale for one test: set, and forgotten again when it ends.
class UserLocale {
public:
    explicit UserLocale(const std::string& name) : variable_("LC_ALL", name) { LocaleDates::Forget(); }
    ~UserLocale() { LocaleDates::Forget(); }

private:
    testsupport::ScopedVariable variable_;
};

struct LocaleCase {
    std::string locale, date, time, typedShort;
};

class LocaleDatesIn : public testing::TestWithParam<LocaleCase> {};

// Each locale's own form, four-digit years and minutes; what it writes it reads back, a time after it too.
TEST_P(LocaleDatesIn, DatesAndTimesAreWrittenAndReadInTheUsersForm) {
    const LocaleCase& c = GetParam();
    UserLocale locale(c.locale);
    const automation::Date day = MakeDate(2004, 3, 5), moment = MakeDate(2004, 3, 5, 14, 30, 15);
    EXPECT_EQ(LocaleDates::ShortDate(moment), c.date);
    EXPECT_EQ(LocaleDates::ShortTime(moment), c.time);
    EXPECT_EQ(LocaleDates::ReadShortDate(c.date), day);
    EXPECT_EQ(LocaleDates::ReadShortDate(" " + c.date + " 14:30:15 "), moment);
    EXPECT_EQ(LocaleDates::ReadShortDate(c.typedShort), day) << "one-digit day and month, two-digit year";
    for (const std::string& other : {std::string("2004-03-05x"), std::string(""), c.date + "x", c.date + " soon"})
        EXPECT_FALSE(LocaleDates::ReadShortDate(other)) << other;
}

INSTANTIATE_TEST_SUITE_P(
    RealLocales, LocaleDatesIn,
    testing::Values(LocaleCase{"en_US.UTF-8", "03/05/2004", "02:30 PM", "3/5/04"},
                    LocaleCase{"de_DE.UTF-8", "05.03.2004", "14:30", "5.3.04"},
                    LocaleCase{"en_GB.UTF-8", "05/03/2004", "14:30", "5/3/04"},
                    LocaleCase{"ja_JP.UTF-8", "2004\xE5\xB9\xB4" "03\xE6\x9C\x88" "05\xE6\x97\xA5", "14\xE6\x99\x82" "30\xE5\x88\x86",
                               "04\xE5\xB9\xB4" "3\xE6\x9C\x88" "5\xE6\x97\xA5"},
                    LocaleCase{"C.UTF-8", "03/05/2004", "14:30", "3/5/04"}),
    [](const testing::TestParamInfo<LocaleCase>& info) {
        std::string name = info.param.locale.substr(0, info.param.locale.find('.'));
        return name;
    });

TEST(LocaleDates, OnlyRealDaysAreReadAndAMissingLocaleIsTheCLocale) {
    {
        UserLocale german("de_DE.UTF-8");
        EXPECT_FALSE(LocaleDates::ReadShortDate("31.04.2004"));
        EXPECT_FALSE(LocaleDates::ReadShortDate("29.02.2003"));
        EXPECT_EQ(LocaleDates::ReadShortDate("29.02.2004"), MakeDate(2004, 2, 29));
        EXPECT_EQ(LocaleDates::ReadShortDate("1.1.30"), MakeDate(1930, 1, 1));
        EXPECT_FALSE(LocaleDates::ReadShortDate("05/03/2004"));
    }
    UserLocale missing("xx_YY.UTF-8");
    EXPECT_EQ(LocaleDates::ShortDate(MakeDate(2004, 3, 5)), "03/05/2004");
}

}  // namespace
