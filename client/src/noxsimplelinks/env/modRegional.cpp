#include "noxsimplelinks/env/modRegional.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>

#include "automation/VariantText.h"
#include "noxsimplelinks/env/PlainNumberDisplay.h"
#include "platform/LocaleSeparators.h"
#include "automation/Text.h"

namespace noxsimplelinks::modRegional {
namespace {
constexpr int kSignificantDigits = 15;
constexpr int kMaxDecimals = 15;

using automation::ReplaceAll;
using automation::Trimmed;

size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    if (part.empty()) return 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

// A text written with the user's separators in server form: thousands separators dropped, the
// decimal separator turned into ".".
std::string ToServerForm(const std::string& text, const std::string& decimal, const std::string& thousands) {
    std::string server = thousands == decimal ? text : ReplaceAll(text, thousands, "");
    return ReplaceAll(server, decimal, ".");
}

// The number a text holds under the user's separators.
std::optional<double> LocalNumber(const std::string& text, const std::string& decimal, const std::string& thousands) {
    return automation::ParseNumber(ToServerForm(text, decimal, thousands));
}

// Plain digits: 15 significant, at most 15 decimals, no trailing zeros and no point when whole.
std::string ServerDigits(double value) {
    if (value == 0) return "0";
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    int decimals = std::clamp(kSignificantDigits - 1 - exponent, 0, kMaxDecimals);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string digits = buffer;
    if (digits.find('.') != std::string::npos) {
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == '.') digits.pop_back();
    }
    return digits == "-0" ? "0" : digits;
}

// Appends the integer digits grouped in threes with the thousands separator, a group at a time.
void AppendGrouped(std::string& out, std::string_view integer, const std::string& thousands) {
    const size_t sign = integer.front() == '-' ? 1 : 0;
    const size_t digits = integer.size() - sign, first = sign + (digits % 3 == 0 ? 3 : digits % 3);
    out.append(integer.data(), std::min(first, integer.size()));
    for (size_t group = first; group < integer.size(); group += 3) out.append(thousands).append(integer.data() + group, 3);
}

std::string DisplayForm(double value, const std::string& decimal, const std::string& thousands) {
    std::string digits = ServerDigits(value);
    size_t point = digits.find('.');
    std::string shown;
    AppendGrouped(shown, std::string_view(digits).substr(0, point), thousands);
    return point == std::string::npos ? shown : shown + decimal + digits.substr(point + 1);
}

}  // namespace

std::string GetDecimalSeparator() { return platform::LocaleSeparators::Decimal(); }

std::string GetThousandSeparator() { return platform::LocaleSeparators::Thousands(); }

std::string FormatNumberForDisplay(const std::string& text) {
    if (Trimmed(text).empty()) return "";
    std::string decimal = GetDecimalSeparator();
    std::string thousands = GetThousandSeparator();
    if (std::string shown; PlainNumberDisplay(decimal, thousands).Append(shown, text)) return shown;
    if (Occurrences(text, decimal) > 1) return text;
    auto value = LocalNumber(ReplaceAll(text, ".", decimal), decimal, thousands);
    return value && std::isfinite(*value) ? DisplayForm(*value, decimal, thousands) : text;
}

std::optional<std::string> FormatPlainNumberForDisplay(std::string_view text) {
    std::string shown;
    if (!PlainNumberDisplay(GetDecimalSeparator(), GetThousandSeparator()).Append(shown, text)) return std::nullopt;
    return shown;
}

std::string NumberToServer(const std::string& text) {
    std::string trimmed = Trimmed(text);
    if (trimmed.empty()) return "";
    std::string decimal = GetDecimalSeparator();
    std::string thousands = GetThousandSeparator();
    if (!LocalNumber(trimmed, decimal, thousands)) return text;
    std::string server = ToServerForm(trimmed, decimal, thousands);
    if (!server.empty() && !std::isdigit(static_cast<unsigned char>(server.back()))) server.pop_back();
    return server;
}

}  // namespace noxsimplelinks::modRegional
