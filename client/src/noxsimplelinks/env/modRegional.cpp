#include "noxsimplelinks/env/modRegional.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "automation/VariantText.h"
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

// Separators that cannot be mistaken for a digit or a sign, nor for each other: under them a plain
// number's display form is its own text, separated and grouped.
bool SeparatorsKeepDigits(const std::string& decimal, const std::string& thousands) {
    auto numeric = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+'; };
    if (decimal.empty() || std::any_of(decimal.begin(), decimal.end(), numeric) ||
        std::any_of(thousands.begin(), thousands.end(), numeric))
        return false;
    return thousands == decimal || thousands.find_first_of(decimal) == std::string::npos;
}

// The power of ten of a plain number's first significant digit, read from its digits; nullopt when
// the text is not plain: a "-" at most, digits without a leading zero (or a lone "0"), a point
// followed by digits without a trailing zero, at most 15 significant digits, at most three zeros
// after "0." and at most 15 decimals.
std::optional<int> PlainExponent(std::string_view text) {
    auto digitsFrom = [text](size_t at) {
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
        return at;
    };
    size_t start = text.starts_with('-') ? 1 : 0;
    size_t point = digitsFrom(start);
    std::string_view integer = text.substr(start, point - start);
    std::string_view fraction;
    if (point < text.size()) {
        if (text[point] != '.' || digitsFrom(point + 1) != text.size()) return std::nullopt;
        fraction = text.substr(point + 1);
        if (fraction.empty() || fraction.back() == '0') return std::nullopt;
    }
    if (integer.empty()) return std::nullopt;
    if (integer != "0") {
        if (integer.front() == '0' || integer.size() + fraction.size() > static_cast<size_t>(kSignificantDigits))
            return std::nullopt;
        return static_cast<int>(integer.size()) - 1;
    }
    if (fraction.empty()) return text == "0" ? std::optional<int>(0) : std::nullopt;
    size_t zeros = fraction.find_first_not_of('0');
    if (zeros > 3 || fraction.size() > static_cast<size_t>(kMaxDecimals)) return std::nullopt;
    return -static_cast<int>(zeros) - 1;
}

// Whether a plain number's first significant digits ("1000", "9999" or a lone 1 after zeros) lie so
// close to a power of ten that the power computed from its value may not be the one its digits say.
bool NearPowerOfTen(std::string_view text) {
    char lead = 0;
    int seen = 0;
    bool zeros = true, nines = true;  // the significant digits after the first
    for (size_t i = 0; i < text.size() && seen < 4; ++i) {
        char c = text[i];
        if (c < '0' || c > '9' || (seen == 0 && c == '0')) continue;
        if (seen++ == 0) {
            lead = c;
            continue;
        }
        zeros = zeros && c == '0';
        nines = nines && c == '9';
    }
    return (lead == '1' && zeros) || (lead == '9' && nines && seen == 4);
}

}  // namespace

// A plain number shown: its own digits (ServerDigits gives them back, as long as the power of ten it
// computes is the one the digits say), grouped, with the user's decimal separator.
bool AppendPlainNumberForDisplay(std::string& out, std::string_view text, const std::string& decimal,
                                 const std::string& thousands) {
    std::optional<int> exponent = PlainExponent(text);
    if (!exponent || !SeparatorsKeepDigits(decimal, thousands)) return false;
    if (NearPowerOfTen(text) && text != "0") {
        std::string_view body = text.substr(text.starts_with('-') ? 1 : 0);
        double value = 0;
        std::from_chars(body.data(), body.data() + body.size(), value);
        if (static_cast<int>(std::floor(std::log10(value))) != *exponent) return false;
    }
    size_t point = text.find('.');
    AppendGrouped(out, text.substr(0, point), thousands);
    if (point != std::string_view::npos) out.append(decimal).append(text.substr(point + 1));
    return true;
}

std::string GetDecimalSeparator() { return platform::LocaleSeparators::Decimal(); }

std::string GetThousandSeparator() { return platform::LocaleSeparators::Thousands(); }

std::string FormatNumberForDisplay(const std::string& text) {
    if (Trimmed(text).empty()) return "";
    std::string decimal = GetDecimalSeparator();
    std::string thousands = GetThousandSeparator();
    if (std::string shown; AppendPlainNumberForDisplay(shown, text, decimal, thousands)) return shown;
    if (Occurrences(text, decimal) > 1) return text;
    auto value = LocalNumber(ReplaceAll(text, ".", decimal), decimal, thousands);
    return value ? DisplayForm(*value, decimal, thousands) : text;
}

std::optional<std::string> FormatPlainNumberForDisplay(std::string_view text) {
    std::string shown;
    if (!AppendPlainNumberForDisplay(shown, text, GetDecimalSeparator(), GetThousandSeparator())) return std::nullopt;
    return shown;
}

bool IsPlainNumber(std::string_view text) { return PlainExponent(text).has_value(); }

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
