#include "Values.h"

#include <charconv>
#include <cmath>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "MethodError.h"

namespace server {

namespace {

bool ValidDate(int y, int m, int d) {
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= (m == 2 && !leap ? 28 : kDays[m - 1]);
}

std::string Iso(int y, int m, int d, int hh, int mm, int ss) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", y, m, d, hh, mm, ss);
    return buffer;
}

// The time after a date: nothing, or " HH:MM[:SS]" / "THH:MM[:SS]".
bool ReadTime(const char* rest, int& hh, int& mm, int& ss) {
    hh = mm = ss = 0;
    if (*rest == '\0') return true;
    if (*rest != ' ' && *rest != 'T') return false;
    int used = 0;
    if (std::sscanf(rest + 1, "%2d:%2d:%2d%n", &hh, &mm, &ss, &used) == 3 && rest[1 + used] == '\0') {
    } else if (ss = 0, used = 0; std::sscanf(rest + 1, "%2d:%2d%n", &hh, &mm, &used) == 2 && rest[1 + used] == '\0') {
    } else {
        return false;
    }
    return hh >= 0 && hh < 24 && mm >= 0 && mm < 60 && ss >= 0 && ss < 60;
}

std::string LocalIso(bool withTime) {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return Iso(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, withTime ? local.tm_hour : 0,
               withTime ? local.tm_min : 0, withTime ? local.tm_sec : 0);
}

}  // namespace

std::string IsoDate(const std::string& text) {
    int y = 0, m = 0, d = 0, used = 0, hh = 0, mm = 0, ss = 0;
    const char* s = text.c_str();
    bool read = (std::sscanf(s, "%2d/%2d/%4d%n", &m, &d, &y, &used) == 3 && used >= 8) ||
                (used = 0, std::sscanf(s, "%4d-%2d-%2d%n", &y, &m, &d, &used) == 3 && used == 10);
    if (!read || !ValidDate(y, m, d) || !ReadTime(s + used, hh, mm, ss)) return {};
    return Iso(y, m, d, hh, mm, ss);
}

SqlValue StoredValue(objdefs::DataType type, const std::string& text, const std::string& field) {
    if (text.empty()) return {};
    switch (type) {
        case objdefs::DataType::Text:
            return text;
        case objdefs::DataType::Date: {
            std::string iso = IsoDate(text);
            if (iso.empty())
                throw MethodError(codes::kBadValue, "The value \"" + text + "\" of " + field +
                                                        " is not a date (MM/DD/YYYY or YYYY-MM-DD)");
            return iso;
        }
        case objdefs::DataType::Number: {
            const char* end = text.data() + text.size();
            int64_t integer = 0;
            if (auto [p, ec] = std::from_chars(text.data(), end, integer); ec == std::errc() && p == end) return integer;
            double real = 0;
            if (auto [p, ec] = std::from_chars(text.data(), end, real); ec == std::errc() && p == end && std::isfinite(real))
                return real;
            throw MethodError(codes::kBadValue, "The value \"" + text + "\" of " + field + " is not a number");
        }
    }
    return text;
}

std::string NowIso() { return LocalIso(true); }
std::string TodayIso() { return LocalIso(false); }

}  // namespace server
