#pragma once
// Numbers between the server's form ("." as the decimal point, no grouping) and the user's display
// form (the user's decimal and thousands separators, grouped).
#include <optional>
#include <string>
#include <string_view>

namespace noxsimplelinks::modRegional {

std::string GetDecimalSeparator();
std::string GetThousandSeparator();
// "1234.5" -> "1.234,5" under a comma decimal and point thousands separator; up to 15 decimals, no
// trailing zeros. A text holding the decimal separator twice, or no number at all, comes back as it is.
std::string FormatNumberForDisplay(const std::string& text);
// The display form of a number written the way a number reads back as text ("-1234.5": no sign but a
// leading "-", no leading or trailing zeros, at most 15 significant digits, no exponent), which is
// FormatNumberForDisplay's answer for it, found without converting to a double and back; nullopt for
// any other text. PlainNumberDisplay shows many such numbers under separators read once.
std::optional<std::string> FormatPlainNumberForDisplay(std::string_view text);
// "1.234,5" -> "1234.5" under the same settings; a text that is not a number comes back as it is.
std::string NumberToServer(const std::string& text);

}  // namespace noxsimplelinks::modRegional
