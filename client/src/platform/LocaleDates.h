#pragma once
// The user's forms of dates and times: those of the locale the user's environment names for them
// (LC_ALL, LC_TIME, LANG), read without changing the process's own locale; the C locale's when that
// locale is not installed. Years are written with four digits whatever the locale says, times to the
// minute. The locale is read once; Forget makes the next call read it again.
#include <optional>
#include <string>
#include <string_view>

#include "automation/Variant.h"

namespace platform {

class LocaleDates {
public:
    // The user's short date: "05.03.2004" under de_DE, "03/05/2004" under en_US.
    static std::string ShortDate(automation::Date date);
    // The user's short time: "14:30" under de_DE, "02:30 PM" under en_US.
    static std::string ShortTime(automation::Date date);
    // A date written in the user's short date form, a time ("14:30", "2:30 PM") allowed after a blank;
    // a year of one or two digits is read as 1930 to 2029. nullopt for any other text.
    static std::optional<automation::Date> ReadShortDate(std::string_view text);
    // A date as a grid cell shows it: the user's short date form, else the runtime's forms
    // ("M/D/YYYY", year first, a time alone).
    static std::optional<automation::Date> ReadShownDate(std::string_view text);
    static void Forget();
};

}  // namespace platform
