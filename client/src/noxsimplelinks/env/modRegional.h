#pragma once
// Numbers between the server's form ("." as the decimal point, no grouping) and the user's display
// form (the user's decimal and thousands separators, grouped).
#include <string>

namespace noxsimplelinks::modRegional {

std::string GetDecimalSeparator();
std::string GetThousandSeparator();
// "1234.5" -> "1.234,5" under a comma decimal and point thousands separator; up to 15 decimals, no
// trailing zeros. A text holding the decimal separator twice, or no number at all, comes back as it is.
std::string FormatNumberForDisplay(const std::string& text);
// "1.234,5" -> "1234.5" under the same settings; a text that is not a number comes back as it is.
std::string NumberToServer(const std::string& text);

}  // namespace noxsimplelinks::modRegional
