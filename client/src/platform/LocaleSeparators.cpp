#include "platform/LocaleSeparators.h"

#include <langinfo.h>
#include <locale.h>

#include <mutex>
#include <optional>
#include <utility>

namespace platform {
namespace {
struct Separators {
    std::string decimal, thousands;
};

std::mutex& OverrideMutex() {
    static std::mutex mutex;
    return mutex;
}

std::optional<Separators>& Overridden() {
    static std::optional<Separators> separators;
    return separators;
}

// The locale's answer, read once: asking the locale costs far more than a number conversion.
std::optional<Separators>& FromLocaleOnce() {
    static std::optional<Separators> separators;
    return separators;
}

// The separators of the user's numeric locale, read without changing the process's own locale.
Separators FromLocale() {
    if (locale_t user = newlocale(LC_NUMERIC_MASK, "", locale_t{})) {
        Separators found{nl_langinfo_l(RADIXCHAR, user), nl_langinfo_l(THOUSEP, user)};
        freelocale(user);
        return found;
    }
    const lconv* current = localeconv();
    return {current->decimal_point, current->thousands_sep};
}

Separators Current() {
    std::lock_guard lock(OverrideMutex());
    if (Overridden()) return *Overridden();
    if (!FromLocaleOnce()) FromLocaleOnce() = FromLocale();
    return *FromLocaleOnce();
}
}  // namespace

std::string LocaleSeparators::Decimal() { return Current().decimal; }

std::string LocaleSeparators::Thousands() { return Current().thousands; }

void LocaleSeparators::Override(std::string decimal, std::string thousands) {
    std::lock_guard lock(OverrideMutex());
    Overridden() = Separators{std::move(decimal), std::move(thousands)};
}

void LocaleSeparators::ClearOverride() {
    std::lock_guard lock(OverrideMutex());
    Overridden().reset();
    FromLocaleOnce().reset();  // the next question reads the locale again
}

}  // namespace platform
