#pragma once
// Text forms of numbers and dates under the classic rules: what CStr writes and what CDbl and
// CDate accept.
#include <optional>
#include <string>
#include <string_view>

#include "automation/Variant.h"

namespace automation {

// A decimal or "&H"/"&O" number, blanks around it allowed; nullopt when the text is not one.
std::optional<double> ParseNumber(std::string_view text);
// "M/D/YYYY", "YYYY-MM-DD", either with an optional time "H:MM[:SS][ AM|PM]" (after a blank or
// "T"), or a time alone; nullopt when the text is not a date.
std::optional<Date> ParseDate(std::string_view text);
// Up to the given significant digits, no trailing zeros, exponent form for very large or small.
std::string FormatNumber(double value, int significantDigits);
// "M/D/YYYY", "h:mm:ss AM" or both, leaving out a zero date or a zero time.
std::string FormatDate(Date date);

}  // namespace automation
