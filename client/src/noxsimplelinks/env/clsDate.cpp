#include "noxsimplelinks/env/clsDate.h"

#include <cstdio>

namespace noxsimplelinks {

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
    if (value.IsString() && (value.ToString().empty() || value.ToString() == "FOREVER")) return value.ToString();
    automation::DateParts parts = automation::SplitDate(value.ToDate());
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", parts.month, parts.day, parts.year);
    return text;
}

}  // namespace noxsimplelinks
