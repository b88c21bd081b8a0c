#include "noxsimplelinks/env/PlainNumberDisplay.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace noxsimplelinks {
namespace {

constexpr size_t kSignificantDigits = 15;
constexpr size_t kMaxDecimals = 15;
constexpr size_t kMostZerosAfterPoint = 3;

bool IsDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

const char* SkipDigits(const char* p, const char* end) {
    while (p < end && IsDigit(*p)) ++p;
    return p;
}

// A plain number's power of ten, where its point is (its size when it has none) and where its first
// significant digit is.
struct PlainNumber {
    int exponent;
    size_t point, first;
};

std::optional<PlainNumber> ReadPlain(std::string_view text) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* const integer = begin + (text.starts_with('-') ? 1 : 0);
    const char* p = SkipDigits(integer, end);
    const size_t integerDigits = static_cast<size_t>(p - integer), point = static_cast<size_t>(p - begin);
    size_t decimals = 0;
    if (p < end) {
        if (*p != '.') return std::nullopt;
        const char* fraction = p + 1;
        p = SkipDigits(fraction, end);
        decimals = static_cast<size_t>(p - fraction);
        if (p != end || decimals == 0 || end[-1] == '0') return std::nullopt;
    }
    if (integerDigits == 0) return std::nullopt;
    if (*integer != '0') {
        if (integerDigits + decimals > kSignificantDigits) return std::nullopt;
        return PlainNumber{static_cast<int>(integerDigits) - 1, point, static_cast<size_t>(integer - begin)};
    }
    if (integerDigits > 1) return std::nullopt;
    if (decimals == 0) return integer == begin ? std::optional<PlainNumber>(PlainNumber{0, point, 0}) : std::nullopt;
    size_t zeros = 0;
    while (integer[2 + zeros] == '0') ++zeros;  // the fraction ends in another digit
    if (zeros > kMostZerosAfterPoint || decimals > kMaxDecimals) return std::nullopt;
    return PlainNumber{-static_cast<int>(zeros) - 1, point, point + 1 + zeros};
}

// Whether a plain number's first significant digits ("1000", "9999" or a lone 1 after zeros) lie so
// close to a power of ten that the power computed from its value may not be the one its digits say.
bool NearPowerOfTen(std::string_view text, size_t first) {
    const char lead = text[first];
    if (lead != '1' && lead != '9') return false;
    int seen = 1;
    bool zeros = true, nines = true;  // the significant digits after the first
    for (size_t i = first + 1; i < text.size() && seen < 4; ++i) {
        if (text[i] == '.') continue;
        ++seen;
        zeros = zeros && text[i] == '0';
        nines = nines && text[i] == '9';
    }
    return lead == '1' ? zeros : nines && seen == 4;
}

// Whether the power of ten a double computes from the number is the one its digits say.
bool ValueAgrees(std::string_view text, const PlainNumber& plain) {
    if (!NearPowerOfTen(text, plain.first)) return true;
    std::string_view body = text.substr(text.starts_with('-') ? 1 : 0);
    double value = 0;
    std::from_chars(body.data(), body.data() + body.size(), value);
    return static_cast<int>(std::floor(std::log10(value))) == plain.exponent;
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

// Copies a few bytes (a group, a separator) without a library call.
char* Put(char* out, const char* from, size_t size) {
    for (size_t i = 0; i < size; ++i) out[i] = from[i];
    return out + size;
}

}  // namespace

PlainNumberDisplay::PlainNumberDisplay(std::string decimal, std::string thousands)
    : decimal_(std::move(decimal)), thousands_(std::move(thousands)),
      keepsDigits_(SeparatorsKeepDigits(decimal_, thousands_)) {}

std::optional<int> PlainNumberDisplay::PlainExponent(std::string_view text) {
    std::optional<PlainNumber> plain = ReadPlain(text);
    return plain ? std::optional<int>(plain->exponent) : std::nullopt;
}

bool PlainNumberDisplay::Append(std::string& out, std::string_view text) const {
    std::optional<PlainNumber> plain = keepsDigits_ ? ReadPlain(text) : std::nullopt;
    if (!plain || !ValueAgrees(text, *plain)) return false;
    const size_t sign = text.front() == '-' ? 1 : 0, digits = plain->point - sign;
    const size_t groups = (digits - 1) / 3, first = digits - 3 * groups;
    const bool fraction = plain->point < text.size();
    const size_t at = out.size();
    out.resize(at + text.size() + groups * thousands_.size() + (fraction ? decimal_.size() - 1 : 0));
    char* o = Put(out.data() + at, text.data(), sign + first);
    for (const char* group = text.data() + sign + first; group < text.data() + plain->point; group += 3)
        o = Put(Put(o, thousands_.data(), thousands_.size()), group, 3);
    if (fraction) Put(Put(o, decimal_.data(), decimal_.size()), text.data() + plain->point + 1, text.size() - plain->point - 1);
    return true;
}

}  // namespace noxsimplelinks
