#include "platform/LocaleDates.h"

#include <langinfo.h>
#include <locale.h>
#include <time.h>

#include <array>
#include <cctype>
#include <cmath>
#include <mutex>

#include "automation/VariantText.h"

namespace platform {
namespace {

using automation::Date;

// The user's time locale and the patterns read from it.
struct Formats {
    locale_t locale = nullptr;
    std::string date;  // strftime pattern of the short date, with four-digit years
    std::string time;  // strftime pattern of the time, without seconds
    std::array<std::string, 12> months, shortMonths;
};

// The pattern with the conversions that stand for others written out (%D, %F, %r, %T, %R) and
// two-digit years widened to four.
std::string Expanded(std::string_view pattern, locale_t locale) {
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        const char conversion = pattern[++i];
        switch (conversion) {
            case 'D': out += Expanded("%m/%d/%y", locale); break;
            case 'F': out += "%Y-%m-%d"; break;
            case 'r': out += Expanded(nl_langinfo_l(T_FMT_AMPM, locale), locale); break;
            case 'T': out += "%H:%M:%S"; break;
            case 'R': out += "%H:%M"; break;
            case 'y': out += "%Y"; break;
            default: out.append({'%', conversion});
        }
    }
    return out;
}

// The time pattern without its seconds: with the separator before them ("%H:%M:%S"), or else with
// the unit after them ("%H時%M分%S秒").
std::string WithoutSeconds(std::string pattern) {
    const size_t seconds = pattern.find("%S");
    if (seconds == std::string::npos) return pattern;
    const char before = seconds > 0 ? pattern[seconds - 1] : '%';
    if (before != '%' && std::ispunct(static_cast<unsigned char>(before))) return pattern.erase(seconds - 1, 3);
    const size_t next = pattern.find('%', seconds + 2);
    return pattern.erase(seconds, next == std::string::npos ? std::string::npos : next - seconds);
}

Formats Read() {
    Formats formats;
    formats.locale = newlocale(LC_TIME_MASK, "", locale_t{});
    if (!formats.locale) formats.locale = newlocale(LC_TIME_MASK, "C", locale_t{});
    formats.date = Expanded(nl_langinfo_l(D_FMT, formats.locale), formats.locale);
    formats.time = WithoutSeconds(Expanded(nl_langinfo_l(T_FMT, formats.locale), formats.locale));
    for (int m = 0; m < 12; ++m) {
        formats.months[m] = nl_langinfo_l(MON_1 + m, formats.locale);
        formats.shortMonths[m] = nl_langinfo_l(ABMON_1 + m, formats.locale);
    }
    return formats;
}

std::mutex& FormatsMutex() {
    static std::mutex mutex;
    return mutex;
}

std::optional<Formats>& Held() {
    static std::optional<Formats> formats;
    return formats;
}

// The formats, read on first use; the caller holds the mutex.
const Formats& Current() {
    if (!Held()) Held() = Read();
    return *Held();
}

std::string Written(const std::string& pattern, Date date, locale_t locale) {
    const automation::DateParts parts = automation::SplitDate(date);
    tm fields{};
    fields.tm_year = parts.year - 1900;
    fields.tm_mon = parts.month - 1;
    fields.tm_mday = parts.day;
    fields.tm_hour = parts.hour;
    fields.tm_min = parts.minute;
    fields.tm_sec = parts.second;
    const auto day = static_cast<int64_t>(std::floor(date.serial));  // day 0 (30 December 1899) was a Saturday
    fields.tm_wday = static_cast<int>(((day + 6) % 7 + 7) % 7);
    char text[128];
    const size_t length = strftime_l(text, sizeof text, pattern.c_str(), &fields, locale);
    return std::string(text, length);
}

// Reads a date written in a pattern: day, month and year as numbers or month names, other
// characters as they stand, blanks as any blanks.
class DateReader {
public:
    DateReader(const Formats& formats, std::string_view text) : formats_(formats), text_(text) {}

    // The date, and where the text after it begins.
    std::optional<std::pair<Date, size_t>> Read() {
        const std::string& pattern = formats_.date;
        for (size_t i = 0; i < pattern.size(); ++i) {
            const char c = pattern[i];
            if (std::isspace(static_cast<unsigned char>(c))) {
                SkipBlanks();
            } else if (c != '%' || i + 1 == pattern.size()) {
                if (at_ >= text_.size() || text_[at_] != c) return std::nullopt;
                ++at_;
            } else if (!Field(pattern[++i])) {
                return std::nullopt;
            }
        }
        if (year_ < 0 || month_ < 1 || month_ > 12 || day_ < 1 || day_ > 31) return std::nullopt;
        const Date date = automation::MakeDate(year_, month_, day_);
        const automation::DateParts back = automation::SplitDate(date);
        if (back.month != month_ || back.day != day_) return std::nullopt;  // 31 April and the like
        return std::pair(date, at_);
    }

private:
    bool Field(char conversion) {
        switch (conversion) {
            case 'd':
            case 'e': SkipBlanks(); return Number(2, day_);
            case 'm': return Number(2, month_);
            case 'Y': {
                const size_t start = at_;
                if (!Number(4, year_)) return false;
                if (at_ - start <= 2) year_ += year_ < 30 ? 2000 : 1900;
                return true;
            }
            case 'b':
            case 'B':
            case 'h': return MonthName();
            case 'n':
            case 't': SkipBlanks(); return true;
            case '%': return at_ < text_.size() && text_[at_++] == '%';
            default: return false;
        }
    }

    bool Number(size_t maxDigits, int& value) {
        const size_t start = at_;
        value = 0;
        while (at_ < text_.size() && at_ - start < maxDigits && std::isdigit(static_cast<unsigned char>(text_[at_])))
            value = value * 10 + (text_[at_++] - '0');
        return at_ > start;
    }

    // The longest month name, full or short, that the text holds here, without regard to case.
    bool MonthName() {
        size_t best = 0;
        for (const auto* names : {&formats_.months, &formats_.shortMonths})
            for (int m = 0; m < 12; ++m) {
                const std::string& name = (*names)[m];
                if (name.size() > best && Starts(name)) {
                    best = name.size();
                    month_ = m + 1;
                }
            }
        at_ += best;
        return best > 0;
    }

    bool Starts(const std::string& name) const {
        if (name.empty() || text_.size() - at_ < name.size()) return false;
        for (size_t i = 0; i < name.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(text_[at_ + i])) != std::tolower(static_cast<unsigned char>(name[i])))
                return false;
        return true;
    }

    void SkipBlanks() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
    }

    const Formats& formats_;
    std::string_view text_;
    size_t at_ = 0;
    int year_ = -1, month_ = 0, day_ = 0;
};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string LocaleDates::ShortDate(Date date) {
    std::lock_guard lock(FormatsMutex());
    return Written(Current().date, date, Current().locale);
}

std::string LocaleDates::ShortTime(Date date) {
    std::lock_guard lock(FormatsMutex());
    return Written(Current().time, date, Current().locale);
}

std::optional<Date> LocaleDates::ReadShortDate(std::string_view text) {
    text = Trimmed(text);
    std::optional<std::pair<Date, size_t>> read;
    {
        std::lock_guard lock(FormatsMutex());
        read = DateReader(Current(), text).Read();
    }
    if (!read) return std::nullopt;
    auto [date, end] = *read;
    if (end == text.size()) return date;
    if (!std::isspace(static_cast<unsigned char>(text[end]))) return std::nullopt;
    const std::optional<Date> time = automation::ParseDate(text.substr(end));
    if (!time || time->serial < 0 || time->serial >= 1) return std::nullopt;  // a time alone, nothing else
    date.serial += date.serial < 0 ? -time->serial : time->serial;
    return date;
}

std::optional<Date> LocaleDates::ReadShownDate(std::string_view text) {
    if (std::optional<Date> date = ReadShortDate(text)) return date;
    return automation::ParseDate(text);
}

void LocaleDates::Forget() {
    std::lock_guard lock(FormatsMutex());
    if (Held() && Held()->locale) freelocale(Held()->locale);
    Held().reset();
}

}  // namespace platform
