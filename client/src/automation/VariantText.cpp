#include "automation/VariantText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace automation {
namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

std::optional<double> ParseRadix(std::string_view digits, int radix) {
    if (digits.empty()) return std::nullopt;
    uint64_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, radix);
    if (ec != std::errc() || end != digits.data() + digits.size() || value > 0xFFFFFFFFull) return std::nullopt;
    // Like the classic hex literals, values that fit 16 or 32 bits are read as signed.
    if (value <= 0xFFFF && digits.size() <= (radix == 16 ? 4u : 6u)) return static_cast<double>(static_cast<int16_t>(value));
    return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

// Reads an unsigned integer at pos; returns -1 when there is none.
int ReadInt(std::string_view text, size_t& pos, size_t maxDigits) {
    size_t start = pos;
    int value = 0;
    while (pos < text.size() && pos - start < maxDigits && std::isdigit(static_cast<unsigned char>(text[pos])))
        value = value * 10 + (text[pos++] - '0');
    return pos == start ? -1 : value;
}

bool Expect(std::string_view text, size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) return ++pos, true;
    return false;
}

bool ValidDate(int y, int m, int d) {
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= days[m - 1] + (m == 2 && leap ? 1 : 0);
}

// Parses "H:MM[:SS][.fff][ AM|PM]" at pos up to the end; returns the fraction of a day.
std::optional<double> ParseTime(std::string_view text, size_t pos) {
    int h = ReadInt(text, pos, 2);
    if (h < 0 || !Expect(text, pos, ':')) return std::nullopt;
    int m = ReadInt(text, pos, 2);
    int s = 0;
    if (m < 0) return std::nullopt;
    if (Expect(text, pos, ':') && (s = ReadInt(text, pos, 2)) < 0) return std::nullopt;
    if (Expect(text, pos, '.')) ReadInt(text, pos, 9);  // fractions of a second are dropped
    std::string_view rest = Trim(text.substr(pos));
    if (rest == "Z") rest = {};
    if (!rest.empty()) {
        std::string upper;
        for (char c : rest) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if ((upper != "AM" && upper != "PM") || h < 1 || h > 12) return std::nullopt;
        h = (h % 12) + (upper == "PM" ? 12 : 0);
    }
    if (h > 23 || m > 59 || s > 59) return std::nullopt;
    return (h * 3600 + m * 60 + s) / 86400.0;
}

// Whether a decimal number too far from 1 for a double lies above its range rather than below it:
// where its first significant digit stands, as a power of ten.
bool AboveRange(std::string_view decimal) {
    const size_t mark = std::min(decimal.find_first_of("eE"), decimal.size());
    const std::string_view mantissa = decimal.substr(0, mark);
    const size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return false;
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    long long power = first < point ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);
    std::string_view exponent = decimal.substr(std::min(mark + 1, decimal.size()));
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) exponent.remove_prefix(1);
    long long shift = 0;
    for (char digit : exponent) shift = std::min(shift * 10 + (digit - '0'), 1'000'000'000LL);
    return power + (negative ? -shift : shift) > 0;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    text = Trim(text);
    if (text.size() > 2 && text[0] == '&') {
        char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
        if (kind == 'H') return ParseRadix(text.substr(2), 16);
        if (kind == 'O') return ParseRadix(text.substr(2), 8);
        return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    std::string_view body = text;
    bool negative = false;
    if (body[0] == '+' || body[0] == '-') negative = body[0] == '-', body.remove_prefix(1);
    if (body.empty() || !(std::isdigit(static_cast<unsigned char>(body[0])) || body[0] == '.')) return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (ec != std::errc() && ec != std::errc::result_out_of_range) return std::nullopt;
    if (end != body.data() + body.size()) return std::nullopt;
    if (ec == std::errc::result_out_of_range) value = AboveRange(body) ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

std::optional<Date> ParseDate(std::string_view text) {
    text = Trim(text);
    size_t pos = 0;
    int a = ReadInt(text, pos, 4);
    if (a < 0) return std::nullopt;
    if (pos < text.size() && text[pos] == ':') {
        auto time = ParseTime(text, 0);
        return time ? std::optional<Date>(Date{*time}) : std::nullopt;
    }
    int y, m, d;
    if (pos == 4 && Expect(text, pos, '-')) {
        y = a;
        m = ReadInt(text, pos, 2);
        if (!Expect(text, pos, '-')) return std::nullopt;
        d = ReadInt(text, pos, 2);
    } else if (Expect(text, pos, '/')) {
        m = a;
        d = ReadInt(text, pos, 2);
        if (!Expect(text, pos, '/')) return std::nullopt;
        size_t yearStart = pos;
        y = ReadInt(text, pos, 4);
        if (y >= 0 && pos - yearStart <= 2) y += y < 30 ? 2000 : 1900;
    } else {
        return std::nullopt;
    }
    if (!ValidDate(y, m, d)) return std::nullopt;
    Date date = MakeDate(y, m, d);
    if (pos == text.size()) return date;
    if (text[pos] != ' ' && text[pos] != 'T') return std::nullopt;
    auto time = ParseTime(text, pos + 1);
    if (!time) return std::nullopt;
    date.serial += date.serial < 0 ? -*time : *time;
    return date;
}

std::string FormatNumber(double value, int significantDigits) {
    if (value == 0) return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", significantDigits, value);
    std::string text = buffer;
    auto e = text.find('E');
    if (e != std::string::npos) {
        // The classic form keeps at least two exponent digits: 1E+16, 1.5E-07.
        std::string mantissa = text.substr(0, e);
        char sign = text[e + 1];
        std::string digits = text.substr(e + 2);
        while (digits.size() > 2 && digits[0] == '0') digits.erase(0, 1);
        return mantissa + "E" + sign + digits;
    }
    return text;
}

std::string FormatDate(Date date) {
    DateParts p = SplitDate(date);
    bool hasTime = p.hour || p.minute || p.second;
    bool hasDate = std::trunc(date.serial) != 0 || !hasTime;
    std::string text;
    if (hasDate) text = std::to_string(p.month) + "/" + std::to_string(p.day) + "/" + std::to_string(p.year);
    if (hasTime) {
        char buffer[32];
        int h12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
        std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d %s", h12, p.minute, p.second, p.hour < 12 ? "AM" : "PM");
        if (!text.empty()) text += " ";
        text += buffer;
    }
    return text;
}

}  // namespace automation
