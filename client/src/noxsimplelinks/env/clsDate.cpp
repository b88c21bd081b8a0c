#include "noxsimplelinks/env/clsDate.h"

#include <cctype>
#include <cstdio>

#include "automation/AutomationError.h"
#include "automation/VariantText.h"
#include "platform/LocaleDates.h"

namespace noxsimplelinks {

namespace {

// A date written year first ("2004-03-05", a time allowed after it), which reads alike everywhere.
bool YearFirst(const std::string& text) {
    size_t digits = text.find_first_not_of(" \t");
    for (int i = 0; i < 4; ++i, ++digits)
        if (digits >= text.size() || !std::isdigit(static_cast<unsigned char>(text[digits]))) return false;
    return digits < text.size() && text[digits] == '-';
}

// A text as the user writes dates (the user's short date form), or year first; 13 for anything else.
automation::Date TypedDate(const std::string& text) {
    if (std::optional<automation::Date> date = platform::LocaleDates::ReadShortDate(text)) return *date;
    if (YearFirst(text))
        if (std::optional<automation::Date> date = automation::ParseDate(text)) return *date;
    automation::Raise(automation::errors::kTypeMismatch);
}

}  // namespace

const automation::MemberTable<clsDate>& clsDate::Members() {
    static const automation::MemberTable<clsDate> table = [] {
        automation::MemberTable<clsDate> t;
        t.Method("DateToServer", &clsDate::DateToServer);
        return t;
    }();
    return table;
}

std::string clsDate::DateToServer(const automation::Variant& value) const {
    if (value.IsEmpty()) return "";
    const std::string* text = value.IfString();
    if (text && (text->empty() || *text == "FOREVER")) return *text;
    automation::DateParts parts = automation::SplitDate(text ? TypedDate(*text) : value.ToDate());
    char server[32];
    std::snprintf(server, sizeof server, "%02d/%02d/%04d", parts.month, parts.day, parts.year);
    return server;
}

}  // namespace noxsimplelinks
